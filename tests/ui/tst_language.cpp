// The language the windows speak: Japanese or English by the system locale
// or --lang, with Qt's own dialogs, buttons and context menus following, and
// the markup the same in both.
#include "settings/SettingsStore.h"
#include "ui/dialogs/OpenPictureDialog.h"
#include "ui/dialogs/TfrmOpt.h"
#include "ui/eyedropper/FrozenScreenWindow.h"
#include "ui/pages/HtmlPage.h"
#include "ui/window/InterfaceLanguage.h"
#include "ui/window/MainBars.h"
#include "ui/window/TfrmMain.h"
#include "ui/window/VellomarApp.h"

#include "MainWindowRig.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QXmlStreamReader>
#include <QtTest>

#include <memory>

namespace {

QStringList MenuTexts(QLineEdit& edit) {
    std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QStringList texts;
    for (const QAction* a : menu->actions())
        if (!a->isSeparator())
            texts << a->text().section(QLatin1Char('\t'), 0, 0); // without the shortcut
    return texts;
}

QString CancelText() {
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    return box.button(QDialogButtonBox::Cancel)->text();
}

// Kana, CJK ideographs and full- or half-width forms: text a reader of
// English cannot read.
bool HasJapanese(const QString& text) {
    static const QRegularExpression japanese(QStringLiteral(
        "[\\x{3000}-\\x{30FF}\\x{3400}-\\x{9FFF}\\x{F900}-\\x{FAFF}\\x{FF00}-\\x{FFEF}]"));
    return text.contains(japanese);
}

// What the main window shows in one language: its menu titles, page tabs,
// some buttons by name and the first action.
struct Face {
    QStringList menus;
    QStringList tabs;
    QList<std::pair<const char*, QString>> buttons;
    QString saveAs;
};

Face JapaneseFace() {
    return {{"ファイル(&F)", "編集(&E)", "表示(&V)", "オプション(&O)", "ヘルプ(&H)"},
            {"ｸﾞﾗﾃﾞｰｼｮﾝﾃｷｽﾄ", "テーブル", "ボディ", "水平線", "Color"},
            {{"btngraedit", "編集(&E).."},
             {"btngratxtexec", "グラデーション効果"},
             {"btntabeinit", "初期化"},
             {"btnbodyadd", "登録"},
             {"btncolorset", "設定"}},
            "名前をつけて保存(&A)"};
}

Face EnglishFace() {
    return {{"&File", "&Edit", "&View", "&Options", "&Help"},
            {"Gradient Text", "Table", "Body", "Horizontal Rule", "Color"},
            {{"btngraedit", "&Edit..."},
             {"btngratxtexec", "Apply Gradient"},
             {"btntabeinit", "Reset"},
             {"btnbodyadd", "Add"},
             {"btncolorset", "Set"}},
            "Save &As..."};
}

void VerifyFace(TfrmMain& w, const Face& face) {
    BuildEveryPage(w);
    QCOMPARE(w.bars().menuCaptions(), face.menus);
    QStringList tabs;
    for (int i = 0; i < w.PageControl1()->count(); ++i)
        tabs << w.PageControl1()->tabText(i);
    QCOMPARE(tabs, face.tabs);
    for (const auto& [name, text] : face.buttons) {
        auto* button = w.findChild<QAbstractButton*>(QLatin1String(name));
        QVERIFY2(button, name);
        QCOMPARE(button->text(), text);
    }
    QCOMPARE(w.findChild<QAction*>(QStringLiteral("ac_saveas"))->text(), face.saveAs);
}

// Every text `root` and its children show a reader, where it is Japanese.
// Font names and named colours are data, the same in every language.
QStringList JapaneseTexts(QWidget* root) {
    QStringList found;
    auto check = [&found](const QObject* where, const QString& text) {
        if (HasJapanese(text))
            found << where->objectName() + QLatin1String(": ") + text;
    };
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        check(widget, widget->windowTitle());
        check(widget, widget->toolTip());
        check(widget, widget->accessibleName());
        check(widget, widget->statusTip());
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            check(widget, button->text());
        if (auto* label = qobject_cast<QLabel*>(widget))
            check(widget, label->text());
        if (auto* group = qobject_cast<QGroupBox*>(widget))
            check(widget, group->title());
        if (auto* tabs = qobject_cast<QTabWidget*>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                check(widget, tabs->tabText(i));
        if (auto* menu = qobject_cast<QMenu*>(widget))
            check(widget, menu->title());
        const bool data = widget->objectName() == QLatin1String("cmbfontname") ||
                          widget->objectName() == QLatin1String("lstcolortable");
        if (auto* combo = qobject_cast<QComboBox*>(widget); combo && !data)
            for (int i = 0; i < combo->count(); ++i)
                check(widget, combo->itemText(i));
        if (auto* list = qobject_cast<QListWidget*>(widget); list && !data)
            for (int i = 0; i < list->count(); ++i)
                check(widget, list->item(i)->text());
        if (auto* tree = qobject_cast<QTreeWidget*>(widget))
            for (int i = 0; i < tree->topLevelItemCount(); ++i)
                check(widget, tree->topLevelItem(i)->text(0));
    }
    for (const QAction* action : root->findChildren<QAction*>()) {
        check(action, action->text());
        check(action, action->toolTip());
    }
    return found;
}

// The five pages' markup, with a word in the gradient-text editor.
QStringList PagesMarkup(InterfaceLanguage language) {
    InstallInterfaceLanguage(language);
    QTemporaryDir dir;
    MainWindowRig rig(dir.filePath(QStringLiteral("s.ini")));
    BuildEveryPage(rig.w);
    rig.w.findChild<QTextEdit*>(QStringLiteral("RichEdit1"))
        ->setPlainText(QStringLiteral("Vellomar"));
    QStringList markup;
    for (int i = 0; i < rig.w.PageControl1()->count(); ++i)
        markup << qobject_cast<HtmlPage*>(rig.w.PageControl1()->widget(i))->html();
    return markup;
}

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run RunProgram(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(VELLOMAR_APP), arguments);
    if (!process.waitForFinished(15000))
        process.kill();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

class TestLanguage : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { InstallInterfaceLanguage(InterfaceLanguage::Japanese); }

