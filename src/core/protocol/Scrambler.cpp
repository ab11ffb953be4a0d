#include "core/protocol/Scrambler.h"

#include <algorithm>
#include <array>

namespace Scrambler {
namespace {

constexpr char kPlain[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.@ ";
constexpr char kCoded[] = "UQPS1T4W%3OJMIYR7X9CZD086V2.@ENG5KHFLBA";
static_assert(sizeof(kPlain) == 40 && sizeof(kCoded) == 40);

using Table = std::array<char16_t, 256>;

// Identity outside the alphabet, so unknown Latin-1 characters pass unchanged.
Table makeTable(const char* from, const char* to)
{
    Table table{};
    for (int c = 0; c < 256; ++c)
        table[c] = char16_t(c);
    for (int i = 0; from[i] != '\0'; ++i)
        table[static_cast<unsigned char>(from[i])] = char16_t(static_cast<unsigned char>(to[i]));
    return table;
}

const Table& scrambleTable()
{
    static const Table table = makeTable(kPlain, kCoded);
    return table;
}

const Table& unscrambleTable()
{
    static const Table table = makeTable(kCoded, kPlain);
    return table;
}

QString substitute(const QString& text, const Table& table, qsizetype reserveExtra)
{
    QString result;
    result.reserve(text.size() + reserveExtra);
    for (const QChar ch : text) {
        const QChar upper = upperCase(ch);
        result.append(upper.unicode() < 256 ? QChar(table[upper.unicode()]) : upper);
    }
    return result;
}

} // namespace

QChar upperCase(QChar c)
{
    const QChar upper = c.toUpper();
    return c.unicode() < 256 && upper.unicode() >= 256 ? c : upper;
}

QString upperCase(const QString& text)
{
    QString result(text.size(), Qt::Uninitialized);
    std::transform(text.cbegin(), text.cend(), result.begin(), [](QChar c) { return upperCase(c); });
    return result;
}

QString scrambleText(const QString& text)
{
    QString result = substitute(text, scrambleTable(), 2);
    result.append(QLatin1String("\r\n"));
    return result;
}

QString charactersScramblingChanges(const QString& text)
{
    QString changed;
    for (const QChar c : text) {
        const QChar upper = upperCase(c);
        if (upper.unicode() < 256 && unscrambleTable()[scrambleTable()[upper.unicode()]] != upper.unicode() &&
            !changed.contains(c))
            changed.append(c);
    }
    return changed;
}

QString unscrambleText(const QString& text)
{
    QString result = substitute(text, unscrambleTable(), 0);
    result.removeIf([](QChar c) { return c == u'\r' || c == u'\n'; });
    return result;
}

} // namespace Scrambler
