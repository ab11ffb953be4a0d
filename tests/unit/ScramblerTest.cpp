#include "core/protocol/Scrambler.h"

#include <gtest/gtest.h>

using Scrambler::scrambleText;
using Scrambler::unscrambleText;

TEST(Scrambling, SubstitutesTheWholeAlphabetAndRoundTripsToUpperCaseWithoutLineBreaksExceptForPercent)
{
    EXPECT_EQ(scrambleText(QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789.@ ")),
              QStringLiteral("UQPS1T4W%3OJMIYR7X9CZD086V2.@ENG5KHFLBA\r\n"));
    const QString text = QStringLiteral("home-Office_1: a.b@c d\r\nÿé ж\rx\n");
    EXPECT_EQ(unscrambleText(scrambleText(text)), QStringLiteral("HOME-OFFICE_1: A.B@C DÿÉ ЖX"));
    // "%" passes scrambling unchanged but is a code when unscrambled.
    EXPECT_EQ(scrambleText(QStringLiteral("%")), QStringLiteral("%\r\n"));
    EXPECT_NE(unscrambleText(QStringLiteral("%")), QStringLiteral("%"));
}

TEST(Scrambling, UpperCaseIsTheScramblersOwnAndKeepsOneByteCharactersWithinOneByte)
{
    for (char16_t c = 0; c < 256; ++c) {
        const QChar upper = Scrambler::upperCase(QChar(c));
        EXPECT_LT(upper.unicode(), 256) << int(c);
        if (c != u'%' && c != u'\r' && c != u'\n') {
            EXPECT_EQ(unscrambleText(scrambleText(QString(QChar(c)))), QString(upper)) << int(c);
        }
    }
    // µ and ÿ have upper cases only beyond one byte, where the file and the wire would make them "?".
    EXPECT_EQ(Scrambler::upperCase(QStringLiteral("µnet ÿ é")), QStringLiteral("µNET ÿ É"));
}
