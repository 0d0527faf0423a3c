// The options dialog: opening from the options, editing the font table,
// OK and Cancel, the body list reset, the browser, folder, font and colour
// dialogs, and every option through the main window, a shut-down and a
// restart.
#include "MainWindowRig.h"
#include "ModalAnswers.h"
#include "core/QtColor.h"
#include "gradient/DrawGradient.h"
#include "gradient/GradientTableList.h"
#include "html/PageTraits.h"
#include "settings/FontTableEntry.h"
#include "settings/ProgramOptions.h"
#include "settings/SettingsStore.h"
#include "ui/dialogs/TfrmOpt.h"
#include "ui/pages/HtmlPage.h"
#include "ui/widgets/ColorShape.h"
#include "ui/widgets/GradientBar.h"
#include "ui/window/MainActions.h"
#include "ui/window/ProgramState.h"
#include "ui/window/TfrmMain.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

#include <functional>

namespace {

// Answers the next message box with the button of that text; records what it said.
void Answer(QWidget* below, const QString& button, QString* said = nullptr) {
    OnNextModal(below, [button, said](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        QCOMPARE(box->windowTitle(), QStringLiteral("確認"));
        if (said)
            *said = box->text();
        for (QAbstractButton* b : box->buttons())
            if (b->text() == button) {
                b->click();
                return;
            }
        QFAIL(qPrintable(QStringLiteral("no button ") + button));
    });
}

template <typename T> T* Child(QWidget* parent, const char* name) {
    T* child = parent->findChild<T*>(QString::fromLatin1(name));
    if (!child)
        qWarning("no control %s", name);
    return child;
}

QStringList Items(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

const QString kVerdana = QStringLiteral("Verdana,Arial");

} // namespace

class TestOptions : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString iniPath() const { return m_dir.filePath(QStringLiteral("settings.ini")); }

    static ProgramOptions Defaults() {
        ProgramOptions options;
        LoadDefaultFontTable(options.fonttable);
        LoadDefaultBodyPresets(options.bodyPresets);
        return options;
    }

    // The defaults with the table character and the switches changed.
    static ProgramOptions Changed() {
        ProgramOptions options = Defaults();
        options.tblchar = QStringLiteral("◆");
        options.colorconst = true;
        options.htmlsave = false;
        options.htmlcr = false;
        options.markupstyle = MarkupStyle::Css;
        return options;
    }

    // Opens the dialog; `steps` acts on it and closes it. True on OK.
    static bool Run(TfrmOpt& dialog, std::function<void(TfrmOpt&)> steps) {
        OnNextModal(nullptr, [&dialog, steps](QWidget* modal) {
            QCOMPARE(modal, &dialog);
            steps(dialog);
            if (dialog.isVisible())
                dialog.reject(); // a failed step leaves nothing open
        });
        return dialog.execute();
    }

    static void ClickOk(QWidget* d) { Child<QPushButton>(d, "Button1")->click(); }
    static void ClickCancel(QWidget* d) { Child<QPushButton>(d, "Button2")->click(); }
    static QComboBox* Fonts(QWidget* d) { return Child<QComboBox>(d, "cmbfontname"); }
    static QLineEdit* FontEdit(QWidget* d) { return Child<QLineEdit>(d, "edtfontname"); }
    static void Press(QWidget* d, const char* name) { Child<QPushButton>(d, name)->click(); }

private slots:
    void init() { QFile::remove(iniPath()); }

