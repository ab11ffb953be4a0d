#include "desktop/main/TrayNotices.h"

#include "core/protocol/FailureReasons.h"

void TrayNotices::setCheckedGroups(const QStringList& groups)
{
    m_checkedGroups = QSet<QString>(groups.begin(), groups.end());
}

bool TrayNotices::failing() const
{
    return m_serviceFailing || m_failingGroups.intersects(m_checkedGroups);
}

std::optional<QString> TrayNotices::noticeFor(const ClientEvent& event, bool windowHidden, int groupsToUpdate)
{
    std::optional<QString> notice;
    const bool wasFailing = m_inRun;
    switch (event.kind) {
    case ClientEvent::Kind::NewAddress:
        if (groupsToUpdate == 0)
            notice = tr("Your address changed to %1.").arg(event.address);
        else if (groupsToUpdate == 1)
            notice = tr("Your address changed to %1; updating 1 group.").arg(event.address);
        else
            notice = tr("Your address changed to %1; updating %2 groups.")
                         .arg(event.address, QString::number(groupsToUpdate));
        break;
    case ClientEvent::Kind::GroupFailed:
    case ClientEvent::Kind::Failure:
        m_updating = false;
        if (!wasFailing) {
            // The reason is kept in English for the history; the notice says it in the reader's language.
            const QString reason = FailureReasons::shown(event.reason);
            notice = event.group.isEmpty() ? tr("The service could not be reached: %1").arg(reason)
                                           : tr("Update of %1 failed: %2").arg(event.group, reason);
        }
        if (event.group.isEmpty())
            m_serviceFailing = true;
        else
            m_failingGroups.insert(event.group);
        m_inRun = true;
        break;
    case ClientEvent::Kind::GroupUpdated:
        m_updating = false;
        m_serviceFailing = false;
        m_failingGroups.remove(event.group);
        if (wasFailing && !failing()) {
            notice = tr("Updates succeed again.");
            m_inRun = false;
        }
        break;
    case ClientEvent::Kind::Started:
    case ClientEvent::Kind::Ended:
        break;
    }
    if (!enabled || !windowHidden)
        return std::nullopt;
    return notice;
}

TrayIcon::Picture TrayNotices::picture() const
{
    if (failing())
        return TrayIcon::Picture::Failed;
    return m_updating ? TrayIcon::Picture::Updating : TrayIcon::Picture::Normal;
}
