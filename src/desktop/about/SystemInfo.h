#pragma once

#include <QString>

#include <cstdint>
#include <stdexcept>

struct Platform;

// A fault met while looking up or starting the system information tool. StartSysInfo turns every one
// into its one message box; nothing else sees it.
class SysInfoFault : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Starts the system information tool that the registry names; when none can be started, says so in a
// message box.
void StartSysInfo(Platform& platform);

// Reads the value `subKeyRef` of the key `keyName` under `keyRoot` as text into `keyVal`: a text value as
// it is, a 32-bit number as "&h" digits. False, with `keyVal` emptied, when the key or the value cannot be
// read; true with `keyVal` untouched for a value of another type. Throws SysInfoFault for a value that holds
// no bytes at all.
bool GetKeyValue(Platform& platform, std::uint32_t keyRoot, const QString& keyName, const QString& subKeyRef,
                 QString& keyVal);