    void openingFillsEveryControlAndCancelKeepsTheOptions() {
        ProgramOptions options = Changed();
        options.htmlcase = HtmlCase::Capital;
        options.viewback = RgbToColor(1, 2, 3);
        options.wwwname = QStringLiteral("/usr/bin/a");
        options.plugin = QStringLiteral("/p/");
        const ProgramOptions before = options;
        TfrmOpt dialog(options, nullptr);
        const bool ok = Run(dialog, [&](TfrmOpt& d) {
            QCOMPARE(Items(Fonts(&d)), DefaultFontTable());
            QCOMPARE(Fonts(&d)->currentIndex(), -1);
            QCOMPARE(Child<QLineEdit>(&d, "txttblchar")->text(), QStringLiteral("◆"));
            QCOMPARE(Child<QComboBox>(&d, "cmbhtmlcase")->currentText(), QStringLiteral("Html"));
            QCOMPARE(Child<ColorShape>(&d, "shpviewback")->color(), RgbToColor(1, 2, 3));
            QVERIFY(Child<QCheckBox>(&d, "chkcolorconst")->isChecked());
            QVERIFY(!Child<QCheckBox>(&d, "chkhtmlsave")->isChecked());
            QVERIFY(!Child<QCheckBox>(&d, "chkhtmlcr")->isChecked());
            QCOMPARE(Child<QComboBox>(&d, "cmbmarkupstyle")->currentText(),
                     QStringLiteral("CSS (HTML5)"));
            QCOMPARE(Child<QLineEdit>(&d, "edtplugin")->text(), QStringLiteral("/p/"));
            // Browsers off: both paths and both browse buttons disabled, the
            // stored path shown all the same.
            auto* chkwww = Child<QCheckBox>(&d, "chkwww");
            auto* edtwww = Child<QLineEdit>(&d, "edtwww");
            auto* edtwww2 = Child<QLineEdit>(&d, "edtwww2");
            const QList<QWidget*> browsers = {edtwww, Child<QPushButton>(&d, "btnwww"), edtwww2,
                                              Child<QPushButton>(&d, "btnwww2")};
            QVERIFY(!chkwww->isChecked());
            for (QWidget* w : browsers)
                QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
            QCOMPARE(edtwww->text(), QStringLiteral("/usr/bin/a"));
            chkwww->click();
            for (QWidget* w : browsers)
                QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
            edtwww2->setText(QStringLiteral("/usr/bin/b"));
            // Switched off again: disabled and both paths emptied.
            chkwww->click();
            for (QWidget* w : browsers)
                QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
            QVERIFY(edtwww->text().isEmpty() && edtwww2->text().isEmpty());
            Child<QLineEdit>(&d, "txttblchar")->setText(QStringLiteral("x"));
            Press(&d, "btnfontdel"); // nothing selected: nothing deleted
            QCOMPARE(Fonts(&d)->count(), 7);
            Fonts(&d)->setCurrentIndex(0);
            Press(&d, "btnfontdel");
            QCOMPARE(Fonts(&d)->count(), 6);
            ClickCancel(&d);
        });
        QVERIFY(!ok);
        QVERIFY(options == before);
        // The next opening shows the options again, not the cancelled edits.
        Run(dialog, [&](TfrmOpt& d) {
            QCOMPARE(Items(Fonts(&d)), DefaultFontTable());
            QCOMPARE(Child<QLineEdit>(&d, "txttblchar")->text(), QStringLiteral("◆"));
            QCOMPARE(Child<QLineEdit>(&d, "edtwww")->text(), QStringLiteral("/usr/bin/a"));
            ClickCancel(&d);
        });
    }

