// The output commands as the user reaches them: Save As through the file
// dialog, the previews through the file association or a configured
// program, and what the user is shown when they fail.
#include "FakePageHost.h"
#include "MainWindowRig.h"
#include "html/PreviewFile.h"
#include "settings/ProgramOptions.h"
#include "settings/SettingsStore.h"
#include "ui/pages/HtmlPage.h"
#include "ui/window/MainActions.h"
#include "ui/window/OutputActions.h"
#include "ui/window/ProgramState.h"
#include "ui/window/TfrmMain.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <deque>
#include <functional>

namespace {

// A page whose fragment and background the test sets.
class FixedPage : public HtmlPage {
public:
    using HtmlPage::HtmlPage;
    QString fragment;
    std::optional<TColor> background;
    PageMarkup write(const TextProgress& = {}) const override { return {fragment, {}}; }
    bool supports(PageAction) const override { return true; }
    std::optional<TColor> wrapperBackground() const override { return background; }
};

// One page's output actions over a fake host, previewing into `dir`.
struct Rig {
    explicit Rig(const QString& dir) : preview(dir) {}
    FakePageHost host;
    PreviewFile preview;
    OutputActions output{host, preview};
    FixedPage fixed{host};
};

// Answers the modal dialogs the code under test opens, one step per dialog
// in order. A dialog nobody expected, or a step still waiting after ten
// seconds, is rejected so that the test fails instead of hanging.
class ModalDriver : public QObject {
public:
    ModalDriver() {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, &ModalDriver::poll);
        m_timer.start();
        m_clock.start();
    }
    template <class T> ModalDriver& then(std::function<void(T*)> act) {
        m_steps.push_back([act](QWidget* w) {
            auto* typed = qobject_cast<T*>(w);
            if (typed)
                act(typed);
            return typed != nullptr;
        });
        return *this;
    }
    // Stops watching; true when every step was answered and nothing else showed.
    bool finish() {
        m_timer.stop();
        return m_steps.empty() && !m_unexpected;
    }
    QString report() const { return m_report; }

private:
    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        if (m_clock.elapsed() < 10000) {
            if (!m_steps.empty() && m_steps.front()(modal)) {
                m_steps.pop_front();
                m_lastAnswered = modal;
                return;
            }
            // An answered dialog may take a moment to close.
            if (!m_steps.empty() || modal == m_lastAnswered)
                return;
        }
        m_unexpected = true;
        m_report +=
            QStringLiteral("%1 '%2' left %3 after %4 ms; ")
                .arg(QString::fromLatin1(modal->metaObject()->className()), modal->windowTitle())
                .arg(m_steps.size())
                .arg(m_clock.elapsed());
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
    }

    std::deque<std::function<bool(QWidget*)>> m_steps;
    QTimer m_timer;
    QElapsedTimer m_clock;
    QPointer<QWidget> m_lastAnswered;
    bool m_unexpected = false;
    QString m_report;
};

// Types the path into the file name box and presses Save.
std::function<void(QFileDialog*)> Choose(const QString& path) {
    return [path](QFileDialog* dialog) {
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        name->setText(path);
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    };
}

std::function<void(QMessageBox*)> Answer(QMessageBox::StandardButton button) {
    return [button](QMessageBox* box) { box->button(button)->click(); };
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QString Wrapped(const QString& fragment, const QString& bgcolor) {
    QString page = QStringLiteral(
        "<html><head><meta charset=\"utf-8\"><title>Vellomar Preview</title></head>\r\n\r\n");
    if (!bgcolor.isEmpty())
        page += QStringLiteral("<body bgcolor=\"%1\">\r\n\r\n").arg(bgcolor);
    return page + fragment + QStringLiteral("\r\n</body></html>\r\n");
}

} // namespace

// Receives what QDesktopServices would hand to the file association.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

