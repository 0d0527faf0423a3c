// The generator pages through their interface, around a host that is not
// the main window.
#include "settings/ProgramOptions.h"
#include "ui/pages/PageHost.h"
#include "ui/pages/body/PageBody.h"
#include "ui/pages/color/PageColor.h"
#include "ui/pages/rule/PageRule.h"
#include "ui/pages/table/PageTable.h"
#include "ui/pages/text/PageText.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextEdit>
#include <QtTest>

namespace {

class FakeHost : public PageHost {
public:
    TColor CurrentColor() const override { return m_color; }
    const GradientTable* selectedGradient() const override { return nullptr; }
    ProgramOptions& options() override { return m_options; }
    bool Updating() const override { return m_updating; }
    Tfrmwaitdlg* progressDialog() override { return nullptr; }
    QStatusBar* statusLine() override { return nullptr; }
    QWidget* dialogParent() override { return nullptr; }

    ProgramOptions m_options;
    TColor m_color = 0xFFFFFF;
    bool m_updating = false;
};

// A page whose fragment the test sets.
class FixedPage : public HtmlPage {
public:
    using HtmlPage::HtmlPage;
    QString fragment;
    PageMarkup write(const TextProgress& = {}) const override { return {fragment, {}}; }
    bool supports(PageAction) const override { return true; }
    std::optional<TColor> wrapperBackground() const override { return std::nullopt; }
};

} // namespace

class TestPages : public QObject {
    Q_OBJECT

private slots:
    void wrapperBackgroundByPage() {
        FakeHost host;
        host.m_options.viewback = RgbToColor(1, 2, 3);
        PageText text(host);
        text.start();
        PageTable table(host);
        PageBody body(host);
        PageRule rule(host);
        PageColor color(host);
        QCOMPARE(text.wrapperBackground(), std::optional<TColor>(RgbToColor(1, 2, 3)));
        // The editor keeps the background it was given, the others follow the option.
        host.m_options.viewback = RgbToColor(9, 9, 9);
        QCOMPARE(text.wrapperBackground(), std::optional<TColor>(RgbToColor(1, 2, 3)));
        QCOMPARE(table.wrapperBackground(), std::optional<TColor>(RgbToColor(9, 9, 9)));
        QCOMPARE(rule.wrapperBackground(), std::optional<TColor>(RgbToColor(9, 9, 9)));
        QVERIFY(!body.wrapperBackground());
        QVERIFY(!color.wrapperBackground());
        text.optionsApplied();
        QCOMPARE(text.wrapperBackground(), std::optional<TColor>(RgbToColor(9, 9, 9)));
    }

    void startFillsTheBoxesFromTheOptions() {
        FakeHost host;
        host.m_options.fonttable = {QStringLiteral("A"), QStringLiteral("B")};
        PageText text(host);
        text.start();
        auto* fonts = text.findChild<QComboBox*>(QStringLiteral("cmbfontname"));
        QCOMPARE(fonts->count(), 2);
        QCOMPARE(fonts->currentText(), QStringLiteral("A"));
        host.m_options.fonttable = {QStringLiteral("C")};
        text.optionsApplied();
        QCOMPARE(fonts->count(), 1);
        QCOMPARE(fonts->currentText(), QStringLiteral("C"));
    }

    void emptyFragmentKeepsTheClipboard() {
        FakeHost host;
        FixedPage page(host);
        QGuiApplication::clipboard()->setText(QStringLiteral("earlier"));
        QVERIFY(!page.copyHtml());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("earlier"));
        page.fragment = QStringLiteral("<hr>");
        QVERIFY(page.copyHtml());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("<hr>"));
    }

    void textPageCopiesTheSelectionOnly() {
        FakeHost host;
        PageText text(host);
        auto* editor = text.findChild<QTextEdit*>(QStringLiteral("RichEdit1"));
        editor->setPlainText(QStringLiteral("abc"));
        text.selectAll();
        text.copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("abc"));
        text.cut();
        QCOMPARE(editor->toPlainText(), QString());
        text.paste();
        QCOMPARE(editor->toPlainText(), QStringLiteral("abc"));
    }
};

QTEST_MAIN(TestPages)
#include "tst_pages.moc"
