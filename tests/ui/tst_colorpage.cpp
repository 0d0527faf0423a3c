// The colour page's notations and set button, and a named-colour click
// reaching the set buttons of the body and colour pages in the window.
#include "FakePageHost.h"
#include "MainWindowRig.h"
#include "ModalAnswers.h"
#include "core/NamedColorTable.h"
#include "html/ColorNotation.h"
#include "html/PageTraits.h"
#include "settings/ProgramOptions.h"
#include "settings/SettingsStore.h"
#include "ui/pages/HtmlPage.h"
#include "ui/pages/color/PageColor.h"
#include "ui/widgets/NamedColorList.h"
#include "ui/window/MainActions.h"
#include "ui/window/ProgramState.h"
#include "ui/window/TfrmMain.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The tables as a first start loads them.
class FakeHost : public FakePageHost {
public:
    FakeHost() { LoadDefaultNamedColors(m_options.colors); }
};

// The notation group's radio buttons in item order (two columns, 0..4 left).
QList<QRadioButton*> Items(QWidget& page) {
    QList<QRadioButton*> items =
        page.findChild<QGroupBox*>(QStringLiteral("rdocolor"))->findChildren<QRadioButton*>();
    std::sort(items.begin(), items.end(), [](QRadioButton* a, QRadioButton* b) {
        return std::pair(a->x(), a->y()) < std::pair(b->x(), b->y());
    });
    return items;
}

QStringList Captions(QWidget& page) {
    QStringList captions;
    for (QRadioButton* item : Items(page))
        captions << item->text();
    return captions;
}

// A click on the item's circle.
void Choose(QWidget& page, int item) {
    QRadioButton* radio = Items(page).at(item);
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
    QVERIFY(radio->isChecked());
}

void ClickRow(TfrmMain& w, const QString& name) {
    const std::optional<int> row = w.options().colors.indexOfName(name);
    QVERIFY(row);
    NamedColorList* list = w.colorList();
    list->scrollToItem(list->item(*row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(*row)).center());
}

} // namespace

class TestColorPage : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void setButtonShowsTheTextsAndKeepsTheSelection() {
        FakeHost host;
        host.m_options.colorconst = true;
        host.m_options.htmlcase = HtmlCase::Capital;
        PageColor page(host);
        page.resize(390, 260);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QCOMPARE(Captions(page), ColorNotationStartCaptions());
        QCOMPARE(Captions(page).at(8), QStringLiteral("<FONT COLOR=カラー定数>"));
        QVERIFY(Items(page).at(0)->isChecked());

        Choose(page, 7);
        host.m_color = RgbToColor(255, 165, 0);
        QTest::mouseClick(page.findChild<QPushButton*>(QStringLiteral("btncolorset")),
                          Qt::LeftButton);
        const QStringList expected = {QStringLiteral("#FFA500"),
                                      QStringLiteral("Color=\"#FFA500\""),
                                      QStringLiteral("Color:\"#FFA500\""),
                                      QStringLiteral("<Font Color=\"#FFA500\">"),
                                      QStringLiteral("<Style Color:\"#FFA500\">"),
                                      QStringLiteral("Orange"),
                                      QStringLiteral("Color=\"Orange\""),
                                      QStringLiteral("Color:\"Orange\""),
                                      QStringLiteral("<Font Color=\"Orange\">"),
                                      QStringLiteral("<Style Color:\"Orange\">")};
        QCOMPARE(Captions(page), expected);
        QVERIFY(Items(page).at(7)->isChecked());
        QCOMPARE(page.html(), QStringLiteral("Color:\"Orange\""));