    void fontTableEditing() {
        ProgramOptions options;
        options.fonttable = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
        TfrmOpt dialog(options, nullptr);
        QVERIFY(Run(dialog, [&](TfrmOpt& d) {
            QComboBox* fonts = Fonts(&d);
            QLineEdit* edit = FontEdit(&d);
            Press(&d, "btnfontadd"); // empty edit: nothing added
            QCOMPARE(fonts->count(), 3);
            edit->setText(kVerdana);
            Press(&d, "btnfontadd");
            QCOMPARE(Items(fonts).last(), kVerdana);
            QCOMPARE(fonts->currentIndex(), 3);
            QVERIFY(edit->text().isEmpty());
            // Choosing an entry puts it into the edit; update replaces it.
            fonts->setCurrentIndex(1);
            QCOMPARE(edit->text(), QStringLiteral("B"));
            edit->setText(QStringLiteral("B2,Serif"));
            Press(&d, "btnfontupdate");
            QCOMPARE(fonts->itemText(1), QStringLiteral("B2,Serif"));
            QVERIFY(edit->text().isEmpty());
            fonts->setCurrentIndex(0);
            Press(&d, "btnfontdel");
            QVERIFY(edit->text().isEmpty());
            QCOMPARE(fonts->currentIndex(), -1);
            Press(&d, "btnfontupdate"); // nothing selected: nothing replaced
            QCOMPARE(Items(fonts),
                     QStringList({QStringLiteral("B2,Serif"), QStringLiteral("C"), kVerdana}));
            // What would not come back from the store is refused, with a message.
            for (const QString& bad : {QStringLiteral("Say \"Hi\""), QStringLiteral("A\nB")}) {
                QString said;
                edit->setText(bad);
                Answer(&d, QStringLiteral("OK"), &said);
                Press(&d, "btnfontadd");
                QCOMPARE(said, FontTableEntryRefusal());
                QCOMPARE(fonts->count(), 3);
                fonts->setCurrentIndex(0);
                edit->setText(bad);
                Answer(&d, QStringLiteral("OK"));
                Press(&d, "btnfontupdate");
                QCOMPARE(fonts->itemText(0), QStringLiteral("B2,Serif"));
            }
            ClickOk(&d);
        }));
        QCOMPARE(options.fonttable,
                 QStringList({QStringLiteral("B2,Serif"), QStringLiteral("C"), kVerdana}));
    }

