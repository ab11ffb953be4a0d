#include "core/platform/qt/QtNetworkMonitor.h"

#include <QNetworkInformation>

QtNetworkMonitor::QtNetworkMonitor()
{
    if (!QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability))
        return;
    QNetworkInformation* information = QNetworkInformation::instance();
    m_available = information != nullptr;
    if (!m_available)
        return;
    const auto changed = [this] {
        if (onChange)
            onChange();
    };
    QObject::connect(information, &QNetworkInformation::reachabilityChanged, &m_context, changed);
    QObject::connect(information, &QNetworkInformation::transportMediumChanged, &m_context, changed);
}
