#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QtGlobal>

// What outranks LANG in choosing a program's language.
inline constexpr const char* kLocaleOverrides[] = {"LC_ALL", "LC_MESSAGES", "LANGUAGE"};

// The programs the tests start speak today's English whatever the machine's language, unless a test
// starts one in a locale of its own (environmentInLocale).
inline void useTestLocale()
{
    if (qEnvironmentVariableIsSet("VELTARO_TEST_OWN_LOCALE"))
        return;
    qputenv("LANG", "C");
    for (const char* name : kLocaleOverrides)
        qunsetenv(name);
}

// The environment of a program started in the locale `lang`, with the list of languages `languages`
// when one is given, and nothing else that outranks them.
inline QProcessEnvironment environmentInLocale(const QString& lang, const QString& languages = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : kLocaleOverrides)
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("LANG"), lang);
    if (!languages.isEmpty())
        environment.insert(QStringLiteral("LANGUAGE"), languages);
    environment.insert(QStringLiteral("VELTARO_TEST_OWN_LOCALE"), QStringLiteral("1"));
    return environment;
}