    void startInstallsQtsJapaneseTexts() {
        QVERIFY(InstallInterfaceLanguage(InterfaceLanguage::English));
        QLineEdit edit;
        const QStringList english = MenuTexts(edit);
        QVERIFY(english.contains(QStringLiteral("Select All")));
        QCOMPARE(CancelText(), QStringLiteral("Cancel"));

        QTemporaryDir dir;
        qputenv("XDG_RUNTIME_DIR", dir.path().toLocal8Bit());
        {
            SettingsStore store(dir.filePath(QStringLiteral("s.ini")));
            VellomarApp program(store);
            QVERIFY(!program.isDuplicate());
            const QStringList japanese = MenuTexts(edit);
            QCOMPARE(japanese.size(), english.size());
            QVERIFY(japanese.contains(QStringLiteral("すべてを選択")));
            QVERIFY(japanese.contains(QStringLiteral("貼り付け(&P)")));
            QCOMPARE(CancelText(), QStringLiteral("キャンセル"));
        }
        qunsetenv("XDG_RUNTIME_DIR");

        // Chosen again, the catalogues replace themselves instead of piling up.
        QVERIFY(InstallInterfaceLanguage(InterfaceLanguage::Japanese));
        QVERIFY(InstallInterfaceLanguage(InterfaceLanguage::Japanese));
        QCOMPARE(CancelText(), QStringLiteral("キャンセル"));
        // English needs no catalogue of Qt's, and drops the Japanese one.
        QVERIFY(InstallInterfaceLanguage(InterfaceLanguage::English));
        QCOMPARE(CancelText(), QStringLiteral("Cancel"));
        QCOMPARE(MenuTexts(edit), english);
    }

    // Run by ctest twice: under LANG=ja_JP.UTF-8 and, as tst_language_en,
    // under LANG=en_US.UTF-8, with LC_ALL, LC_MESSAGES and LANGUAGE unset.
    void systemLocaleChoosesTheLanguage() {
        const bool japanese = qEnvironmentVariable("LANG").startsWith(QLatin1String("ja"));
        QCOMPARE(SystemInterfaceLanguage(),
                 japanese ? InterfaceLanguage::Japanese : InterfaceLanguage::English);
        QTemporaryDir dir;
        qputenv("XDG_RUNTIME_DIR", dir.path().toLocal8Bit());
        SettingsStore store(dir.filePath(QStringLiteral("s.ini")));
        VellomarApp program(store, SystemInterfaceLanguage());
        qunsetenv("XDG_RUNTIME_DIR");
        QVERIFY(!program.isDuplicate());
        VerifyFace(*program.mainWindow(), japanese ? JapaneseFace() : EnglishFace());
        QCOMPARE(CancelText(), japanese ? QStringLiteral("キャンセル") : QStringLiteral("Cancel"));
    }

