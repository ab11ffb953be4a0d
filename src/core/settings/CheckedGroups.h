#pragma once

#include <QString>

// `checkedGroups` holds each checked group's name in upper case followed by ":". Entries are
// matched whole, so a group named B never matches the entry of a group named AB. A name is looked
// up and stored in the upper case the scrambling gives it, so the settings file and the host list
// agree on it.
namespace CheckedGroups {

bool contains(const QString& list, const QString& name);
// The list with `name` appended, unless it is there already.
QString added(const QString& list, const QString& name);
// The list without any entry for `name`; every other entry stays as it was.
QString removed(const QString& list, const QString& name);

} // namespace CheckedGroups
