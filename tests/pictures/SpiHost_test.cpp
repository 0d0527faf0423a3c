// The plug-in host through real libraries: loading, classes, search rules,
// the read order, the 2048-byte buffer, the 128-byte retry and broken plug-ins.
#include "DibTestUtil.h"
#include "SpiTestUtil.h"

#include "pictures/PictureStartup.h"
#include "pictures/SpiErrors.h"
#include "pictures/TSPIBitmap.h"
#include "pictures/TSPIVmDIB.h"
#include "pictures/TSPIs.h"

#include <QBuffer>
#include <fcntl.h>
#include <future>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace spitest;

namespace {

QString PictureError(TSPIVmDIB& dib, const QString& path) {
    try {
        dib.LoadFromFile(path);
    } catch (const EPictureError& e) {
        return e.message();
    }
    return QString();
}

} // namespace

TEST(SpiHost, ClassesByApiVersionAndBrokenLibraries) {
    QTemporaryDir dir;
    ASSERT_TRUE(Install(dir, {TestSpi("good"), TestSpi("archive"), TestSpi("missing_entry")}));
    auto good = CreatePluginFromFile(dir.filePath("good.spi"));
    ASSERT_TRUE(good);
    EXPECT_EQ(good->Class(), TSPIClass::InSPI);
    EXPECT_EQ(good->APIVersion(), "00IN");
    EXPECT_EQ(good->Description(), "Test importer");
    EXPECT_EQ(good->Filters(),
              QStringList({"*.pic", "*.mag;*.max", "*.jpg;*.jpeg", "*.bmp", "*.tsp"}));
    EXPECT_EQ(good->FormatDescriptions().at(1), "Mag picture");
    auto archive = CreatePluginFromFile(dir.filePath("archive.spi"));
    ASSERT_TRUE(archive);
    EXPECT_EQ(archive->Class(), TSPIClass::AmSPI);
    EXPECT_TRUE(archive->InheritsFrom(TSPIClass::LoaderSPI));

    // No GetPicture: no plug-in object, and the class check names what is missing.
    const QString missing = dir.filePath("missing_entry.spi");
    EXPECT_FALSE(CreatePluginFromFile(missing));
    TInSPI importer;
    try {
        importer.Open(missing);
        ADD_FAILURE();
    } catch (const ESPIInvalidAPI& e) {
        EXPECT_EQ(e.message(), "GetPictureは[" + missing + "]では使えないSusie Plugin APIです");
    }
    // Not an ELF file, and a file that is not there.
    const QString text = dir.filePath("text.spi");
    ASSERT_TRUE(WriteFile(text, "INPUT(libc.so.6)\n"));
    EXPECT_FALSE(CreatePluginFromFile(text));
    TSPI probe;
    try {
        probe.Open(text);
        ADD_FAILURE();
    } catch (const ESPIFOpenErrorSPI& e) {
        EXPECT_EQ(e.message(), text + ":Susie Pluginがロードできませんでした");
    }
    EXPECT_FALSE(CreatePluginFromFile(dir.filePath("absent.spi")));
}

TEST(SpiHost, OneHostOnly) {
    TSPIs host;
    EXPECT_EQ(TSPIs::Instance(), &host);
    try {
        TSPIs second;
        ADD_FAILURE();
    } catch (const ESPIDupCreateSPIs& e) {
        EXPECT_EQ(e.message(), "TSPIs は複数生成できません");
    }
    EXPECT_EQ(TSPIs::Instance(), &host);
}