    void fontDialogAppendsNamesWithCommas() {
        ProgramOptions options = Defaults();
        TfrmOpt dialog(options, nullptr);
        const QStringList families = QFontDatabase::families();
        QVERIFY(families.size() >= 2);
        Run(dialog, [&](TfrmOpt& d) {
            for (const QString& family : {families[0], families[1]}) {
                OnNextModal(&d, [family](QWidget* modal) {
                    auto* fonts = qobject_cast<QFontDialog*>(modal);
                    QVERIFY(fonts);
                    QCOMPARE(fonts->objectName(), QStringLiteral("FontDialog1"));
                    fonts->setCurrentFont(QFont(family));
                    fonts->accept();
                });
                Press(&d, "cmbfontview");
            }
            QCOMPARE(FontEdit(&d)->text(), families[0] + QLatin1Char(',') + families[1]);
            // Cancelled: the edit stays.
            OnNextModal(&d, [](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
            Press(&d, "cmbfontview");
            QCOMPARE(FontEdit(&d)->text(), families[0] + QLatin1Char(',') + families[1]);
            ClickCancel(&d);
        });
    }

    void initialiseFontTableTakesEffectOnOkOnly() {
        ProgramOptions options;
        options.fonttable = {QStringLiteral("Mine")};
        TfrmOpt dialog(options, nullptr);
        // Answered "no": the list stays.
        Run(dialog, [&](TfrmOpt& d) {
            QString said;
            Answer(&d, QStringLiteral("いいえ(&N)"), &said);
            Press(&d, "btnfontinit");
            QCOMPARE(said, QStringLiteral("初期化してよろしいですか"));
            QCOMPARE(Items(Fonts(&d)), QStringList({QStringLiteral("Mine")}));
            // Confirmed, then the dialog cancelled: the options keep theirs.
            Answer(&d, QStringLiteral("OK"));
            Press(&d, "btnfontinit");
            QCOMPARE(Items(Fonts(&d)), DefaultFontTable());
            ClickCancel(&d);
        });
        QCOMPARE(options.fonttable, QStringList({QStringLiteral("Mine")}));
        QVERIFY(Run(dialog, [&](TfrmOpt& d) {
            QCOMPARE(Items(Fonts(&d)), QStringList({QStringLiteral("Mine")}));
            Answer(&d, QStringLiteral("OK"));
            Press(&d, "btnfontinit");
            ClickOk(&d);
        }));
        QCOMPARE(options.fonttable, DefaultFontTable());
    }

    void browserAndFolderDialogs() {
        QTemporaryDir dir;
        const QString program = dir.filePath(QStringLiteral("browser"));
        QFile file(program);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("plugins")));
        const QString plugins = dir.filePath(QStringLiteral("plugins"));

        ProgramOptions options = Defaults();
        options.wwwuse = true;
        TfrmOpt dialog(options, nullptr);
        QVERIFY(Run(dialog, [&](TfrmOpt& d) {
            // An empty path starts where the programs are.
            OnNextModal(&d, [&](QWidget* modal) {
                auto* files = qobject_cast<QFileDialog*>(modal);
                QVERIFY(files);
                QCOMPARE(files->objectName(), QStringLiteral("OpenDialog1"));
                QCOMPARE(files->windowTitle(), QStringLiteral("WWWブラウザを指定"));
#ifndef Q_OS_WIN
                QCOMPARE(files->nameFilters(), QStringList({QStringLiteral("all(*)")}));
                QCOMPARE(files->directory().absolutePath(), QStringLiteral("/usr/bin"));
#endif
                files->selectFile(program);
                static_cast<QDialog*>(files)->accept();
            });
            Press(&d, "btnwww");
            QCOMPARE(Child<QLineEdit>(&d, "edtwww")->text(), QDir::toNativeSeparators(program));
            // A path in the edit is the dialog's starting file; cancelled, the edit stays.
            Child<QLineEdit>(&d, "edtwww2")->setText(program);
            OnNextModal(&d, [&](QWidget* modal) {
                auto* files = qobject_cast<QFileDialog*>(modal);
                QVERIFY(files);
                QCOMPARE(files->directory().absolutePath(), QDir(dir.path()).absolutePath());
                files->reject();
            });
            Press(&d, "btnwww2");
            QCOMPARE(Child<QLineEdit>(&d, "edtwww2")->text(), program);

            Child<QLineEdit>(&d, "edtplugin")->setText(dir.path());
            OnNextModal(&d, [&](QWidget* modal) {
                auto* folders = qobject_cast<QFileDialog*>(modal);
                QVERIFY(folders);
                QCOMPARE(folders->objectName(), QStringLiteral("BrowseDialog1"));
                QCOMPARE(folders->fileMode(), QFileDialog::Directory);
                QCOMPARE(folders->directory().absolutePath(), QDir(dir.path()).absolutePath());
                folders->selectFile(plugins);
                static_cast<QDialog*>(folders)->accept();
            });
            // The folder picture, looked up only now that it is drawn, is the style's.
            auto* browse = Child<QToolButton>(&d, "sbplugin");
            QCOMPARE(browse->icon().pixmap(16).toImage(),
                     d.style()->standardIcon(QStyle::SP_DirOpenIcon).pixmap(16).toImage());
            browse->click();
            QCOMPARE(Child<QLineEdit>(&d, "edtplugin")->text(), QDir::toNativeSeparators(plugins));
            ClickOk(&d);
        }));
        QCOMPARE(options.wwwname, QDir::toNativeSeparators(program));
        QCOMPARE(options.wwwname2, program);
        QCOMPARE(options.plugin, QDir::toNativeSeparators(plugins));
    }

    void tabComesBackAndFirstShowingIsCentred() {
        ProgramOptions options = Defaults();
        TfrmOpt dialog(options, nullptr);
        dialog.move(0, 0);
        Run(dialog, [&](TfrmOpt& d) {
            auto* tabs = Child<QTabWidget>(&d, "pgcoption");
            QCOMPARE(tabs->currentIndex(), 0);
            QCOMPARE(tabs->tabText(0), QStringLiteral("フォント"));
            const QRect area = d.screen()->availableGeometry();
            QCOMPARE(d.pos(), QPoint(area.x() + (area.width() - d.width()) / 2,
                                     area.y() + (area.height() - d.height()) / 2));
            tabs->setCurrentIndex(3);
            ClickCancel(&d);
        });
        dialog.move(10, 20);
        Run(dialog, [&](TfrmOpt& d) {
            QCOMPARE(Child<QTabWidget>(&d, "pgcoption")->currentIndex(), 3);
            QCOMPARE(d.pos(), QPoint(10, 20));
            ClickOk(&d);
        });
    }

