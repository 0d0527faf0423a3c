// The help window over the program's own pages, the help actions and the
// about box.
#include "settings/SettingsStore.h"
#include "ui/dialogs/TfrmAboutBox.h"
#include "ui/dialogs/TfrmHelp.h"
#include "ui/window/InterfaceLanguage.h"
#include "ui/window/MainActions.h"
#include "ui/window/ProgramState.h"
#include "ui/window/TfrmMain.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>

namespace {

QString PageText(const QString& path) {
    QFile page(path);
    return page.open(QIODevice::ReadOnly) ? QString::fromUtf8(page.readAll()) : QString();
}

QStringList Links(const QString& html) {
    static const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
    QStringList links;
    for (const QRegularExpressionMatch& m : href.globalMatch(html))
        links << m.captured(1);
    return links;
}

} // namespace

class TestHelp : public QObject {
    Q_OBJECT
private slots:
    void everyPageAndLinkExists_data() {
        QTest::addColumn<bool>("english");
        QTest::newRow("ja") << false;
        QTest::newRow("en") << true;
    }

    void everyPageAndLinkExists() {
        QFETCH(bool, english);
        InstallInterfaceLanguage(english ? InterfaceLanguage::English
                                         : InterfaceLanguage::Japanese);
        TfrmHelp help; // registers the pages
        const QString folder = TfrmHelp::PageFolder();
        // Every page in the resources is a topic, so the loop below sees them all.
        QStringList topics;
        for (const TfrmHelp::Topic& topic : TfrmHelp::Topics())
            topics << topic.file;
        const QStringList pages = QDir(folder).entryList({"*.html"});
        QVERIFY(!pages.isEmpty());
        topics.sort();
        QCOMPARE(topics, pages);
        int links = 0;
        for (const TfrmHelp::Topic& topic : TfrmHelp::Topics()) {
            const QString html = PageText(folder + topic.file);
            QVERIFY2(!html.isEmpty(), qPrintable(topic.file));
            QVERIFY2(html.contains(QStringLiteral("<title>") + topic.title),
                     qPrintable(topic.file));
            for (const QString& target : Links(html)) {
                const QString file = target.section(QLatin1Char('#'), 0, 0);
                if (file.isEmpty())
                    continue; // a place on the same page
                QVERIFY2(QFile::exists(folder + file),
                         qPrintable(topic.file + QStringLiteral(" -> ") + target));
                ++links;
            }
            if (!english)
                continue;
            // A translation: no Japanese left, and the original's links and sections.
            static const QRegularExpression japanese(
                QStringLiteral("[\\x{3000}-\\x{30FF}\\x{4E00}-\\x{9FFF}\\x{FF00}-\\x{FFEF}]"));
            QVERIFY2(!html.contains(japanese), qPrintable(topic.file));
            const QString original = PageText(QStringLiteral(":/help/") + topic.file);
            QCOMPARE(Links(html), Links(original));
            static const QRegularExpression heading(QStringLiteral("<h[2-4]>"));
            QCOMPARE(html.count(heading), original.count(heading));
        }
        QVERIFY(links > 0); // the pattern still finds the pages' links
        InstallInterfaceLanguage(InterfaceLanguage::Japanese);
    }

