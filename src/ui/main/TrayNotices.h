#pragma once

#include "platform/TrayIcon.h"
#include "state/ClientEvent.h"

#include <QSet>
#include <QString>

#include <optional>

// What the tray tells of the client's events: the icon's picture always, and, while the window is
// hidden, a notice when the address changes, at the first failure of a run of failures, and when
// updates succeed again after one.
class TrayNotices
{
public:
    // An update has been sent.
    void updateStarted() { m_updating = true; }
    // Takes the event in; returns the notice to show, if any. `groupsToUpdate` is how many groups
    // the next update sends, 0 when automatic updates are off.
    std::optional<QString> noticeFor(const ClientEvent& event, bool windowHidden, int groupsToUpdate);
    TrayIcon::Picture picture() const;

    // Notices at all; the picture tells the state either way.
    bool enabled = true;

private:
    bool failing() const { return m_serviceFailing || !m_failingGroups.isEmpty(); }

    // A run of failures lasts while a group's last update failed, or while the service was not
    // reached and no update has gone through since.
    QSet<QString> m_failingGroups;
    bool m_serviceFailing = false;
    bool m_updating = false;
};
