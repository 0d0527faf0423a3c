// The body page's background picture: chosen in the picture dialog, tiled
// behind the preview, written into the BODY tag; Cancel and broken files.
#include "FakePageHost.h"
#include "ModalAnswers.h"
#include "html/BodyHtml.h"
#include "settings/OptionsStore.h"
#include "settings/ProgramOptions.h"
#include "settings/SettingsStore.h"
#include "ui/pages/body/PageBody.h"
#include "ui/widgets/PictureBox.h"
#include "ui/window/MainActions.h"
#include "ui/window/ProgramState.h"
#include "ui/window/TfrmMain.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <deque>
#include <functional>

namespace {

class FakeHost : public FakePageHost {
public:
    FakeHost() { LoadDefaultBodyPresets(m_options.bodyPresets); }
};

// Answers the page's file dialogs and error boxes in order.
class Modals : public ModalAnswers {
public:
    void choose(const QString& path) {
        then<QFileDialog>([this, path](QFileDialog* dialog) {
            // Typed into the name box, as a user can. The dialog is kept
            // between uses, and without keyboard focus in the name box it
            // keeps the last file chosen selected beside the typed one.
            for (auto* view : dialog->findChildren<QAbstractItemView*>())
                if (view->selectionModel())
                    view->selectionModel()->clearSelection();
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(name);
            name->setText(path);
            // A wrong selection fails the test; the dialog must close either way.
            if (!QTest::qWaitFor([&] { return dialog->selectedFiles() == QStringList{path}; })) {
                unexpected << QStringLiteral("selection: ") + dialog->selectedFiles().join(u',');
                dialog->reject();
                return;
            }
            static_cast<QDialog*>(dialog)->accept();
        });
    }
    void cancel() {
        then<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    }
    void error() {
        then<QMessageBox>([this](QMessageBox* box) {
            errors << box->windowTitle() + QStringLiteral(": ") + box->text();
            box->accept();
        });
    }

    QStringList errors;
};

// A TGA of 3 × 2 true-colour pixels, rows from the top.
QByteArray SmallTga() {
    QByteArray tga(18, '\0');
    tga[2] = 2;
    tga[12] = 3;
    tga[14] = 2;
    tga[16] = 24;
    tga[17] = 0x20;
    for (int i = 0; i < 6; ++i)
        tga += QByteArray::fromRawData("\x10\x80\xF0\x20\x40\x60", 6).mid(i % 2 * 3, 3);
    return tga;
}

bool Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Every tile of the picture lies where it belongs on the preview.
void VerifyTiled(const QImage& area, const QImage& picture) {
    QVERIFY(!picture.isNull());
    for (int y = 0; y < area.height(); y += 7)
        for (int x = 0; x < area.width(); x += 5) {
            const QRgb expected = picture.pixel(x % picture.width(), y % picture.height());
            if (area.pixel(x, y) != expected)
                QFAIL(qPrintable(QStringLiteral("(%1, %2): %3 instead of %4")
                                     .arg(x)
                                     .arg(y)
                                     .arg(area.pixel(x, y), 0, 16)
                                     .arg(expected, 0, 16)));
        }
}

} // namespace