TEST(SpiHost, EachLibraryLoadsOnceWhateverPathReachesIt) {
    QTemporaryDir dir, links;
    ASSERT_TRUE(Install(dir, {TestSpi("good"), InTreeSpi("ifpnm"), TestSpi("archive")}));
    ASSERT_TRUE(QFile::link(dir.path(), links.filePath("same")));
    QString folder = dir.path();
    TSPIs host;
    host.OnSearch = SPIs1Search;
    host.Search(folder + "/*.spi");
    ASSERT_EQ(host.Count(), 2); // the archive plug-in is freed again
    host.Search(folder + "/./*.spi");
    host.Search(folder + "//*.SPI");
    host.Search(links.filePath("same") + "/*.spi");
    host.SearchOptions = spsCurrentDir;
    const QString current = QDir::currentPath();
    QDir::setCurrent(folder);
    host.Search("*.spi");
    QDir::setCurrent(current);
    EXPECT_EQ(host.Count(), 2);
    EXPECT_GE(host.IndexOfFile(dir.filePath("GOOD.spi")), 0); // letter case aside
    EXPECT_EQ(host.IndexOfFile(dir.filePath("other.spi")), -1);

    // A name that only begins or ends like the mask is no match.
    QTemporaryDir near;
    ASSERT_TRUE(QFile::copy(dir.filePath("good.spi"), near.filePath("good.spi.old")));
    ASSERT_TRUE(QFile::copy(dir.filePath("good.spi"), near.filePath("good.spix")));
    ASSERT_TRUE(QFile::copy(dir.filePath("good.spi"), near.filePath("xgood.spi")));
    host.Search(near.path() + "/good.spi");
    EXPECT_EQ(host.Count(), 2);
    host.Search(near.path() + "/G?OD.*X");
    EXPECT_EQ(host.Count(), 3);
    EXPECT_GE(host.IndexOfFile(near.filePath("good.spix")), 0);
}

TEST(SpiHost, FoldersAndFilesOthersCanWriteAreSkipped) {
    QTemporaryDir dir;
    ASSERT_TRUE(Install(dir, {TestSpi("good"), InTreeSpi("ifpnm")}));
    QFile::setPermissions(dir.filePath("good.spi"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::WriteGroup);
    TSPIs host;
    host.Search(dir.path() + "/*.spi");
    ASSERT_EQ(host.Count(), 1);
    EXPECT_TRUE(host.Items(0).ModuleFileName().endsWith("ifpnm.spi"));
    host.Clear();
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                          QFile::WriteOther | QFile::ExeOther);
    host.Search(dir.path() + "/*.spi");
    EXPECT_EQ(host.Count(), 0);
}

// Each folder above a plug-in counts too, the one a link leads to included;
// a FIFO among the plug-ins does not stop the search.
TEST(SpiHost, FoldersAboveAndLinkTargetsOthersCanWriteAreSkipped) {
    QTemporaryDir dir;
    const QString open = dir.filePath("open"), safe = dir.filePath("safe");
    ASSERT_TRUE(QDir(dir.path()).mkpath("open/own") && QDir(dir.path()).mkpath("safe"));
    ASSERT_TRUE(Install(open, {TestSpi("good")}) && Install(open + "/own", {TestSpi("good")}));
    ASSERT_TRUE(Install(safe, {InTreeSpi("ifpnm")}));
    ASSERT_TRUE(QFile::setPermissions(open, QFile::Permissions(0x7777)));
    ASSERT_TRUE(QFile::link(open + "/good.spi", safe + "/linked.spi"));
    const QByteArray fifo = QFile::encodeName(safe + "/fifo.spi");
    ASSERT_EQ(mkfifo(fifo.constData(), 0600), 0);
    TSPIs host;
    auto search = std::async(std::launch::async, [&] {
        host.Search(open + "/own/*.spi");
        host.Search(safe + "/*.spi");
    });
    if (search.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        ::close(::open(fifo.constData(), O_WRONLY | O_NONBLOCK)); // lets the search go on
        ADD_FAILURE() << "the search waited on the FIFO";
    }
    search.wait();
    ASSERT_EQ(host.Count(), 1);
    EXPECT_EQ(host.Items(0).ModuleFileName(), safe + "/ifpnm.spi");
}

TEST(SpiHost, FormatsRegisterPerFilterWithoutJpeg) {
    QTemporaryDir dir;
    ASSERT_TRUE(Install(dir, {TestSpi("good")}));
    TPictureFormats& formats = TPictureFormats::Instance();
    const TGraphicClass* jpegBefore = formats.FindExtension("jpg");
    {
        TSPIs host;
        QStringList seen;
        host.OnPictureRegister = [&](TInSPI& p, const QString& e, const QString& d,
                                     const TGraphicClass*& c) {
            seen << e + "=" + d;
            SPIs1PictureRegister(p, e, d, c);
        };
        host.Search(dir.path() + "/*.spi");
        EXPECT_EQ(seen, QStringList({"pic=Pic picture", "mag=Mag picture", "max=Mag picture",
                                     "jpg=Jpeg picture", "jpeg=Jpeg picture", "bmp=Bmp by plug-in",
                                     "tsp=Test picture"}));
    }
    EXPECT_EQ(formats.FindExtension("pic"), &TSPIVmDIB::Class);
    EXPECT_EQ(formats.FindExtension(".MAX"), &TSPIVmDIB::Class);
    EXPECT_EQ(formats.FindExtension("jpg"), jpegBefore);
    EXPECT_NE(formats.FindExtension("jpeg"), &TSPIVmDIB::Class);
    EXPECT_TRUE(formats.GraphicFilter().contains("|Mag picture (*.max)|*.max|"));
    // Without a handler the host's default class is registered.
    formats.Unregister(&TSPIVmDIB::Class);
    {
        TSPIs host;
        host.Search(dir.path() + "/*.spi");
    }
    EXPECT_EQ(formats.FindExtension("pic"), &TSPIBitmap::Class);
    EXPECT_EQ(formats.FindExtension("jpg"), &TSPIBitmap::Class);
    formats.Unregister(&TSPIBitmap::Class);
}

