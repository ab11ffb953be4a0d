// Reads arbitrary bytes as "DNS.conf"; whatever was read must save and read back to the same file.
#include "FuzzSupport.h"

#include "core/settings/ConfigFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FakeCorePlatform fake;
    const QString path = ConfigFile::path(fake.platform);
    fake.files.contents.insert(path, QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));

    Settings first;
    ConfigFile::load(first, fake.platform);
    ConfigFile::save(first, fake.platform);
    const QByteArray saved = fake.files.contents.value(path);

    Settings second;
    ConfigFile::load(second, fake.platform);
    ConfigFile::save(second, fake.platform);
    if (fake.files.contents.value(path) != saved)
        std::abort();
    return 0;
}
