// The horizontal-rule page through its controls: width units and their
// ranges, height, alignment, solid rule, colour toggle and swatch, and the
// stack of gradient rules, around a host that is not the main window.
#include "FakePageHost.h"
#include "ui/pages/rule/PageRule.h"
#include "ui/widgets/ColorShape.h"
#include "ui/window/WindowColor.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>

namespace {

struct Page {
    FakePageHost host;
    PageRule page{host};

    Page() {
        page.start();
        page.show();
    }
    template <class T> T* get(const char* name) { return Child<T>(page, name); }
    // Near the left edge: check and radio buttons take clicks on their
    // indicator and caption only.
    static void click(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
    void click(const char* name) { click(get<QAbstractButton>(name)); }
    void clickAlign(int id) {
        click(get<QGroupBox>("rdoalign")->findChildren<QRadioButton*>().at(id));
    }
    // A red current colour and a rule 50 pixels wide, 5 high.
    void redPixelRule() {
        host.m_color = RgbToColor(255, 0, 0);
        click("rdopixel");
        type("sewidth", QStringLiteral("50"));
        type("seheight", QStringLiteral("5"));
    }
    // Replaces the box's text by typing, as a user does.
    void type(const char* name, const QString& text) {
        auto* box = get<QSpinBox>(name);
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
    }
};

const QString NL = QStringLiteral("\r\n");

} // namespace

class TestRulePage : public QObject {
    Q_OBJECT

private slots:
    void startsAsAPlainRule() {
        Page p;
        QCOMPARE(p.page.html(), QStringLiteral("<hr>") + NL);
        p.host.m_options.htmlcr = false;
        QCOMPARE(p.page.html(), QStringLiteral("<hr>"));
    }

    // Pixels allow 1..3000 and percent 1..100; going back to percent cuts
    // the width. What cannot become a number of the range is not taken.
    void widthUnitsAndBadInput() {
        Page p;
        auto* width = p.get<QSpinBox>("sewidth");
        p.click("rdopixel");
        QCOMPARE(width->maximum(), 3000);
        QCOMPARE(p.page.html(), QStringLiteral("<hr width=100>") + NL);
        p.type("sewidth", QStringLiteral("5000"));
        QCOMPARE(width->value(), 500);
        p.type("sewidth", QStringLiteral("640"));
        QCOMPARE(p.page.html(), QStringLiteral("<hr width=640>") + NL);

        p.click("rdowindow");
        QCOMPARE(width->maximum(), 100);
        QCOMPARE(width->value(), 100);
        QCOMPARE(p.page.html(), QStringLiteral("<hr>") + NL);
        p.type("sewidth", QStringLiteral("80"));
        QCOMPARE(p.page.html(), QStringLiteral("<hr width=80%>") + NL);
        p.type("sewidth", QStringLiteral("x-"));
        QCOMPARE(p.page.html(), QStringLiteral("<hr width=80%>") + NL);

        // The keyboard chooses the unit as well as the mouse.
        p.get<QRadioButton>("rdopixel")->setFocus();
        p.get<QRadioButton>("rdopixel")->setChecked(true);
        QCOMPARE(width->maximum(), 3000);

        auto* height = p.get<QSpinBox>("seheight");
        p.type("seheight", QStringLiteral("0"));
        QCOMPARE(height->value(), 2);
        p.type("seheight", QStringLiteral("250"));
        QCOMPARE(height->value(), 25);
        p.type("seheight", QStringLiteral("1"));
        QVERIFY(p.page.html().contains(QStringLiteral(" size=1>")));
        p.type("seheight", QStringLiteral("2"));
        QVERIFY(!p.page.html().contains(QStringLiteral("size")));

        auto* repeat = p.get<QSpinBox>("serepeat");
        p.type("serepeat", QStringLiteral("1000"));
        QCOMPARE(repeat->value(), 100);
        p.type("serepeat", QStringLiteral("0"));
        QCOMPARE(repeat->value(), 100);
    }

    void alignmentSolidAndColour() {
        Page p;
        p.redPixelRule();
        p.clickAlign(0);
        p.click("chkfull");
        p.click("sbhrcolor");
        QTest::mouseClick(p.get<ColorShape>("shphrcolor"), Qt::LeftButton);
        QCOMPARE(p.page.html(),
                 QStringLiteral("<hr width=50 size=5 align=left noshade color=#FF0000>") + NL);

        p.clickAlign(2);
        p.click("chkfull");
        p.click("sbhrcolor");
        QCOMPARE(p.page.html(), QStringLiteral("<hr width=50 size=5 align=right>") + NL);
        p.clickAlign(1);
        QCOMPARE(p.page.html(), QStringLiteral("<hr width=50 size=5>") + NL);

        // With its toggle up the swatch takes the window colour as a plain value.
        QTest::mouseClick(p.get<ColorShape>("shphrcolor"), Qt::LeftButton);
        p.click("sbhrcolor");
        QCOMPARE(
            p.page.html(),
            QStringLiteral("<hr width=50 size=5 color=%1>").arg(ColorToHtml(WindowColorRgb())) +
                NL);
    }

    // The CSS style writes the same rule as a style attribute.
    void cssMarkupStyle() {
        Page p;
        p.host.m_options.markupstyle = kMarkupCss;
        p.redPixelRule();
        p.clickAlign(2);
        p.click("sbhrcolor");
        QTest::mouseClick(p.get<ColorShape>("shphrcolor"), Qt::LeftButton);
        QCOMPARE(p.page.html(),
                 QStringLiteral("<hr style=\"width:50px;height:3px;border:1px solid #FF0000;"
                                "background-color:#FF0000;margin-left:auto;margin-right:0\">") +
                     NL);
    }

    // N rules along the gradient, the last in the last stop's colour; the
    // colour toggle has no effect.
    void gradientRules() {
        Page p;
        p.host.selectBlackToWhite();
        p.click("sbhrcolor");
        p.click("chkgrad");
        p.type("serepeat", QStringLiteral("3"));
        QCOMPARE(p.page.html(), QStringLiteral("<hr color=#000000>") + NL +
                                    QStringLiteral("<hr color=#555555>") + NL +
                                    QStringLiteral("<hr color=#FFFFFF>") + NL);
        p.type("serepeat", QStringLiteral("1"));
        QCOMPARE(p.page.html(), QStringLiteral("<hr color=#FFFFFF>") + NL);

        // Without a usable gradient nothing is written and the clipboard stays.
        p.host.m_gradient.reset();
        QGuiApplication::clipboard()->setText(QStringLiteral("earlier"));
        QVERIFY(!p.page.copyHtml());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("earlier"));
        QVERIFY(!p.page.write().message.isEmpty());
    }
};

QTEST_MAIN(TestRulePage)
#include "tst_rulepage.moc"
