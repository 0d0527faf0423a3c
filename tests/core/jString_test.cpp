#include "core/jString.h"

#include <gtest/gtest.h>

namespace {

QByteArray Sj(const char* utf8) {
    return ToCp932(QString::fromUtf8(utf8));
}

TEST(jString, CountsDoubleByteCharactersAsOne) {
    const QByteArray gothic = Sj("ＭＳ Ｐゴシック,Osaka");
    EXPECT_EQ(gothic.size(), 21);
    EXPECT_EQ(CharLength(gothic), 14);
    EXPECT_EQ(CharLength("Arial,Helvetica"), 15);
    EXPECT_EQ(CharLength(""), 0);
    EXPECT_EQ(CharLength(QByteArray()), 0);
    // The text ends at its first zero byte.
    EXPECT_EQ(CharLength(QByteArray("ab\0cd", 5)), 2);
}

TEST(jString, LeadByteBeforeTheEndIsOneCharacter) {
    const QByteArray dangling("a\x82", 2);
    EXPECT_FALSE(IsDoubleByteChar(dangling, 1));
    EXPECT_EQ(CharLength(dangling), 2);
    const QByteArray beforeZero("\x82\0x", 3);
    EXPECT_FALSE(IsDoubleByteChar(beforeZero, 0));
    EXPECT_EQ(CharLength(beforeZero), 1);

    const QByteArray star = Sj("★x");
    EXPECT_TRUE(IsDoubleByteChar(star, 0));
    qsizetype pos = 0;
    EXPECT_EQ(NextChar(star, pos), 2);
    EXPECT_EQ(pos, 2);
    EXPECT_EQ(NextChar(star, pos), 1);
    EXPECT_EQ(NextChar(star, pos), 0);
    EXPECT_EQ(pos, 3);
}

TEST(jString, CharPosFindsCharacterPositions) {
    EXPECT_EQ(CharPos(",", Sj("ＭＳ Ｐ明朝,平成明朝")), 7);
    EXPECT_EQ(CharPos(",", Sj("ＭＳ Ｐゴシック,Osaka")), 9);
    EXPECT_EQ(CharPos("Arial", "Arial,Helvetica"), 1);
    EXPECT_EQ(CharPos("Helvetica", "Arial,Helvetica"), 7);
    EXPECT_EQ(CharPos("helvetica", "Arial,Helvetica"), 0);
    EXPECT_EQ(CharPos("", "Arial"), 0);
    EXPECT_EQ(CharPos("Arial", ""), 0);
    EXPECT_EQ(CharPos("Arial,Helvetica!", "Arial,Helvetica"), 0);
    EXPECT_EQ(CharPos(Sj("明朝"), Sj("ＭＳ Ｐ明朝,平成明朝")), 5);
}

TEST(jString, CharPosDoesNotMatchTheTrailByteOfADoubleByteCharacter) {
    // "ソ" is 0x83 0x5C in code page 932: its trail byte is a backslash.
    const QByteArray so = Sj("ソ");
    ASSERT_EQ(so, QByteArray("\x83\x5C"));
    EXPECT_EQ(CharPos("\\", so + "\\"), 2);
    EXPECT_EQ(CharPos("\\", so), 0);
}

TEST(jString, SubCharsAndLeftCharsCutWholeCharacters) {
    const QByteArray mincho = Sj("ＭＳ Ｐ明朝,平成明朝");
    EXPECT_EQ(SubChars(mincho, 1, 6), Sj("ＭＳ Ｐ明朝"));
    EXPECT_EQ(SubChars(mincho, 8, 100), Sj("平成明朝"));
    EXPECT_EQ(SubChars(mincho, 0, 2), Sj("ＭＳ"));
    EXPECT_EQ(SubChars(mincho, 12, 1), QByteArray());
    EXPECT_EQ(SubChars(mincho, 11, 1), Sj("朝"));
    EXPECT_EQ(SubChars(mincho, -1, 3), QByteArray());
    EXPECT_EQ(SubChars(mincho, 1, 0), QByteArray());

    EXPECT_EQ(LeftChars("Arial,Helvetica", 5), "Arial");
    EXPECT_EQ(LeftChars("ab", 4), "ab  ");
    EXPECT_EQ(LeftChars("Arial", 0), QByteArray());
    EXPECT_EQ(LeftChars(Sj("明朝x"), 2), Sj("明朝"));
    EXPECT_EQ(RepeatText("ab", 3), "ababab");
    EXPECT_EQ(RepeatText("ab", 0), QByteArray());
    EXPECT_EQ(RepeatText("ab", -2), QByteArray());
}

TEST(jString, Cp932WidthsOfUnicodeCharacters) {
    EXPECT_EQ(Cp932TextWidth(QStringLiteral("ＭＳ Ｐゴシック,Osaka")), 21);
    EXPECT_EQ(Cp932CharWidth(U'ｱ'), 1);
    EXPECT_EQ(Cp932CharWidth(U'~'), 1);
    EXPECT_EQ(Cp932CharWidth(U'★'), 2);
    // A character outside the BMP is one character, two bytes wide.
    EXPECT_EQ(Cp932TextWidth(QString::fromUtf8("a\xF0\x9F\x98\x80")), 3);
    // The widths agree with the byte lengths of the code page conversion.
    const QString sample = QStringLiteral("半角ｶﾀｶﾅ and ①～");
    EXPECT_EQ(Cp932TextWidth(sample), ToCp932(sample).size());
    EXPECT_EQ(FromCp932(ToCp932(sample)), sample);
}

} // namespace
