#pragma once

#include <QByteArray>
#include <QtGlobal>

// The programs the tests start speak today's English whatever the machine's language, unless a test
// starts one in a locale of its own and says so with VELTARO_TEST_OWN_LOCALE.
inline void useTestLocale()
{
    if (qEnvironmentVariableIsSet("VELTARO_TEST_OWN_LOCALE"))
        return;
    qputenv("LANG", "C");
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
        qunsetenv(name);
}
