#include "gradient/GradientTableList.h"
#include "html/GradientTextWriter.h"
#include "richtext/GradientTextDocument.h"
#include "settings/ProgramOptions.h"

#include "../html/StyledTextSamples.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>

namespace {

class GradientTextDocumentTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!QGuiApplication::instance()) {
            static int argc = 1;
            static char name[] = "test_richtext";
            static char* argv[] = {name, nullptr};
            new QGuiApplication(argc, argv);
        }
    }

    void SetUp() override {
        QFont font(kDefaultTextFont);
        font.setPointSizeF(kDefaultTextPoints);
        m_document.setDefaultFont(font);
    }

    QTextDocument m_document;
};

const TColor kGreen = RgbToColor(0, 128, 0);

} // namespace

TEST_F(GradientTextDocumentTest, ReadsEveryCharacterWithItsStyleAndPosition) {
    QTextCursor cursor(&m_document);
    QTextCharFormat red;
    red.setForeground(QColor(255, 0, 0));
    red.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("a\U0001F600"), red);
    QTextCharFormat arial;
    arial.setFontFamilies({QStringLiteral("Arial")});
    arial.setFontPointSize(24);
    arial.setFontUnderline(true);
    cursor.insertBlock(QTextBlockFormat(), arial);
    cursor.insertText(QStringLiteral("ｱ"), arial);

    const DocumentText text = StyledTextFromDocument(m_document);
    ASSERT_EQ(text.text.chars.size(), 4u);
    EXPECT_EQ(PlainText(text.text), QStringLiteral("a\U0001F600\nｱ"));
    EXPECT_EQ(text.positions, (std::vector<int>{0, 1, 3, 4}));
    const CharStyle& a = text.text.chars[0].style;
    EXPECT_EQ(a.fontName, kDefaultTextFont);
    EXPECT_EQ(a.points, 11);
    EXPECT_EQ(a.color, kRed);
    EXPECT_TRUE(a.bold);
    EXPECT_FALSE(a.underline);
    // The paragraph end is in the format the new paragraph was given.
    for (size_t k : {2u, 3u}) {
        const CharStyle& s = text.text.chars[k].style;
        EXPECT_EQ(s.fontName, QStringLiteral("Arial"));
        EXPECT_EQ(s.points, 24);
        EXPECT_EQ(s.color, 0u);
        EXPECT_TRUE(s.underline);
        EXPECT_FALSE(s.bold);
    }
    // Positions: a 0, 😀 1-2, paragraph end 3, ｱ 4.
    EXPECT_EQ(DocumentSelectionToPositions(text, 1, 4), (PositionRange{1, 3}));
    EXPECT_EQ(DocumentSelectionToPositions(text, 5, 0), (PositionRange{0, 5}));
    EXPECT_EQ(DocumentSelectionToPositions(text, 2, 2), (PositionRange{3, 0}));
}

TEST_F(GradientTextDocumentTest, GradientColoursTheDocumentAsTheModelInOneUndoStep) {
    QTextCursor cursor(&m_document);
    QTextCharFormat green;
    green.setForeground(QColor(0, 128, 0));
    cursor.insertText(QStringLiteral("Vellomarの文字ｶﾅ"), green);
    cursor.insertBlock();
    QTextCharFormat bold = green;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("<b>&グラデーション"), bold);
    const QString before = m_document.toHtml();

    const DocumentText original = StyledTextFromDocument(m_document);
    const GradientTable& table = DefaultGradientTables()[1];
    for (const auto& [from, to] : {std::pair{0, 0}, std::pair{3, 17}}) {
        DocumentText expected = original;
        ApplyTextGradient(expected.text, &table, DocumentSelectionToPositions(expected, from, to));
        const TextGradientResult result = ApplyTextGradient(m_document, &table, from, to);
        EXPECT_EQ(result.status, TextGradientStatus::Applied);
        const DocumentText after = StyledTextFromDocument(m_document);
        EXPECT_EQ(Colors(after.text), Colors(expected.text)) << from << ".." << to;
        EXPECT_EQ(WriteGradientTextHtml(after.text, DefaultFontTable(), HtmlCase::Lower, true),
                  WriteGradientTextHtml(expected.text, DefaultFontTable(), HtmlCase::Lower, true));
        if (from == 3) {
            // Outside the range the old colour stays.
            EXPECT_EQ(after.text.chars[2].style.color, kGreen);
            EXPECT_EQ(after.text.chars[20].style.color, kGreen);
            EXPECT_TRUE(after.text.chars[20].style.bold);
        }
        // One undo takes the whole effect back.
        m_document.undo();
        EXPECT_EQ(m_document.toHtml(), before);
    }

    GradientTable one;
    one.setStops(std::vector<GradientStop>{{0, kRed}});
    const int steps = m_document.availableUndoSteps();
    EXPECT_EQ(ApplyTextGradient(m_document, &one, 0, 0).status, TextGradientStatus::TooFewStops);
    EXPECT_EQ(m_document.availableUndoSteps(), steps);
    EXPECT_EQ(m_document.toHtml(), before);
}