    void everyVisibleTextHasItsEnglish() {
        InstallInterfaceLanguage(InterfaceLanguage::English);
        QTemporaryDir dir;
        MainWindowRig rig(dir.filePath(QStringLiteral("s.ini")));
        TfrmMain& w = rig.w;
        VerifyFace(w, EnglishFace());
        // The built-in tables and presets of a first start are named in English.
        QCOMPARE(w.findChild<QComboBox*>(QStringLiteral("cmbgra"))->itemText(0),
                 QStringLiteral("Spectrum"));
        QCOMPARE(w.findChild<QComboBox*>(QStringLiteral("cmbbodysel"))->itemText(0),
                 QStringLiteral("Netscape standard"));

        // The main window holds the secondary forms; the help window and the
        // dialogs made on demand are made here.
        w.helpWindow();
        QStringList found = JapaneseTexts(&w);
        OpenPictureDialog picture;
        picture.refreshFilter();
        found << JapaneseTexts(&picture);
        FrozenScreenWindow frozen(FrozenDesktop{}, QGuiApplication::primaryScreen());
        found << JapaneseTexts(&frozen);
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));

        // The program's question box, from the options dialog.
        TfrmOpt* options = w.findChild<TfrmOpt*>();
        QStringList box;
        QTimer::singleShot(0, this, [&box] {
            auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(question);
            for (QAbstractButton* button : question->buttons())
                box << button->text();
            box.sort();
            box << question->windowTitle() << question->text();
            question->reject();
        });
        options->findChild<QPushButton*>(QStringLiteral("btnfontinit"))->click();
        QCOMPARE(box, QStringList({"&No", "OK", "Confirm", "Reset to the defaults?"}));
    }

    void markupIsTheSameInBothLanguages() {
        const QStringList japanese = PagesMarkup(InterfaceLanguage::Japanese);
        const QStringList english = PagesMarkup(InterfaceLanguage::English);
        QCOMPARE(japanese.size(), 5);
        // The text page's word and the body page's tag are really there.
        QVERIFY(japanese.at(0).contains(QStringLiteral("<font"), Qt::CaseInsensitive));
        QVERIFY(japanese.at(2).startsWith(QStringLiteral("<body"), Qt::CaseInsensitive));
        // A fresh English interface writes a face this machine has in place
        // of the Japanese systems' one; nothing else differs.
        static const QRegularExpression face(QStringLiteral(" face=\"([^\",]*)[^\"]*\""));
        const QString englishFace = face.match(english.at(0)).captured(1);
        QVERIFY2(QFontDatabase::isSmoothlyScalable(englishFace), qPrintable(englishFace));
        QStringList englishRest = english, japaneseRest = japanese;
        englishRest[0].remove(face);
        japaneseRest[0].remove(face);
        QCOMPARE(englishRest, japaneseRest);
    }

    // Placeholders and keyboard letters survive translation, and no entry
    // is left in Japanese.
    void catalogueKeepsPlaceholdersAndLetters() {
        QFile file(QStringLiteral(VELLOMAR_SOURCE_DIR "/translations/vellomar_en.ts"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        static const QRegularExpression placeholder(QStringLiteral("%\\d"));
        static const QRegularExpression letter(QStringLiteral("(^|[^&])&[^&]"));
        auto placeholders = [](const QString& text) {
            QStringList all;
            for (const QRegularExpressionMatch& m : placeholder.globalMatch(text))
                all << m.captured();
            all.sort();
            return all;
        };
        QString source;
        int messages = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                const QString translation = xml.readElementText();
                ++messages;
                QVERIFY2(!translation.isEmpty() && !HasJapanese(translation), qPrintable(source));
                QCOMPARE(placeholders(translation), placeholders(source));
                QCOMPARE(translation.contains(letter), source.contains(letter));
            }
        }
        QVERIFY(!xml.hasError());
        QVERIFY(messages > 200);
    }

    // --lang is read before Qt starts: the answers need no display.
    void commandLineChoosesOrRefuses() {
        const Run help = RunProgram({QStringLiteral("--help")});
        QCOMPARE(help.exitCode, 0);
        QVERIFY2(help.out.contains(QStringLiteral("--lang ja|en")), qPrintable(help.out));

        const Run unknown = RunProgram({QStringLiteral("--lang"), QStringLiteral("fr")});
        QCOMPARE(unknown.exitCode, 2);
        QCOMPARE(unknown.err,
                 QStringLiteral("vellomar: unknown language 'fr' for --lang: use ja or en\n"));
        const Run glued = RunProgram({QStringLiteral("--lang=EN")});
        QCOMPARE(glued.exitCode, 2);
        const Run missing = RunProgram({QStringLiteral("--lang")});
        QCOMPARE(missing.exitCode, 2);
        QVERIFY(missing.err.startsWith(QStringLiteral("vellomar: --lang needs a value")));
        QVERIFY(unknown.out.isEmpty() && missing.out.isEmpty());
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