    void keywordSearchFindsPages() {
        TfrmHelp help;
        help.showSearch(QString());
        QCOMPARE(help.tabHelp->currentIndex(), 1);
        QVERIFY(help.edtKeyword->text().isEmpty());
        // The empty keyword lists every keyword of every page.
        int entries = 0;
        for (const QStringList& files : help.keywordIndex())
            entries += int(files.size());
        QCOMPARE(help.lstKeywords->count(), entries);
        QVERIFY(help.keywordIndex().contains(QStringLiteral("スポイト")));

        help.edtKeyword->setText(QStringLiteral("スポ"));
        QCOMPARE(help.lstKeywords->count(), 1);
        QTest::keyClick(help.edtKeyword, Qt::Key_Return);
        QCOMPARE(help.currentTopic(), QStringLiteral("color.html"));

        // Typed, letter case ignored.
        help.edtKeyword->clear();
        QTest::keyClicks(help.edtKeyword, QStringLiteral("vello"));
        QCOMPARE(help.lstKeywords->count(), 1);
        QTest::mouseClick(help.lstKeywords->viewport(), Qt::LeftButton, {},
                          help.lstKeywords->visualItemRect(help.lstKeywords->item(0)).center());
        QCOMPARE(help.currentTopic(), QStringLiteral("overview.html"));

        help.edtKeyword->setText(QStringLiteral("zzz-not-a-keyword"));
        QCOMPARE(help.lstKeywords->count(), 0);
        QTest::keyClick(help.edtKeyword, Qt::Key_Return); // nothing to open, nothing breaks
        QCOMPARE(help.currentTopic(), QStringLiteral("overview.html"));
    }

    void helpActionsOpenTheRightPlace() {
        QTemporaryDir dir;
        SettingsStore store(dir.filePath(QStringLiteral("s.ini")));
        ProgramState state(store);
        TfrmMain w(state);
        QVERIFY(w.HelpFile().endsWith(QStringLiteral("tst_help.hlp")));
        w.actions().ac_contents->trigger();
        TfrmHelp* help = w.helpWindow();
        QVERIFY(help->isVisible());
        QCOMPARE(help->tabHelp->currentIndex(), 0);
        QCOMPARE(help->currentTopic(), QStringLiteral("index.html"));
        QVERIFY(help->txtTopic->toPlainText().contains(QStringLiteral("目次")));

        // A contents entry opens its page.
        QTreeWidgetItem* item = help->treContents->topLevelItem(3);
        help->treContents->itemClicked(item, 0);
        QCOMPARE(help->currentTopic(), item->data(0, Qt::UserRole).toString());

        w.actions().ac_helponhelp->trigger();
        QCOMPARE(help->currentTopic(), QStringLiteral("helponhelp.html"));

        w.actions().ac_searchonhelp->trigger();
        QCOMPARE(help->tabHelp->currentIndex(), 1);
        QVERIFY(help->edtKeyword->text().isEmpty());
        QCOMPARE(w.helpWindow(), help); // one window for the run
    }

    void aboutBoxShowsProductAndCloses() {
        QCOMPARE(TfrmAboutBox::AboutText(),
                 QStringLiteral("Vellomar for Windows 98J/NT4.0J\r\rVersion 3.12"));
        QTemporaryDir dir;
        SettingsStore store(dir.filePath(QStringLiteral("s.ini")));
        ProgramState state(store);
        TfrmMain w(state);
        auto* found = w.findChild<TfrmAboutBox*>();
        QVERIFY(found);
        TfrmAboutBox& about = *found;
        QVERIFY(!about.ProgramIcon->pixmap().isNull());
        QCOMPARE(about.ProductName->text(),
                 QStringLiteral("Vellomar for Windows 98J/NT4.0J\n\nVersion 3.12"));
        QCOMPARE(about.OKButton->text(), QStringLiteral("OK"));
        // No addresses are known: the maker's page and mail are named, not linked.
        for (const auto& [name, text] :
             {std::pair{"lblsupport", "サポートページ"}, std::pair{"lblmail", "作者へのメール"}}) {
            auto* label = about.findChild<QLabel*>(QLatin1String(name));
            QVERIFY2(label, name);
            QCOMPARE(label->text(), QString::fromUtf8(text));
            QCOMPARE(label->textFormat(), Qt::PlainText);
            QVERIFY(!label->openExternalLinks());
        }
        // The action shows it modally; OK closes it.
        QTimer::singleShot(0, &about, [&about] {
            QVERIFY(about.isVisible());
            QTest::mouseClick(about.OKButton, Qt::LeftButton);
        });
        w.actions().ac_about->trigger();
        QVERIFY(!about.isVisible());
        QCOMPARE(about.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
