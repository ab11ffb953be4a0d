#pragma once

#include "core/client/ClientEvent.h"
#include "desktop/platform/TrayIcon.h"

#include <QCoreApplication>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

// What the tray tells of the client's events: the icon's picture always, and, while the window is
// hidden, a notice when the address changes, at the first failure of a run of failures, and when
// updates succeed again after one.
class TrayNotices
{
    Q_DECLARE_TR_FUNCTIONS(TrayNotices)

public:
    // An update has been sent.
    void updateStarted() { m_updating = true; }
    // Only the groups checked now count: an unchecked group's failure ends the run of failures.
    void setCheckedGroups(const QStringList& groups);
    // Takes the event in; returns the notice to show, if any. `groupsToUpdate` is how many groups
    // the next update sends, 0 when automatic updates are off.
    std::optional<QString> noticeFor(const ClientEvent& event, bool windowHidden, int groupsToUpdate);
    TrayIcon::Picture picture() const;

    // Notices at all; the picture tells the state either way.
    bool enabled = true;

private:
    bool failing() const;

    // A run of failures lasts while a checked group's last update failed, or while the service was
    // not reached and no update has gone through since.
    QSet<QString> m_failingGroups;
    QSet<QString> m_checkedGroups;
    bool m_serviceFailing = false;
    // A run of failures has begun and its end has not been told yet.
    bool m_inRun = false;
    bool m_updating = false;
};
