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
    // Settings files and servers hold text coded with this very table.
    EXPECT_EQ(scrambleText(QStringLiteral("getMyIP:demo:home 1.")), QStringLiteral("41CM6%R:S1MY:WYM1A.L\r\n"));
}

TEST(Scrambling, RoundTripGivesTheUpperCaseTextWithoutLineBreaksExceptForPercent)
{
    const QString text = QStringLiteral("home-Office_1: a.b@c d\r\nÿé ж\rx\n");
    EXPECT_EQ(unscrambleText(scrambleText(text)), QStringLiteral("HOME-OFFICE_1: A.B@C DÿÉ ЖX"));
    // "%" passes scrambling unchanged but is a code when unscrambled.
    EXPECT_EQ(scrambleText(QStringLiteral("%")), QStringLiteral("%\r\n"));
    EXPECT_NE(unscrambleText(QStringLiteral("%")), QStringLiteral("%"));
}

TEST(Scrambling, UpperCaseIsTheScramblersOwnAndKeepsOneByteCharactersWithinOneByte)
{
    for (char16_t c = 0; c < 256; ++c) {
        const QChar upper = Common_Functions::upperCase(QChar(c));
        EXPECT_LT(upper.unicode(), 256) << int(c);
        if (c != u'%' && c != u'\r' && c != u'\n') {
            EXPECT_EQ(unscrambleText(scrambleText(QString(QChar(c)))), QString(upper)) << int(c);
        }
    }
    // µ and ÿ have upper cases only beyond one byte, where the file and the wire would make them "?".
    EXPECT_EQ(Common_Functions::upperCase(QStringLiteral("µnet ÿ é")), QStringLiteral("µNET ÿ É"));
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
