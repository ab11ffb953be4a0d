#pragma once

#include <QString>

#include <cstdint>
#include <stdexcept>

struct Platform;

// A fault met while looking up or starting the system information tool. startSystemInfo turns every one
// into its one message box; nothing else sees it.
class SystemInfoFault : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Starts the system information tool that the registry names; when none can be started, says so in a
// message box.
void startSystemInfo(Platform& platform);

// Reads the value `valueName` of the key `keyName` under `root` as text into `text`: a text value as
// it is, a 32-bit number as "&h" digits. False, with `text` emptied, when the key or the value cannot be
// read; true with `text` untouched for a value of another type. Throws SystemInfoFault for a value that holds
// no bytes at all.
bool readKeyValue(Platform& platform, std::uint32_t root, const QString& keyName, const QString& valueName,
                  QString& text);