TEST(SpiHost, ImportersNamingTheExtensionComeFirstNewestFirst) {
    QTemporaryDir dir;
    ASSERT_TRUE(Install(dir, {InTreeSpi("ifpnm"), TestSpi("good"), TestSpi("info_fails")}));
    TSPIs host;
    for (const char* name : {"ifpnm.spi", "good.spi", "info_fails.spi"})
        host.Add(CreatePluginFromFile(dir.filePath(name)));
    const auto found = host.FindPluginsForExtension({TSPIClass::InSPI}, "/x/y.TSP");
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0], &host.Items(2));
    EXPECT_EQ(found[1], &host.Items(1));
    EXPECT_EQ(found[2], &host.Items(0));
    EXPECT_TRUE(host.FindPluginsForExtension({TSPIClass::AmSPI}, ".tsp").empty());
}

// The test plug-in installed and searched, for the tests that load through it.
class SpiHostWithGood : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Install(dir, {TestSpi("good")}));
        host.Search(dir.path() + "/*.spi");
    }
    QTemporaryDir dir;
    TSPIs host;
};

TEST_F(SpiHostWithGood, BmpFilesGoToTheDibReaderFirst) {
    auto calls = Hook<int (*)()>(dir.filePath("good.spi"), "TestIsSupportedCalls");
    ASSERT_TRUE(calls);
    const int before = calls();
    TSPIVmDIB dib;
    dib.LoadFromFile(VELLOMAR_TESTDATA "/bmpsuite/g/rgb24.bmp");
    EXPECT_EQ(dib.LastReader(), "BMP");
    EXPECT_EQ(calls(), before);
    // A ".bmp" the DIB reader refuses still reaches the plug-ins.
    const QString fake = dir.filePath("fake.bmp");
    ASSERT_TRUE(WriteFile(fake, TestPicture(3, 2)));
    dib.LoadFromFile(fake);
    EXPECT_EQ(dib.LastReader(), dir.filePath("good.spi"));
    EXPECT_EQ(dib.GetWidth(), 3);
}

TEST_F(SpiHostWithGood, ShortFilesAreOfferedAsZeroFilled2048Bytes) {
    const QString lib = dir.filePath("good.spi");
    QByteArray bytes = TestPicture(5, 6); // 96 bytes
    bytes.append("\x11\x22\x33\x44", 4);
    ASSERT_EQ(bytes.size(), 100);
    const QString path = dir.filePath("short.tsp");
    ASSERT_TRUE(WriteFile(path, bytes));
    TSPIVmDIB dib;
    dib.LoadFromFile(path);
    const unsigned char* probe = Hook<const unsigned char* (*)()>(lib, "TestLastProbe")();
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(probe), 100), bytes);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(probe) + 100, 1948), QByteArray(1948, 0));
    EXPECT_EQ(Hook<long (*)()>(lib, "TestLastInfoLength")(), 100);
    EXPECT_EQ(Hook<long (*)()>(lib, "TestLastPictureLength")(), 100);
    const dibtest::Pixels pixels(dib);
    ASSERT_EQ(pixels.width(), 5);
    EXPECT_EQ(pixels.at(1, 0), qRgb(7, 13, 254));
    EXPECT_EQ(pixels.at(4, 5), qRgb(203, 121, 226));
}

