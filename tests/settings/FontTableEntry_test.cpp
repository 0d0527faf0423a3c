#include "settings/FontTableEntry.h"
#include "settings/ProgramOptions.h"

#include <gtest/gtest.h>

TEST(FontTableEntry, NamesAndSubstituteListsAreKept) {
    for (const QString& entry : DefaultFontTable())
        EXPECT_TRUE(IsStorableFontTableEntry(entry)) << entry.toStdString();
    EXPECT_TRUE(IsStorableFontTableEntry(QStringLiteral(" Verdana , Arial ")));
    EXPECT_TRUE(IsStorableFontTableEntry(QStringLiteral("'Noto Sans CJK JP',sans-serif")));
    EXPECT_TRUE(IsStorableFontTableEntry(QString()));
}

TEST(FontTableEntry, QuotesAndControlCharactersAreRefused) {
    for (const char16_t* entry :
         {u"Say \"Hi\"", u"A\nB", u"A\r\nB", u"A\tB", u"A\u2028B", u"A\u0085B", u"A\x7f"})
        EXPECT_FALSE(IsStorableFontTableEntry(QString::fromUtf16(entry)))
            << QString::fromUtf16(entry).toStdString();
}
