#include "core/CommaText.h"

#include <gtest/gtest.h>

namespace {

TEST(CommaText, WriterQuotesEveryFieldAndReaderGivesThemBack) {
    const QStringList fields{QStringLiteral("a \"quoted\", name"), QString(),
                             QStringLiteral("  blanks  "), QStringLiteral("\"")};
    const QString record = WriteCommaText(fields);
    EXPECT_EQ(record, QStringLiteral("\"a \"\"quoted\"\", name\",\"\",\"  blanks  \",\"\"\"\""));
    EXPECT_EQ(ReadCommaText(record), fields);
    EXPECT_EQ(
        WriteCommaText({QStringLiteral("255"), QStringLiteral("#FF0000"), QStringLiteral("red")}),
        QStringLiteral("\"255\",\"#FF0000\",\"red\""));
}

TEST(CommaText, ReaderFollowsCommaTextRules) {
    EXPECT_EQ(ReadCommaText(QStringLiteral("  \"a\" ,  \"b\"  ")),
              (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    // Blanks end an unquoted field, so they split it.
    EXPECT_EQ(ReadCommaText(QStringLiteral("one two,three")),
              (QStringList{QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")}));
    EXPECT_EQ(ReadCommaText(QStringLiteral("a,,b")),
              (QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")}));
    EXPECT_EQ(ReadCommaText(QStringLiteral("\"ab\"cd")),
              (QStringList{QStringLiteral("ab"), QStringLiteral("cd")}));
    // An unterminated quote runs to the end.
    EXPECT_EQ(ReadCommaText(QStringLiteral("\"x,y")), QStringList{QStringLiteral("x,y")});
    EXPECT_TRUE(ReadCommaText(QString()).isEmpty());
    EXPECT_TRUE(ReadCommaText(QStringLiteral("   ")).isEmpty());
    EXPECT_EQ(ReadCommaText(QStringLiteral("a,")), QStringList{QStringLiteral("a")});
}

} // namespace