    // The dialog inside the main window: what reaches the pages at once.
    void bodyListResetSurvivesCancel() {
        {
            QSettings ini(iniPath(), QSettings::IniFormat);
            ini.setValue(QStringLiteral("Option/bodycnt"), QStringLiteral("1"));
            ini.setValue(QStringLiteral("Option/bodycode0"),
                         QStringLiteral("\"Mine\",\"0\",\"1\",\"2\",\"3\",\"4\""));
        }
        MainWindowRig rig(iniPath());
        TfrmMain& w = rig.w;
        auto* presets = w.findChild<QComboBox*>(QStringLiteral("cmbbodysel"));
        QCOMPARE(Items(presets), QStringList({QStringLiteral("Mine")}));
        OnNextModal(nullptr, [&](QWidget* d) {
            Answer(d, QStringLiteral("いいえ(&N)"));
            Press(d, "btnbodyinit");
            QCOMPARE(rig.state.options().bodyPresets.count(), 1);
            Answer(d, QStringLiteral("OK"));
            Press(d, "btnbodyinit");
            // At once, while the dialog is still open.
            QCOMPARE(presets->count(), 12);
            ClickCancel(d);
        });
        w.actions().ac_option->trigger();
        BodyPresetList builtIn;
        LoadDefaultBodyPresets(builtIn);
        QVERIFY(rig.state.options().bodyPresets == builtIn);
        QStringList names;
        for (int i = 0; i < builtIn.count(); ++i)
            names << builtIn.at(i).name;
        QCOMPARE(Items(presets), names);
    }

