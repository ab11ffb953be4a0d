#include "state/Scrambling.h"

#include <QSet>
#include <gtest/gtest.h>

using Common_Functions::scrambleText;
using Common_Functions::unscrambleText;

TEST(Scrambling, MapsThePlainAlphabetOneToOneOntoTheCodedAlphabet)
{
    const QString plain = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.@ ");
    const QString coded = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.@%");
    QSet<QChar> codes;
    for (const QChar c : plain) {
        const QString code = scrambleText(QString(c)).chopped(2);
        ASSERT_EQ(code.size(), 1);
        EXPECT_TRUE(coded.contains(code[0])) << code.toStdString();
        EXPECT_EQ(unscrambleText(code), QString(c));
        codes.insert(code[0]);
    }
    EXPECT_EQ(codes.size(), 39);
    EXPECT_FALSE(scrambleText(plain + QStringLiteral("  x y ")).contains(u' '));
}

TEST(Scrambling, RoundTripGivesTheUpperCaseTextWithoutLineBreaksExceptForPercent)
{
    const QString text = QStringLiteral("home-Office_1: a.b@c d\r\nÿé ж\rx\n");
    // ÿ has no upper case within one byte per character, so it stays ÿ rather than become "?".
    EXPECT_EQ(unscrambleText(scrambleText(text)), QStringLiteral("HOME-OFFICE_1: A.B@C DÿÉ ЖX"));
    // "%" passes scrambling unchanged but is a code when unscrambled.
    EXPECT_EQ(scrambleText(QStringLiteral("%")), QStringLiteral("%\r\n"));
    EXPECT_NE(unscrambleText(QStringLiteral("%")), QStringLiteral("%"));
}

TEST(Scrambling, EmptyTextGivesCrLfAndBack)
{
    EXPECT_EQ(scrambleText(QString()), QStringLiteral("\r\n"));
    EXPECT_EQ(unscrambleText(QString()), QString());
}

TEST(Scrambling, TextLongerThan32767CharactersIsProcessedWhole)
{
    const QString text = QStringLiteral("group: ").repeated(5000);
    const QString coded = scrambleText(text);
    EXPECT_EQ(coded.size(), text.size() + 2);
    EXPECT_EQ(unscrambleText(coded), text.toUpper());
}