TEST(SpiHost, FileReadOnlyPast128BytesLoadsOnRetry) {
    QTemporaryDir dir;
    ASSERT_TRUE(Install(dir, {InTreeSpi("ifpnm")}));
    TSPIs host;
    host.Search(dir.path() + "/*.spi");
    const QString path = dir.filePath("mac.ppm");
    ASSERT_TRUE(WriteFile(path, QByteArray(128, 'M') + "P3\n2 1\n255\n1 2 3 4 5 6\n"));
    TSPIVmDIB dib;
    dib.LoadFromFile(path);
    EXPECT_EQ(dibtest::Pixels(dib).at(1, 0), qRgb(4, 5, 6));
    dib.RetryPast128 = false;
    EXPECT_EQ(PictureError(dib, path), "認識できない画像形式です");
}

TEST(SpiHost, BrokenPluginOutputIsRefusedWithoutLeaks) {
    QTemporaryDir dir;
    ASSERT_TRUE(Install(dir, {TestSpi("info_fails"), TestSpi("bad_sizes"), TestSpi("huge"),
                              TestSpi("null_handle"), TestSpi("bogus_text")}));
    const QString path = dir.filePath("p.tsp");
    ASSERT_TRUE(WriteFile(path, TestPicture(4, 3)));
    for (const char* kind : {"bad_sizes", "huge", "null_handle"}) {
        TSPIs host;
        host.Add(CreatePluginFromFile(dir.filePath(QString(kind) + ".spi")));
        const size_t blocks = LocalBlockCount();
        TSPIVmDIB dib;
        EXPECT_EQ(PictureError(dib, path), "認識できない画像形式です") << kind;
        EXPECT_EQ(LocalBlockCount(), blocks) << kind;
        EXPECT_EQ(dib.GetWidth(), 1) << kind; // the blank picture is kept
    }
    // A failing GetPictureInfo, or a text handle nobody gave out, costs nothing.
    for (const char* kind : {"info_fails", "bogus_text"}) {
        TSPIs host;
        host.Add(CreatePluginFromFile(dir.filePath(QString(kind) + ".spi")));
        TSPIVmDIB dib;
        dib.LoadFromFile(path);
        EXPECT_EQ(dib.GetWidth(), 4) << kind;
        EXPECT_EQ(dibtest::Pixels(dib).at(0, 0), qRgb(0, 0, 255)) << kind;
    }
}

TEST_F(SpiHostWithGood, ProgressRunsAndAnAbortCancels) {
    const QString path = dir.filePath("p.tsp");
    ASSERT_TRUE(WriteFile(path, TestPicture(2, 4)));
    TSPIVmDIB dib;
    std::vector<std::pair<TProgressStage, int>> seen;
    dib.OnProgress = [&](TVmGraphic&, TProgressStage s, int p, const QRect&, const QString&) {
        seen.emplace_back(s, p);
    };
    dib.LoadFromFile(path);
    ASSERT_GE(seen.size(), 3u);
    EXPECT_EQ(seen.front(), std::make_pair(TProgressStage::Starting, 0));
    EXPECT_EQ(seen[1], std::make_pair(TProgressStage::Running, 26)); // 1 * 98 / 4 + 1
    EXPECT_EQ(seen.back().first, TProgressStage::Ending);
    const size_t blocks = LocalBlockCount();
    dib.OnProgress = [](TVmGraphic&, TProgressStage s, int, const QRect&, const QString&) {
        if (s == TProgressStage::Running)
            throw EAbort();
    };
    EXPECT_EQ(PictureError(dib, path), "認識できない画像形式です");
    EXPECT_EQ(LocalBlockCount(), blocks);
}

TEST_F(SpiHostWithGood, TrueColourPaletteFollowsTheSetting) {
    const QString path = dir.filePath("p.tsp");
    ASSERT_TRUE(WriteFile(path, TestPicture(3, 3)));
    SetScreenHasPalette(false);
    TSPIVmDIB dib;
    dib.LoadFromFile(path);
    EXPECT_EQ(dib.InternalDIB().header().biClrUsed, 0u);
    SetScreenHasPalette(true);
    dib.LoadFromFile(path);
    EXPECT_GT(dib.InternalDIB().header().biClrUsed, 0u);
    SetScreenHasPalette(false);
    dib.TrueColorPalette = 2;
    dib.LoadFromFile(path);
    EXPECT_GT(dib.InternalDIB().header().biClrUsed, 0u);
    TSPIVmDIB copy;
    copy.Assign(&dib);
    EXPECT_EQ(copy.TrueColorPalette, 2);
}