        // The writer reads the colour when it runs, the captions only on the button.
        host.m_color = RgbToColor(0x12, 0x34, 0x56);
        QCOMPARE(page.html(), QStringLiteral("Color:\"#123456\""));
        QCOMPARE(Captions(page).at(7), QStringLiteral("Color:\"Orange\""));
    }

    void captionsShowAnAmpersandInAName() {
        FakeHost host;
        host.m_options.colorconst = true;
        NamedColor& entry = host.m_options.colors.at(0); // black
        entry.name = QStringLiteral("R&D");
        PageColor page(host);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        host.m_color = entry.value;
        page.namedColorChosen();
        // A stored name that is no colour name is never written: the hex text is.
        QCOMPARE(Captions(page).at(5), QStringLiteral("#000000"));
        Choose(page, 5);
        QCOMPARE(page.html(), QStringLiteral("#000000"));
    }

    // In the window the list's click reaches the page shown, and only that one.
    void namedColourReachesTheBodyAndColourPages() {
        const QString ini = m_dir.filePath(QStringLiteral("named.ini"));
        QFile::remove(ini);
        MainWindowRig rig(ini);
        TfrmMain& w = rig.w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QWidget* body = w.findChild<QWidget*>(QStringLiteral("TabSheet3"));
        QWidget* color = w.page(Pages::Color);
        QClipboard* clipboard = QGuiApplication::clipboard();

        QCOMPARE(w.PageControl1()->currentWidget(), body);
        body->findChild<QComboBox*>(QStringLiteral("cmbbody"))->setCurrentIndex(1);
        ClickRow(w, QStringLiteral("red"));
        QCOMPARE(w.CurrentColor(), RgbToColor(255, 0, 0));
        QCOMPARE(body->findChild<QLabel*>(QStringLiteral("lbltext"))->text(),
                 QStringLiteral("text=#ff0000 テキスト色"));
        w.actions().ac_htmlcopy->trigger();
        QVERIFY(clipboard->text().contains(QStringLiteral(" text=\"#ff0000\" ")));

        w.PageControl1()->setCurrentWidget(color);
        ClickRow(w, QStringLiteral("navy"));
        QCOMPARE(Captions(*color).at(3), QStringLiteral("<font color=\"#000080\">"));
        w.actions().ac_htmlcopy->trigger();
        QCOMPARE(clipboard->text(), QStringLiteral("#000080"));
        // The body page kept its text colour while another page was shown.
        QCOMPARE(body->findChild<QLabel*>(QStringLiteral("lbltext"))->text(),
                 QStringLiteral("text=#ff0000 テキスト色"));
    }

    // A notation of the list, then a template typed in the options dialog
    // with its preview following each keystroke, copied from the page.
    void listEntriesAndTemplatesAreCopied() {
        const QString ini = m_dir.filePath(QStringLiteral("formats.ini"));
        QFile::remove(ini);
        MainWindowRig rig(ini);
        TfrmMain& w = rig.w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.SetCurrentColor(RgbToColor(0xFF, 0x66, 0x33));
        QWidget* color = w.page(Pages::Color);
        w.PageControl1()->setCurrentWidget(color);
        auto* list = Child<QListWidget>(*color, "lstcssformat");
        auto choose = [list](const QString& name) {
            const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
            QCOMPARE(found.size(), 1);
            list->scrollToItem(found[0]);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(found[0]).center());
        };
        QClipboard* clipboard = QGuiApplication::clipboard();
        choose(QStringLiteral("oklch"));
        QVERIFY(std::none_of(Items(*color).begin(), Items(*color).end(),
                             [](QRadioButton* b) { return b->isChecked(); }));
        w.actions().ac_copy->trigger();
        QCOMPARE(clipboard->text(), QStringLiteral("oklch(0.698 0.1973 37.979)"));
        Choose(*color, 2);
        QVERIFY(list->selectedItems().isEmpty());
        w.actions().ac_htmlcopy->trigger();
        QCOMPARE(clipboard->text(), QStringLiteral("color:\"#FF6633\""));

        QStringList previews;
        OnNextModal(nullptr, [&](QWidget* d) {
            Child<QLineEdit>(*d, "edttemplatename")->setText(QStringLiteral("web"));
            auto* format = Child<QLineEdit>(*d, "edttemplateformat");
            format->setFocus();
            for (const char* keys : {"0x{rgb.r:X2", "}{rgb.g:X2}{rgb.b:X2}"}) {
                QTest::keyClicks(format, QString::fromLatin1(keys));
                previews << Child<QLabel>(*d, "lbltemplatepreview")->text();
            }
            Child<QPushButton>(*d, "btntemplateadd")->click();
            QCOMPARE(Child<QListWidget>(*d, "lsttemplate")->count(), 1);
            Child<QPushButton>(*d, "Button1")->click();
        });
        w.actions().ac_option->trigger();
        QCOMPARE(previews, (QStringList{QStringLiteral("{rgb.r:X2 : 「}」で閉じていません"),
                                        QStringLiteral("0xFF6633")}));
        choose(QStringLiteral("web"));
        w.SetCurrentColor(RgbToColor(0x12, 0x34, 0x56));
        w.actions().ac_htmlcopy->trigger();
        QCOMPARE(clipboard->text(), QStringLiteral("0x123456"));
    }
};

QTEST_MAIN(TestColorPage)
#include "tst_colorpage.moc"
