#include "CliProcess.h"
#include "gradient/GradientTableList.h"
#include "html/CellColors.h"
#include "html/RuleMarkup.h"
#include "html/TableGradient.h"
#include "html/TableMarkup.h"
#include "settings/OptionsStore.h"
#include "settings/ProgramOptions.h"
#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <memory>

namespace {

class CliTableRuleTest : public ::testing::Test {
protected:
    CliRun run(const QStringList& args) const {
        return RunCli(
            QStringList{QStringLiteral("--settings"), m_dir.filePath(QStringLiteral("new.ini"))} +
            args);
    }
    static ProgramOptions Defaults() {
        ProgramOptions options;
        LoadOptions(SettingsStore(QStringLiteral("/nonexistent/vellomar.ini")), options);
        return options;
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(CliTableRuleTest, TablePrintsWhatTheWriterWrites) {
    const CliRun result =
        run({"table", "--rows", "3", "--cols", "4", "--gradient", "0", "--direction", "0"});
    ASSERT_EQ(result.status, 0) << result.errText().toStdString();
    auto cells = std::make_unique<CellColors>();
    ApplyTableGradient(*cells, DefaultGradientTables()[0], {0, 0, 3, 2},
                       TableDirection::RowsLeftToRight, CellTarget::Background);
    ProgramOptions options = Defaults();
    TablePageModel page = InitialTablePageModel(options);
    page.rows = 3;
    page.columns = 4;
    EXPECT_EQ(result.outText(), WriteGradientTableHtml(page, *cells, options));

    // Operations run in order on their selection; toggles, cell text and case.
    const CliRun second = run({"--case",      "upper",      "--crlf", "off",      "table",
                               "--rows",      "2",          "--cols", "3",        "--fill",
                               "red",         "--select",   "1",      "0",        "2",
                               "1",           "--gradient", "黒、白", "--target", "text",
                               "--direction", "3",          "--char", "x",        "--border-light",
                               "#00ff00",     "--bgcolor",  "0,0,255"});
    ASSERT_EQ(second.status, 0) << second.errText().toStdString();
    cells->clear();
    cells->fillBackground({0, 0, 2, 1}, RgbToColor(255, 0, 0));
    ApplyTableGradient(*cells, DefaultGradientTables()[2], {1, 0, 2, 1},
                       TableDirection::ColumnsRightToLeft, CellTarget::Text);
    options.htmlcase = HtmlCase::Upper;
    options.htmlcr = false;
    page.rows = 2;
    page.columns = 3;
    page.cellText = QStringLiteral("x");
    page.borderLight = {true, RgbToColor(0, 255, 0)};
    page.background = {true, RgbToColor(0, 0, 255)};
    EXPECT_EQ(second.outText().toStdString(),
              WriteGradientTableHtml(page, *cells, options).toStdString());
    EXPECT_TRUE(
        second.outText().startsWith(QStringLiteral("<TABLE BGCOLOR=\"#0000FF\"  BORDER=\"1\"")));
}

TEST_F(CliTableRuleTest, TableRefusesBadSizesAndSelections) {
    const QList<QStringList> refused = {
        {"table", "--rows", "0"},
        {"table", "--cols", "51"},
        {"table", "--rows", "3", "--select", "0", "0", "0", "3"},
        {"table", "--select", "2", "0", "1", "0"},
        {"table", "--gradient", "0"},
        {"table", "--gradient", "0", "--direction", "4"},
        {"table", "--direction", "0"},
        {"table", "--gradient", "nope", "--direction", "0"},
        {"table", "--fill", "notacolour"},
    };
    for (const QStringList& args : refused) {
        const CliRun result = run(args);
        EXPECT_EQ(result.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_TRUE(result.errText().startsWith(QStringLiteral("vellomar-cli: ")));
    }
    // No direction pressed: nothing changes.
    const CliRun none =
        run({"table", "--rows", "1", "--cols", "1", "--gradient", "0", "--direction", "none"});
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(none.out.toStdString(), "<table>\r\n<tr>\r\n<td>★</td></tr>\r\n</table>\r\n");
}

TEST_F(CliTableRuleTest, RulePrintsWhatTheWriterWrites) {
    CliRun result = run({"rule", "--gradient", "0", "--repeat", "5"});
    ASSERT_EQ(result.status, 0) << result.errText().toStdString();
    RulePageModel page;
    page.gradient = true;
    page.repeat = 5;
    EXPECT_EQ(result.outText(), WriteRuleHtml(page, &DefaultGradientTables()[0], Defaults()));
    EXPECT_EQ(result.outText().count(QStringLiteral("\r\n")), 5);

    for (const QStringList& args : QList<QStringList>{{"rule", "--width", "640"},
                                                      {"rule", "--width", "0", "--pixels"},
                                                      {"rule", "--height", "101"},
                                                      {"rule", "--gradient", "0", "--repeat", "0"},
                                                      {"rule", "--align", "middle"},
                                                      {"rule", "--shade"}}) {
        result = run(args);
        EXPECT_EQ(result.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(result.out.isEmpty());
    }
}