class TestOutput : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    UrlCatcher m_catcher;

    QString path(const QString& name) const { return m_dir.filePath(name); }
    QStringList previewFiles() const {
        return QDir(m_dir.path()).entryList({QStringLiteral("TMP*.htm")}, QDir::Files);
    }

    // A browser stand-in that records its arguments beside itself, one a line.
    QString stubBrowser(const QString& name) {
        const QString program = path(name);
        WriteFile(program, "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.part\" && mv \"$0.part\" "
                           "\"$0.args\"\n");
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::remove(program + QStringLiteral(".args"));
        return program;
    }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        // The preview file goes to the temporary folder: ours, to be watched.
        qputenv("TMPDIR", QFile::encodeName(m_dir.path()));
        QCOMPARE(QDir::tempPath(), QDir(m_dir.path()).canonicalPath());
        // The widget dialog, as on a desktop without a native one.
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_catcher, "open");
    }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    void init() {
        m_catcher.urls.clear();
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    }

    void saveWritesPageOrFragment_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("htmlsave");
        QTest::addColumn<QString>("expected");
        const QString table = QStringLiteral("<table>\r\n</table>");
        QTest::newRow("table, whole page")
            << 1 << true << Wrapped(table, QStringLiteral("#0000FF"));
        QTest::newRow("table, fragment") << 1 << false << table + QStringLiteral("\r\n");
        // The gradient-text page's own background, not viewback.
        QTest::newRow("text, whole page") << 0 << true << Wrapped(table, QStringLiteral("#FF0000"));
        QTest::newRow("body, whole page") << 2 << true << Wrapped(table, QString());
    }
    void saveWritesPageOrFragment() {
        QFETCH(int, page);
        QFETCH(bool, htmlsave);
        QFETCH(QString, expected);
        Rig rig(m_dir.path());
        auto& [host, preview, output, fixed] = rig;
        host.m_options.htmlsave = htmlsave;
        host.m_options.viewback = RgbToColor(0, 0, 255);
        fixed.fragment = QStringLiteral("<table>\r\n</table>");
        fixed.background = page == 0 ? std::optional<TColor>(RgbToColor(255, 0, 0))
                                     : std::optional<TColor>(host.m_options.viewback);
        if (page == 2)
            fixed.background.reset();
        const QString target = path(QStringLiteral("saved%1%2").arg(page).arg(htmlsave));
        QFile::remove(target + QStringLiteral(".htm"));

        ModalDriver driver;
        driver.then<QFileDialog>(Choose(target));
        output.saveAs(fixed, page);
        QVERIFY2(driver.finish(), qPrintable(driver.report()));
        // The default extension is added to a name typed without one.
        QCOMPARE(ReadAll(target + QStringLiteral(".htm")), expected.toUtf8());
        QCOMPARE(QGuiApplication::clipboard()->text(), fixed.fragment);
    }

    void saveDialogOffersItsFiltersAndAsksBeforeReplacing() {
        Rig rig(m_dir.path());
        auto& [host, preview, output, fixed] = rig;
        host.m_options.htmlsave = false;
        fixed.fragment = QStringLiteral("new");
        const QString target = path(QStringLiteral("old.htm"));
        WriteFile(target, "old");

        QFileDialog* dialog = output.saveDialog();
        QCOMPARE(dialog->objectName(), QStringLiteral("SaveDialog1"));
        QCOMPARE(dialog->defaultSuffix(), QStringLiteral("htm"));
        QCOMPARE(dialog->nameFilters().size(), 3);
        QVERIFY(!dialog->testOption(QFileDialog::DontConfirmOverwrite));

        // "No" keeps the old file; cancelling then writes nothing and runs
        // no writer.
        QString question;
        ModalDriver refuse;
        refuse.then<QFileDialog>(Choose(target))
            .then<QMessageBox>([&question](QMessageBox* box) {
                question = box->text();
                box->button(QMessageBox::No)->click();
            })
            .then<QFileDialog>([](QFileDialog* d) { d->reject(); });
        output.saveAs(fixed, 1);
        QVERIFY2(refuse.finish(), qPrintable(refuse.report()));
        QVERIFY2(question.contains(QStringLiteral("old.htm")), qPrintable(question));
        QCOMPARE(ReadAll(target), QByteArray("old"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));

        ModalDriver replace;
        replace.then<QFileDialog>(Choose(target)).then<QMessageBox>(Answer(QMessageBox::Yes));
        output.saveAs(fixed, 1);
        QVERIFY2(replace.finish(), qPrintable(replace.report()));
        QCOMPARE(ReadAll(target), QByteArray("new\r\n"));
    }

    void saveErrorIsShownAndTheClipboardKeepsTheText() {
        Rig rig(m_dir.path());
        auto& [host, preview, output, fixed] = rig;
        fixed.fragment = QStringLiteral("<hr>");
        // A folder that is a file: refused even for root.
        const QString blocker = path(QStringLiteral("blocker"));
        WriteFile(blocker, "x");

        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString message;
        ModalDriver driver;
        driver.then<QFileDialog>(Choose(blocker + QStringLiteral("/page.htm")))
            .then<QMessageBox>([&](QMessageBox* box) {
                icon = box->icon();
                message = box->text();
                box->button(QMessageBox::Ok)->click();
            });
        output.saveAs(fixed, 3);
        QVERIFY2(driver.finish(), qPrintable(driver.report()));
        QCOMPARE(icon, QMessageBox::Critical);
        QVERIFY(!message.isEmpty());
        QCOMPARE(ReadAll(blocker), QByteArray("x"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("<hr>"));
    }

    void emptyFragmentLeavesTheClipboardAndIsWrittenEmpty() {
        Rig rig(m_dir.path());
        auto& [host, preview, output, fixed] = rig;
        host.m_options.htmlsave = true;
        host.m_options.wwwuse = false;
        fixed.background = RgbToColor(255, 255, 255);

        QVERIFY(output.htmlCopy(fixed).isEmpty());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));

        const QString target = path(QStringLiteral("empty.htm"));
        ModalDriver driver;
        driver.then<QFileDialog>(Choose(target));
        output.saveAs(fixed, 0);
        QVERIFY2(driver.finish(), qPrintable(driver.report()));
        QCOMPARE(ReadAll(target), Wrapped(QString(), QStringLiteral("#FFFFFF")).toUtf8());

        output.preview(fixed, 0, 1);
        QCOMPARE(ReadAll(preview.path()), Wrapped(QString(), QStringLiteral("#FFFFFF")).toUtf8());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
    }

    void previewOpensThroughTheFileAssociation() {
        Rig rig(m_dir.path());
        auto& [host, preview, output, fixed] = rig;
        host.m_options.wwwuse = false;
        host.m_options.htmlsave = false; // previews are whole pages regardless
        host.m_options.viewback = RgbToColor(255, 255, 255);
        QVERIFY(preview.create().isEmpty());
        fixed.fragment = QStringLiteral("<hr>");
        fixed.background = host.m_options.viewback;

        output.preview(fixed, 3, 1);
        QCOMPARE(m_catcher.urls, QList<QUrl>{QUrl::fromLocalFile(preview.path())});
        QCOMPARE(ReadAll(preview.path()), Wrapped(fixed.fragment, "#FFFFFF").toUtf8());
        QCOMPARE(QGuiApplication::clipboard()->text(), fixed.fragment);

        // Nothing at all while the host is updating, nor on the colour page.
        m_catcher.urls.clear();
        fixed.fragment = QStringLiteral("<hr size=\"2\">");
        host.m_updating = true;
        output.preview(fixed, 3, 1);
        QVERIFY(output.htmlCopy(fixed).isEmpty());
        host.m_updating = false;
        output.preview(fixed, 4, 2);
        QVERIFY(m_catcher.urls.isEmpty());
        QCOMPARE(ReadAll(preview.path()), Wrapped(QStringLiteral("<hr>"), "#FFFFFF").toUtf8());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("<hr>"));
    }

    void missingBrowserIsShown() {
        Rig rig(m_dir.path());
        auto& [host, preview, output, fixed] = rig;
        host.m_options.wwwuse = true;
        host.m_options.wwwname = path(QStringLiteral("no-such-browser"));
        fixed.fragment = QStringLiteral("<hr>");

        QString message;
        QMessageBox::Icon icon = QMessageBox::Critical;
        ModalDriver driver;
        driver.then<QMessageBox>([&](QMessageBox* box) {
            message = box->text();
            icon = box->icon();
            QCOMPARE(box->buttons().size(), 1);
            box->button(QMessageBox::Ok)->click();
        });
        output.preview(fixed, 3, 1);
        QVERIFY2(driver.finish(), qPrintable(driver.report()));
        QCOMPARE(message, QStringLiteral("ブラウザが見つかりません"));
        QCOMPARE(icon, QMessageBox::NoIcon);
        QVERIFY(m_catcher.urls.isEmpty());
    }

    // In the window: the preview file exists from start to end, and both
    // browser actions reach their program or the file association.
    void windowPreviewsInTheConfiguredBrowsers() {
        for (const QString& name : previewFiles())
            QFile::remove(path(name));
        const QString ini = path(QStringLiteral("settings.ini"));
        QFile::remove(ini);
        SettingsStore store(ini);
        ProgramState state(store);
        auto window = std::make_unique<TfrmMain>(state);
        const QStringList made = previewFiles();
        QCOMPARE(made.size(), 1);
        const QString previewPath = path(made.first());
        QCOMPARE(ReadAll(previewPath), QByteArray());

        window->PageControl1()->setCurrentIndex(1);
        window->options().wwwuse = false;
        window->actions().ac_wwwview->trigger();
        QCOMPARE(m_catcher.urls, QList<QUrl>{QUrl::fromLocalFile(previewPath)});
        QVERIFY(
            ReadAll(previewPath)
                .startsWith(
                    "<html><head><meta charset=\"utf-8\"><title>Vellomar Preview</title></head>"));

        const QString browser1 = stubBrowser(QStringLiteral("browser1"));
        const QString browser2 = stubBrowser(QStringLiteral("browser2"));
        window->options().wwwuse = true;
        window->options().wwwname = browser1;
        window->options().wwwname2 = browser2;
        window->actions().ac_wwwview->trigger();
        QTRY_COMPARE(ReadAll(browser1 + QStringLiteral(".args")), (previewPath + "\n").toUtf8());
        window->actions().ac_wwwview2->trigger();
        QTRY_COMPARE(ReadAll(browser2 + QStringLiteral(".args")), (previewPath + "\n").toUtf8());

        // Browser 2 stays enabled on the colour page and does nothing there.
        QFile::remove(browser2 + QStringLiteral(".args"));
        window->PageControl1()->setCurrentIndex(4);
        window->actions().ac_wwwview2->trigger();
        QCOMPARE(m_catcher.urls.size(), 1);

        window->saveState();
        QVERIFY(previewFiles().isEmpty());
        window.reset();
        QVERIFY(previewFiles().isEmpty());
        QVERIFY(!QFile::exists(browser2 + QStringLiteral(".args")));
    }

    // Through the window's action: whatever the page wrote went to the
    // clipboard and, wrapped, into the file.
    void windowSavesThroughTheAction() {
        const QString ini = path(QStringLiteral("settings.ini"));
        QFile::remove(ini);
        MainWindowRig rig(ini);
        TfrmMain& window = rig.w;
        window.PageControl1()->setCurrentIndex(1);
        window.options().htmlsave = true;
        window.options().viewback = RgbToColor(0x12, 0x34, 0x56);
        window.options().colorconst = false;
        const QString target = path(QStringLiteral("window.htm"));
        QFile::remove(target);

        ModalDriver driver;
        driver.then<QFileDialog>(Choose(target));
        window.actions().ac_saveas->trigger();
        QVERIFY2(driver.finish(), qPrintable(driver.report()));
        // An empty fragment leaves the clipboard as it was.
        QString fragment = QGuiApplication::clipboard()->text();
        if (fragment == QStringLiteral("before"))
            fragment.clear();
        QCOMPARE(ReadAll(target), Wrapped(fragment, QStringLiteral("#123456")).toUtf8());
    }
};

QTEST_MAIN(TestOutput)
#include "tst_output.moc"
