// The body page: roles from the current colour, presets through their
// buttons and boxes, the contrast display, and presets kept across a restart.
#include "FakePageHost.h"
#include "MainWindowRig.h"
#include "ModalAnswers.h"
#include "core/NamedColorTable.h"
#include "html/BodyPresetEdit.h"
#include "settings/ProgramOptions.h"
#include "settings/SettingsStore.h"
#include "ui/pages/body/PageBody.h"
#include "ui/window/ProgramState.h"
#include "ui/window/TfrmMain.h"

#include <QApplication>
#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <deque>
#include <functional>

namespace {

// The tables as a first start loads them.
class FakeHost : public FakePageHost {
public:
    FakeHost() {
        LoadDefaultNamedColors(m_options.colors);
        LoadDefaultBodyPresets(m_options.bodyPresets);
    }
};

// Answers the boxes the page opens, in order; `seen` records what each said.
class Boxes : public ModalAnswers {
public:
    using Answer = std::function<void(QWidget*)>;

    void expect(Answer answer) { then<QWidget>(std::move(answer)); }
    // The name box: type `name` and press OK, or cancel it.
    void name(const QString& name) {
        expect([name](QWidget* box) {
            auto* input = qobject_cast<QInputDialog*>(box);
            QVERIFY(input);
            input->setTextValue(name);
            input->accept();
        });
    }
    void cancelName() {
        expect([](QWidget* box) { qobject_cast<QDialog*>(box)->reject(); });
    }
    // Its OK button; a box without one is closed.
    void ok() {
        expect([](QWidget* box) {
            if (auto* message = qobject_cast<QMessageBox*>(box))
                for (QAbstractButton* button : message->buttons())
                    if (button->text() == QStringLiteral("OK"))
                        return button->click();
            qobject_cast<QDialog*>(box)->reject();
        });
    }
};

QString Label(QWidget& page, const char* name) {
    return Child<QLabel>(page, name)->text();
}

// The user picks a preset from the list.
void ChoosePreset(QComboBox* box, int index) {
    box->setCurrentIndex(index);
    emit box->activated(index);
}

const char* const kLabels[kBodyRoleCount] = {"lblbackcolor", "lbltext", "lbllink", "lblvlink",
                                             "lblalink"};

} // namespace

class TestBodyPage : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void startAppliesPresetZero() {
        FakeHost host;
        PageBody page(host);
        page.start();
        auto* presets = Child<QComboBox>(page, "cmbbodysel");
        QCOMPARE(presets->count(), 12);
        QCOMPARE(presets->currentText(), QStringLiteral("netscape 標準"));
        QCOMPARE(Child<QComboBox>(page, "cmbbody")->currentIndex(), 0);
        QCOMPARE(Label(page, "lblbackcolor"), QStringLiteral("bgcolor=#ffffff 背景色"));
        QCOMPARE(Label(page, "lbltext"), QStringLiteral("text=#000000 テキスト色"));
        QCOMPARE(Label(page, "lbllink"), QStringLiteral("link=#0000ff リンク色"));
        QCOMPARE(Label(page, "lblvlink"), QStringLiteral("vlink=#ff0000 キャッシュ済みリンク色"));
        QCOMPARE(Label(page, "lblalink"), QStringLiteral("alink=#000088 読み込み中リンク色"));
        QCOMPARE(page.html(), QStringLiteral("<body bgcolor=\"#ffffff\" text=\"#000000\" "
                                             "link=\"#0000ff\" vlink=\"#ff0000\" "
                                             "alink=\"#000088\" >\r\n"));
        // The preview shows the colours it writes.
        QCOMPARE(Child<QWidget>(page, "pnlbody")->palette().color(QPalette::Window),
                 QColor(Qt::white));
        QCOMPARE(Child<QLabel>(page, "lbllink")->palette().color(QPalette::WindowText),
                 QColor(Qt::blue));
        QVERIFY(Child<QLabel>(page, "lbllink")->font().underline());
        QVERIFY(!Child<QLabel>(page, "lbltext")->font().underline());

