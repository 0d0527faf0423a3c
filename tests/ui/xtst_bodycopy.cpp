// On a real X server: a preset chosen on the body page and "HTML形式でコピー"
// put on the clipboard, as another process reads it, the very body markup the
// command-line program prints for that preset from the same settings.
#include "settings/SettingsStore.h"
#include "ui/window/MainActions.h"
#include "ui/window/ProgramState.h"
#include "ui/window/TfrmMain.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <cstdio>

namespace {

const char* const kPrintClipboard = "--print-clipboard";

// Runs `program` and gives its standard output; the event loop keeps
// running meanwhile, so this process can answer a clipboard request.
QByteArray Output(const QString& program, const QStringList& arguments) {
    QProcess process;
    QSignalSpy finished(&process, &QProcess::finished);
    process.start(program, arguments);
    if (!finished.wait(20000) || process.exitCode() != 0) {
        qWarning() << program << arguments << process.readAllStandardError();
        return QByteArray("(failed)");
    }
    return process.readAllStandardOutput();
}

} // namespace

class TestBodyCopy : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void presetTagReachesTheClipboard_data() {
        QTest::addColumn<int>("htmlcase");
        QTest::addColumn<int>("markupstyle");
        QTest::newRow("lower") << 0 << 0;
        QTest::newRow("upper") << 1 << 0;
        QTest::newRow("upper css") << 1 << 1;
    }

    void presetTagReachesTheClipboard() {
        QFETCH(int, htmlcase);
        QFETCH(int, markupstyle);
        const QString ini =
            m_dir.filePath(QStringLiteral("body%1%2.ini").arg(htmlcase).arg(markupstyle));
        {
            QSettings settings(ini, QSettings::IniFormat);
            settings.setValue(QStringLiteral("Option/htmlcase"), QString::number(htmlcase));
            settings.setValue(QStringLiteral("Option/markupstyle"), QString::number(markupstyle));
        }
        SettingsStore store(ini);
        ProgramState state(store);
        TfrmMain w(state);
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(w.PageControl1()->currentIndex(), 2);
        QGuiApplication::clipboard()->setText(QStringLiteral("earlier"));

        // The user steps from preset 0 to preset 1 in the box and copies.
        auto* presets = w.findChild<QComboBox*>(QStringLiteral("cmbbodysel"));
        presets->setFocus();
        QTest::keyClick(presets, Qt::Key_Down);
        QCOMPARE(presets->currentIndex(), 1);
        auto* copy = w.findChild<QToolButton*>(QStringLiteral("tbhtmlcopy"));
        QVERIFY(copy && copy->defaultAction() == w.actions().ac_htmlcopy);
        QTest::mouseClick(copy, Qt::LeftButton);

        const QByteArray printed =
            Output(QStringLiteral(VELLOMAR_CLI),
                   {QStringLiteral("--settings"), ini, QStringLiteral("body"),
                    QStringLiteral("--preset"), QStringLiteral("1")});
        if (markupstyle)
            QVERIFY(printed.startsWith("<STYLE"));
        else
            QVERIFY(printed.startsWith(htmlcase ? "<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\""
                                                : "<body bgcolor=\"#ffffff\" text=\"#000000\""));
        QVERIFY(printed.endsWith(">\r\n"));
        const QByteArray clipboard =
            Output(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kPrintClipboard)});
        QCOMPARE(clipboard, printed);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The second process: the clipboard's text as UTF-8 on standard output.
    if (argc == 2 && qstrcmp(argv[1], kPrintClipboard) == 0) {
        const QByteArray text = QGuiApplication::clipboard()->text().toUtf8();
        std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
        return 0;
    }
    TestBodyCopy test;
    return QTest::qExec(&test, argc, argv);
}

#include "xtst_bodycopy.moc"
