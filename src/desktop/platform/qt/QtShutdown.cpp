#include "desktop/platform/qt/QtShutdown.h"

#include "core/platform/qt/TerminationSignals.h"

#include <QGuiApplication>
#include <QSessionManager>

#include <memory>

void installShutdownHandlers(std::function<void()> onShutdown)
{
    auto shared = std::make_shared<std::function<void()>>(std::move(onShutdown));
    onTerminationSignals([shared] { (*shared)(); });
    if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        QObject::connect(
            gui, &QGuiApplication::commitDataRequest, gui, [shared](QSessionManager&) { (*shared)(); },
            Qt::DirectConnection);
    }
}