    void backgroundReachesTheEditorAndCaseTheBodyTag() {
        MainWindowRig rig(iniPath());
        TfrmMain& w = rig.w;
        w.PageControl1()->setCurrentIndex(0);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        OnNextModal(nullptr, [&](QWidget* d) {
            OnNextModal(d, [](QWidget* modal) {
                auto* colors = qobject_cast<QColorDialog*>(modal);
                QVERIFY(colors);
                // The dialog starts at the swatch's colour.
                QCOMPARE(colors->currentColor(), QColor(Qt::white));
                colors->setCurrentColor(Qt::black);
                colors->accept();
            });
            Press(d, "btnviewback");
            QCOMPARE(Child<ColorShape>(d, "shpviewback")->color(), TColor(0));
            Child<QComboBox>(d, "cmbhtmlcase")->setCurrentIndex(2);
            ClickOk(d);
        });
        w.actions().ac_option->trigger();
        QCOMPARE(rig.state.options().viewback, TColor(0));
        auto* editor = w.findChild<QTextEdit*>(QStringLiteral("RichEdit1"));
        QTRY_COMPARE(editor->viewport()->grab().toImage().pixelColor(20, 20), QColor(Qt::black));
        QCOMPARE(rig.state.options().htmlcase, HtmlCase::Capital);
        // The body page's next tag.
        w.PageControl1()->setCurrentIndex(2);
        w.actions().ac_htmlcopy->trigger();
        QVERIFY(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("<Body ")));
    }

    void everyOptionSurvivesARestart() {
        QTemporaryDir pluginDir;
        const QString plugin = QDir::toNativeSeparators(pluginDir.path()) + QDir::separator();
        const TColor back = RgbToColor(0x12, 0x34, 0x56);
        {
            MainWindowRig rig(iniPath());
            TfrmMain& w = rig.w;
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            OnNextModal(nullptr, [&](QWidget* d) {
                FontEdit(d)->setText(kVerdana);
                Press(d, "btnfontadd");
                Child<QLineEdit>(d, "txttblchar")->setText(QStringLiteral("◆"));
                Child<QComboBox>(d, "cmbhtmlcase")->setCurrentIndex(1);
                Child<QCheckBox>(d, "chkhtmlcr")->setChecked(false);
                Child<QCheckBox>(d, "chkhtmlsave")->setChecked(false);
                Child<QCheckBox>(d, "chkcolorconst")->setChecked(true);
                Child<QCheckBox>(d, "chkrawtext")->setChecked(true);
                Child<QComboBox>(d, "cmbmarkupstyle")->setCurrentIndex(2);
                Child<QComboBox>(d, "cmbinterpolation")->setCurrentIndex(2);
                Child<QCheckBox>(d, "chkwww")->setChecked(true);
                Child<QLineEdit>(d, "edtwww")->setText(QStringLiteral("/usr/bin/one"));
                Child<QLineEdit>(d, "edtwww2")->setText(QStringLiteral("/usr/bin/two"));
                Child<QLineEdit>(d, "edtplugin")->setText(plugin);
                OnNextModal(d, [&](QWidget* modal) {
                    auto* colors = qobject_cast<QColorDialog*>(modal);
                    QVERIFY(colors);
                    colors->setCurrentColor(QColor(0x12, 0x34, 0x56));
                    colors->accept();
                });
                Press(d, "btnviewback");
                ClickOk(d);
            });
            w.actions().ac_option->trigger();
            // The gradient-text page's font box, not the dialog's.
            QCOMPARE(Items(Fonts(w.page(Pages::Text))).last(), kVerdana);
            // The preview bar walks the new way at once.
            std::vector<TColor> oklch(300);
            DrawGradient(DefaultGradientTables()[0].stops(), oklch, GradientInterpolation::Oklch);
            QCOMPARE(
                w.findChild<GradientBar*>(QStringLiteral("imgtruecolor"))->image().pixel(24, 5),
                ToQRgb(oklch[24]));
            w.close();
        }
        QSettings ini(iniPath(), QSettings::IniFormat);
        QCOMPARE(ini.value(QStringLiteral("Option/fonttablecnt")).toString(), QStringLiteral("8"));
        QCOMPARE(ini.value(QStringLiteral("Option/fonttable7")).toString(), kVerdana);
        QCOMPARE(ini.value(QStringLiteral("Option/viewback")).toString(), QString::number(back));

        MainWindowRig rig(iniPath());
        TfrmMain& w = rig.w;
        ProgramOptions expected = Changed();
        expected.fonttable << kVerdana;
        expected.htmlcase = HtmlCase::Upper;
        expected.wwwuse = true;
        expected.wwwname = QStringLiteral("/usr/bin/one");
        expected.wwwname2 = QStringLiteral("/usr/bin/two");
        expected.plugin = plugin;
        expected.viewback = back;
        expected.rawtext = true;
        expected.markupstyle = MarkupStyle::Modern;
        expected.interpolation = GradientInterpolation::Oklch;
        LoadDefaultNamedColors(expected.colors);
        QVERIFY(rig.state.options() == expected);
        // And the dialog shows them again.
        OnNextModal(nullptr, [&](QWidget* d) {
            QCOMPARE(Items(Fonts(d)).last(), kVerdana);
            QCOMPARE(Child<QComboBox>(d, "cmbmarkupstyle")->currentIndex(), 2);
            QCOMPARE(Child<QComboBox>(d, "cmbinterpolation")->currentIndex(), 2);
            QCOMPARE(Child<ColorShape>(d, "shpviewback")->color(), back);
            QVERIFY(Child<QLineEdit>(d, "edtwww")->isEnabled());
            ClickCancel(d);
        });
        w.actions().ac_option->trigger();
    }
};

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