        // With no role chosen the set button changes nothing.
        const QString before = page.html();
        Child<QComboBox>(page, "cmbbody")->setCurrentIndex(-1);
        host.m_color = RgbToColor(1, 2, 3);
        QTest::mouseClick(Child<QPushButton>(page, "btnbodyget"), Qt::LeftButton);
        QCOMPARE(page.html(), before);
    }

    void eachRoleTakesTheCurrentColour_data() {
        QTest::addColumn<int>("role");
        for (int role = 0; role < kBodyRoleCount; ++role)
            QTest::newRow(kLabels[role]) << role;
    }

    void eachRoleTakesTheCurrentColour() {
        QFETCH(int, role);
        FakeHost host;
        host.m_options.htmlcase = HtmlCase::Upper;
        PageBody page(host);
        page.start();
        auto* roles = Child<QComboBox>(page, "cmbbody");
        auto* label = Child<QLabel>(page, kLabels[role]);
        QWidget* set = Child<QPushButton>(page, "btnbodyget");
        const QString attribute = BodyRoleAttribute(BodyRole(role));

        // Chosen in the role box.
        roles->setCurrentIndex(role);
        host.m_color = RgbToColor(0x12, 0x34, 0x56);
        QTest::mouseClick(set, Qt::LeftButton);
        QVERIFY(page.html().contains(attribute + QStringLiteral("=\"#123456\"")));
        QVERIFY(label->text().startsWith(attribute + QStringLiteral("=#123456 ")));

        // Chosen by clicking the role's label after another role was chosen.
        roles->setCurrentIndex((role + 1) % kBodyRoleCount);
        QTest::mouseClick(label, Qt::LeftButton);
        QCOMPARE(roles->currentIndex(), role);
        host.m_color = RgbToColor(0xAB, 0xCD, 0xEF);
        QTest::mouseClick(set, Qt::LeftButton);
        QVERIFY(page.html().contains(attribute + QStringLiteral("=\"#ABCDEF\"")));
        QVERIFY(label->text().startsWith(attribute + QStringLiteral("=#ABCDEF ")));
        // Only that role changed: the other four still carry preset 0's colours.
        QCOMPARE(page.html().count(QStringLiteral("#ABCDEF")), 1);
        if (role != 0)
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0xAB, 0xCD, 0xEF));
    }

    void toggleWritesNamesInTheLabelsAndTheTag() {
        FakeHost host;
        host.m_options.htmlcase = HtmlCase::Capital;
        PageBody page(host);
        page.start();
        auto* toggle = Child<QToolButton>(page, "sbbodyconst");
        Child<QComboBox>(page, "cmbbody")->setCurrentIndex(1);
        host.m_color = RgbToColor(255, 0, 0);
        page.namedColorChosen(); // the list's click runs the set button
        QCOMPARE(Label(page, "lbltext"), QStringLiteral("Text=#ff0000 テキスト色"));
        QTest::mouseClick(toggle, Qt::LeftButton);
        QCOMPARE(Label(page, "lbltext"), QStringLiteral("Text=Red テキスト色"));
        QVERIFY(page.html().contains(QStringLiteral("Text=\"Red\"")));
        // ALINK of preset 0 has no name.
        QVERIFY(page.html().contains(QStringLiteral("Alink=\"#000088\"")));
        QTest::mouseClick(toggle, Qt::LeftButton);
        QCOMPARE(Label(page, "lbltext"), QStringLiteral("Text=#ff0000 テキスト色"));
    }

    void contrastAgainstTheBackgroundIsShown() {
        FakeHost host;
        PageBody page(host);
        page.start();
        auto* summary = Child<QLabel>(page, "lblbodycontrast");
        QVERIFY(summary->text().startsWith(QStringLiteral("TEXT 21.00:1 AAA")));
        QVERIFY(Child<QLabel>(page, "lbltext")->toolTip().endsWith(QStringLiteral("21.00:1 AAA")));
        // #777777 on white is just under 4.5.
        Child<QComboBox>(page, "cmbbody")->setCurrentIndex(2);
        host.m_color = RgbToColor(0x77, 0x77, 0x77);
        QTest::mouseClick(Child<QPushButton>(page, "btnbodyget"), Qt::LeftButton);
        QVERIFY(summary->text().contains(QStringLiteral("LINK 4.48:1 AA(大きな文字)")));
        QVERIFY(Child<QLabel>(page, "lbllink")
                    ->toolTip()
                    .endsWith(QStringLiteral("4.48:1 AA(大きな文字)")));
        // A new background changes every ratio; the background's label has none.
        Child<QComboBox>(page, "cmbbody")->setCurrentIndex(0);
        host.m_color = 0;
        QTest::mouseClick(Child<QPushButton>(page, "btnbodyget"), Qt::LeftButton);
        QVERIFY(summary->text().startsWith(QStringLiteral("TEXT 1.00:1 基準未満")));
        QVERIFY(Child<QLabel>(page, "lblbackcolor")->toolTip().isEmpty());
        // The summary fits the page beside the page's own controls.
        QVERIFY(!summary->geometry().intersects(Child<QWidget>(page, "cmbbodysel")->geometry()));
    }

    void presetsAddUpdateDelete() {
        FakeHost host;
        PageBody page(host);
        page.start();
        Boxes boxes;
        auto* presets = Child<QComboBox>(page, "cmbbodysel");
        QWidget* add = Child<QPushButton>(page, "btnbodyadd");
        QWidget* update = Child<QPushButton>(page, "btnbodyedt");
        QWidget* remove = Child<QPushButton>(page, "btnbodydel");
        QWidget* set = Child<QPushButton>(page, "btnbodyget");
        const QString selectMessage = QStringLiteral("確認: 更新する項目を選択してください");

        // The working colours under a new name; the selection stays on preset 0.
        host.m_color = RgbToColor(0x10, 0x20, 0x30);
        QTest::mouseClick(set, Qt::LeftButton);
        boxes.name(QStringLiteral("mine"));
        QTest::mouseClick(add, Qt::LeftButton);
        QCOMPARE(boxes.seen, QStringList{QStringLiteral("Vellomar: 登録名を入れてください")});
        QCOMPARE(presets->count(), 13);
        QCOMPARE(presets->itemText(12), QStringLiteral("mine"));
        QCOMPARE(presets->currentIndex(), 0);
        const BodyPreset& added = host.m_options.bodyPresets.at(12);
        QCOMPARE(added.bgcolor, RgbToColor(0x10, 0x20, 0x30));
        QCOMPARE(added.vlink, RgbToColor(255, 0, 0));
        QCOMPARE(added.alink, RgbToColor(0, 0, 0x88));

        // Names are compared over the whole list, duplicates of built-ins too.
        boxes.seen.clear();
        boxes.name(QStringLiteral("緑色に白色"));
        boxes.ok();
        QTest::mouseClick(add, Qt::LeftButton);
        QCOMPARE(boxes.seen,
                 QStringList({QStringLiteral("Vellomar: 登録名を入れてください"),
                              QStringLiteral("確認: この名前はすでに登録されています")}));
        QCOMPARE(presets->count(), 13);

        // Cancel adds nothing, not even an empty name.
        boxes.cancelName();
        QTest::mouseClick(add, Qt::LeftButton);
        QCOMPARE(presets->count(), 13);
        QCOMPARE(host.m_options.bodyPresets.count(), 13);

        // Choosing applies; updating keeps the name and takes the working colours.
        ChoosePreset(presets, 8);
        QCOMPARE(Label(page, "lblbackcolor"), QStringLiteral("bgcolor=#000000 背景色"));
        Child<QComboBox>(page, "cmbbody")->setCurrentIndex(1);
        host.m_color = RgbToColor(0xEE, 0xEE, 0x00);
        QTest::mouseClick(set, Qt::LeftButton);
        boxes.seen.clear();
        QTest::mouseClick(update, Qt::LeftButton);
        QVERIFY(boxes.seen.isEmpty());
        QCOMPARE(host.m_options.bodyPresets.at(8).text, RgbToColor(0xEE, 0xEE, 0x00));
        QCOMPARE(host.m_options.bodyPresets.at(8).name, QStringLiteral("黒字に白色"));
        QCOMPARE(presets->itemText(8), QStringLiteral("黒字に白色"));

        // Deleting moves the rest up and leaves no selection; the colours stay.
        const QString tag = page.html();
        QTest::mouseClick(remove, Qt::LeftButton);
        QCOMPARE(presets->currentIndex(), -1);
        QCOMPARE(presets->count(), 12);
        QCOMPARE(host.m_options.bodyPresets.count(), 12);
        QCOMPARE(presets->itemText(8), QStringLiteral("緑色に白色"));
        QCOMPARE(host.m_options.bodyPresets.at(11).name, QStringLiteral("mine"));
        QCOMPARE(page.html(), tag);

        // Without a selection update and delete are refused and change nothing.
        const BodyPresetList before = host.m_options.bodyPresets;
        boxes.seen.clear();
        boxes.ok();
        QTest::mouseClick(update, Qt::LeftButton);
        boxes.ok();
        QTest::mouseClick(remove, Qt::LeftButton);
        QCOMPARE(boxes.seen, QStringList({selectMessage, selectMessage}));
        QVERIFY(host.m_options.bodyPresets == before);
        QCOMPARE(presets->count(), 12);
    }

    void optionsFollowTheLetterCaseAndAResetList() {
        FakeHost host;
        PageBody page(host);
        page.start();
        Boxes boxes;
        boxes.expect([](QWidget* box) {
            // The box takes no more than the store keeps.
            QCOMPARE(box->findChild<QLineEdit*>()->maxLength(), kBodyPresetNameMaxLength);
            qobject_cast<QInputDialog*>(box)->setTextValue(QStringLiteral("x"));
            qobject_cast<QInputDialog*>(box)->accept();
        });
        QTest::mouseClick(Child<QPushButton>(page, "btnbodyadd"), Qt::LeftButton);
        QCOMPARE(Child<QComboBox>(page, "cmbbodysel")->count(), 13);

        host.m_options.htmlcase = HtmlCase::Upper;
        LoadDefaultBodyPresets(host.m_options.bodyPresets);
        page.optionsApplied();
        QCOMPARE(Label(page, "lblbackcolor"), QStringLiteral("BGCOLOR=#FFFFFF 背景色"));
        auto* presets = Child<QComboBox>(page, "cmbbodysel");
        QCOMPARE(presets->count(), 12);
        QCOMPARE(presets->itemText(11), QStringLiteral("バイオレットに白色"));
        QCOMPARE(presets->currentIndex(), -1);
    }

    void addingToAnEmptyListSelectsNothing() {
        FakeHost host;
        host.m_options.bodyPresets.setCount(0);
        PageBody page(host);
        page.start();
        auto* presets = Child<QComboBox>(page, "cmbbodysel");
        QCOMPARE(presets->currentIndex(), -1);
        Boxes boxes;
        boxes.name(QString());
        QTest::mouseClick(Child<QPushButton>(page, "btnbodyadd"), Qt::LeftButton);
        QCOMPARE(presets->count(), 1);
        QCOMPARE(presets->currentIndex(), -1);
    }

    void theFiftySecondPresetIsRefused() {
        FakeHost host;
        BodyPresetList& list = host.m_options.bodyPresets;
        for (int i = list.count(); i < BodyPresetList::Capacity - 1; ++i)
            QVERIFY(list.append({QStringLiteral("p%1").arg(i), 1, 2, 3, 4, 5}));
        PageBody page(host);
        page.start();
        auto* presets = Child<QComboBox>(page, "cmbbodysel");
        QWidget* add = Child<QPushButton>(page, "btnbodyadd");
        Boxes boxes;
        boxes.name(QStringLiteral("last"));
        QTest::mouseClick(add, Qt::LeftButton);
        QCOMPARE(list.count(), 51);
        QCOMPARE(presets->count(), 51);

        // Refused before a name is asked for; nothing is lost.
        const BodyPresetList full = list;
        boxes.seen.clear();
        boxes.ok();
        QTest::mouseClick(add, Qt::LeftButton);
        QCOMPARE(boxes.seen, QStringList{QStringLiteral("確認: ") +
                                         QStringLiteral("これ以上登録できません。"
                                                        "登録できるのは51件までです")});
        QVERIFY(list == full);
        QCOMPARE(presets->count(), 51);
        QCOMPARE(presets->itemText(50), QStringLiteral("last"));
        // Deleting one makes room again.
        ChoosePreset(presets, 3);
        QTest::mouseClick(Child<QPushButton>(page, "btnbodydel"), Qt::LeftButton);
        boxes.name(QStringLiteral("again"));
        QTest::mouseClick(add, Qt::LeftButton);
        QCOMPARE(presets->count(), 51);
        QCOMPARE(presets->itemText(50), QStringLiteral("again"));
    }

    void presetsSurviveARestart() {
        const QString ini = m_dir.filePath(QStringLiteral("presets.ini"));
        QFile::remove(ini);
        {
            MainWindowRig rig(ini);
            TfrmMain& w = rig.w;
            QWidget& page = *Child<QWidget>(w, "TabSheet3");
            Boxes boxes;
            w.SetCurrentColor(RgbToColor(0x33, 0x66, 0x99));
            QTest::mouseClick(Child<QPushButton>(page, "btnbodyget"), Qt::LeftButton);
            // A name the store's records must escape.
            boxes.name(QStringLiteral("a, \"quoted\" name"));
            QTest::mouseClick(Child<QPushButton>(page, "btnbodyadd"), Qt::LeftButton);
            ChoosePreset(Child<QComboBox>(page, "cmbbodysel"), 0);
            QTest::mouseClick(Child<QPushButton>(page, "btnbodydel"), Qt::LeftButton);
            QVERIFY(boxes.seen.size() == 1);
            w.close();
        }
        MainWindowRig rig(ini);
        TfrmMain& w = rig.w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QWidget& page = *Child<QWidget>(w, "TabSheet3");
        // The contrast line lies inside the page as the window lays it out.
        QVERIFY(page.rect().contains(Child<QLabel>(page, "lblbodycontrast")->geometry()));
        auto* presets = Child<QComboBox>(page, "cmbbodysel");
        QCOMPARE(presets->count(), 12);
        QCOMPARE(presets->itemText(0), QStringLiteral("白地に黒色"));
        QCOMPARE(presets->itemText(11), QStringLiteral("a, \"quoted\" name"));
        // The next start applies what is now preset 0.
        QCOMPARE(presets->currentIndex(), 0);
        QVERIFY(Label(page, "lbllink").startsWith(QStringLiteral("link=#ff0000 ")));
        ChoosePreset(presets, 11);
        QVERIFY(Label(page, "lblbackcolor").startsWith(QStringLiteral("bgcolor=#336699 ")));
    }
};

QTEST_MAIN(TestBodyPage)
#include "tst_bodypage.moc"
