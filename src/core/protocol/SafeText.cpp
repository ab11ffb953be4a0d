#include "core/protocol/SafeText.h"

#include <QStringList>

namespace SafeText {

QString unstorableCharacters(const QString& text)
{
    QStringList found;
    for (const QChar c : text) {
        const QString quoted = QLatin1Char('"') + c + QLatin1Char('"');
        if (c.unicode() > 0xFF && !found.contains(quoted))
            found.append(quoted);
    }
    return found.join(QLatin1String(", "));
}

QString withControlCharactersAsSpaces(QString text, bool keepTabs)
{
    for (QChar& c : text) {
        if (c.category() == QChar::Other_Control && !(keepTabs && c == u'\t'))
            c = u' ';
    }
    return text;
}

QString withoutControlCharacters(QString text)
{
    text.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
    return text;
}

} // namespace SafeText