class TestBodyBackground : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    static QString bmp() { return QStringLiteral(VELLOMAR_TESTDATA "/bmpsuite/g/rgb24.bmp"); }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        // No plug-in folder of the user's own is searched by the window test.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("config"))));
    }

    void pictureTilesAndReachesTheTag() {
        FakeHost host;
        PageBody page(host);
        page.start();
        Modals modals;
        modals.choose(bmp());
        QTest::mouseClick(Child<QPushButton>(page, "btnbodybg"), Qt::LeftButton);
        QVERIFY(modals.done());
        QCOMPARE(modals.unexpected, QStringList());

        auto* dialog = Child<QFileDialog>(page, "OpenPictureDialog1");
        QVERIFY(dialog->testOption(QFileDialog::DontUseNativeDialog));
        QVERIFY(dialog->nameFilters().first().contains(QStringLiteral("*.bmp")));
        auto* area = Child<PictureBox>(page, "Image2");
        QCOMPARE(area->picture().size(), QSize(365, 165));
        QCOMPARE(Child<PictureBox>(page, "Image1")->picture().size(), QSize(127, 64));
        QVERIFY(!Child<PictureBox>(page, "Image1")->isVisible());
        VerifyTiled(area->picture(), QImage(bmp()).convertToFormat(QImage::Format_ARGB32));
        QVERIFY(page.html().endsWith(QStringLiteral("alink=\"#000088\" background=\"") +
                                     BodyBackgroundUrl(bmp()) + QStringLiteral("\">\r\n")));

        // Cancel takes the picture away, and the attribute with it.
        modals.cancel();
        QTest::mouseClick(Child<QPushButton>(page, "btnbodybg"), Qt::LeftButton);
        QVERIFY(modals.done());
        QVERIFY(!area->hasPicture());
        QVERIFY(!Child<PictureBox>(page, "Image1")->hasPicture());
        QVERIFY(page.html().endsWith(QStringLiteral("alink=\"#000088\" >") + "\r\n"));
    }

    void brokenFileKeepsEverything_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("not a bitmap")
            << QStringLiteral("broken.bmp") << QByteArray("BMnonsense") << QString();
        QTest::newRow("truncated header")
            << QStringLiteral("short.bmp") << QByteArray("BM\x10\0\0\0\0\0\0\0", 10) << QString();
        QTest::newRow("unknown extension")
            << QStringLiteral("picture.xyz") << QByteArray("whatever")
            << QStringLiteral("拡張子 .xyz の画像形式は処理できません");
    }
    void brokenFileKeepsEverything() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        const QString broken = m_dir.filePath(name);
        QVERIFY(Write(broken, bytes));

        FakeHost host;
        PageBody page(host);
        page.start();
        Modals modals;
        modals.choose(bmp());
        QTest::mouseClick(Child<QPushButton>(page, "btnbodybg"), Qt::LeftButton);
        const QImage before = Child<PictureBox>(page, "Image2")->picture();
        const QString tag = page.html();
        QVERIFY(tag.contains(QStringLiteral("background=")));

        modals.choose(broken);
        modals.error();
        QTest::mouseClick(Child<QPushButton>(page, "btnbodybg"), Qt::LeftButton);
        QTRY_VERIFY(modals.done());
        QCOMPARE(modals.unexpected, QStringList());
        QCOMPARE(modals.errors.size(), 1);
        QVERIFY(modals.errors.first().startsWith(QStringLiteral("Vellomar: ")));
        if (!message.isEmpty())
            QCOMPARE(modals.errors.first(), QStringLiteral("Vellomar: ") + message);
        QCOMPARE(page.html(), tag);
        QCOMPARE(Child<PictureBox>(page, "Image2")->picture(), before);
        QCOMPARE(Child<PictureBox>(page, "Image1")->picture().size(), QSize(127, 64));
    }

    // The whole way in the window: plug-ins loaded at start from the plugin
    // option's folder read a TGA, which tiles and reaches the copied tag.
    void windowReadsATgaThroughThePlugins() {
        QTemporaryDir plugins;
        const QString library = QStringLiteral(VELLOMAR_BINARY_DIR "/plugins/iftga.spi");
        if (!QFile::exists(library))
            QSKIP("the in-tree TGA importer is not built");
        // Owner-only copies: a folder others could write to is never loaded.
        const QString installed = plugins.filePath(QStringLiteral("iftga.spi"));
        QVERIFY(QFile::copy(library, installed));
        QFile::setPermissions(installed, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QString picture = m_dir.filePath(QStringLiteral("tile.tga"));
        QVERIFY(Write(picture, SmallTga()));

        const QString ini = m_dir.filePath(QStringLiteral("window.ini"));
        {
            SettingsStore store(ini);
            store.writeString(kOptionSection, QStringLiteral("plugin"), plugins.path());
            QVERIFY(store.sync());
        }
        SettingsStore store(ini);
        ProgramState state(store);
        TfrmMain w(state);
        QCOMPARE(state.options().plugin, plugins.path() + QLatin1Char('/'));
        QWidget& page = *Child<QWidget>(w, "TabSheet3");

        Modals modals;
        modals.choose(picture);
        QTest::mouseClick(Child<QPushButton>(page, "btnbodybg"), Qt::LeftButton);
        QVERIFY(modals.done());
        QCOMPARE(modals.unexpected, QStringList());
        QCOMPARE(modals.errors, QStringList());

        QImage expected(3, 2, QImage::Format_ARGB32);
        for (int i = 0; i < 6; ++i)
            expected.setPixel(i % 3, i / 3,
                              i % 2 ? qRgb(0x60, 0x40, 0x20) : qRgb(0xF0, 0x80, 0x10));
        VerifyTiled(Child<PictureBox>(page, "Image2")->picture(), expected);

        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        w.actions().ac_htmlcopy->trigger();
        QVERIFY(QGuiApplication::clipboard()->text().endsWith(QStringLiteral("background=\"") +
                                                              BodyBackgroundUrl(picture) +
                                                              QStringLiteral("\">\r\n")));
        w.close();
    }
};

QTEST_MAIN(TestBodyBackground)
#include "tst_bodybackground.moc"
