#include "settings/CustomColors.h"
#include "settings/OptionsStore.h"
#include "settings/ProgramOptions.h"
#include "settings/SettingsStore.h"
#include "settings/WindowPlacement.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class OptionsStoreTest : public ::testing::Test {
protected:
    QString path() const { return m_dir.filePath(QStringLiteral("settings.ini")); }
    void writeFile(const QByteArray& text) {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    ProgramOptions load() {
        SettingsStore store(path());
        ProgramOptions options;
        LoadOptions(store, options);
        return options;
    }
    void save(const ProgramOptions& options) {
        SettingsStore store(path());
        SaveOptions(store, options);
        ASSERT_TRUE(store.sync());
    }

    QTemporaryDir m_dir;
};

TEST_F(OptionsStoreTest, FirstStartGivesEveryDefault) {
    const ProgramOptions options = load();
    EXPECT_EQ(options.fonttable, DefaultFontTable());
    EXPECT_EQ(options.fonttable.size(), 7);
    EXPECT_EQ(options.fonttable.first(), QStringLiteral("ＭＳ Ｐゴシック,Osaka"));
    EXPECT_EQ(options.tblchar, QStringLiteral("★"));
    EXPECT_EQ(options.htmlcase, HtmlCase::Lower);
    NamedColorTable colors;
    LoadDefaultNamedColors(colors);
    EXPECT_EQ(options.colors, colors);
    ASSERT_EQ(options.bodyPresets.count(), 12);
    EXPECT_EQ(options.bodyPresets.at(1),
              (BodyPreset{QStringLiteral("白地に黒色"), 16777215, 0, 255, 16711680, 8388736}));
    EXPECT_EQ(options.bodyPresets.at(10).name, options.bodyPresets.at(9).name);
    EXPECT_EQ(options.bodyPresets.at(10).bgcolor, RgbToColor(0, 0, 0x80));
    EXPECT_EQ(options.viewback, 0xFFFFFFu);
    EXPECT_FALSE(options.colorconst);
    EXPECT_TRUE(options.htmlsave);
    EXPECT_TRUE(options.htmlcr);
    EXPECT_FALSE(options.wwwuse);
    EXPECT_TRUE(options.wwwname.isEmpty() && options.wwwname2.isEmpty());
    EXPECT_TRUE(options.plugin.isEmpty());
    EXPECT_EQ(options.markupstyle, MarkupStyle::Classic);

    const SettingsStore store(path());
    CustomColorSet black{};
    EXPECT_EQ(LoadCustomColors(store), black);
    EXPECT_EQ(LoadPlacement(store, QStringLiteral("frmMain"), false, {1280, 1024}, {627, 470}),
              QRect(326, 277, 627, 470));
    EXPECT_EQ(LoadPlacement(store, QStringLiteral("frmchart"), true, {1280, 1024}, {100, 100}),
              QRect(192, 154, 896, 716));
    // Reading creates nothing.
    EXPECT_FALSE(QFile::exists(path()));
}

TEST_F(OptionsStoreTest, SaveAndLoadGiveTheSameRecord) {
    ProgramOptions options = load();
    options.fonttable = {QStringLiteral("Arial,Helvetica"), QStringLiteral("ＭＳ 明朝")};
    options.tblchar = QStringLiteral("@x");
    options.htmlcase = HtmlCase::Capital;
    options.bodyPresets.append({QStringLiteral("say \"hi\", then  go "), 1, 2, 3, 4, 5});
    options.bodyPresets.append({QString(), 0xFFFFFF, 0, 0, 0, 0});
    options.viewback = RgbToColor(1, 2, 3);
    options.colorconst = true;
    options.htmlsave = false;
    options.htmlcr = false;
    options.wwwuse = true;
    options.wwwname = QStringLiteral("/usr/bin/fire fox");
    options.wwwname2 = QStringLiteral("C:\\Program Files\\x;y=z.exe");
    options.plugin = QStringLiteral("/opt/plug-ins/");
    options.markupstyle = MarkupStyle::Css;
    options.rawtext = true;
    options.colortemplates = {{QStringLiteral("hex, \"quoted\""), QStringLiteral("{hex}")}};
    save(options);
    EXPECT_EQ(load(), options);

    const SettingsStore store(path());
    EXPECT_EQ(store.readString(kOptionSection, QStringLiteral("colorcnt")), QStringLiteral("141"));
    EXPECT_EQ(store.readString(kOptionSection, QStringLiteral("colorcode0")),
              QStringLiteral("\"0\",\"#000000\",\"black\""));
    EXPECT_EQ(store.readString(kOptionSection, QStringLiteral("colorcode110")),
              QStringLiteral("\"255\",\"#FF0000\",\"red\""));
    EXPECT_EQ(store.readString(kOptionSection, QStringLiteral("bodycode1")),
              QStringLiteral("\"白地に黒色\",\"16777215\",\"0\",\"255\",\"16711680\",\"8388736\""));
    EXPECT_EQ(store.readString(kOptionSection, QStringLiteral("bodycode12")),
              QStringLiteral("\"say \"\"hi\"\", then  go \",\"1\",\"2\",\"3\",\"4\",\"5\""));
    EXPECT_EQ(store.readString(kOptionSection, QStringLiteral("viewback")),
              QStringLiteral("197121"));
    EXPECT_EQ(store.readString(kOptionSection, QStringLiteral("htmlsave")), QStringLiteral("0"));
    EXPECT_EQ(store.readString(kOptionSection, QStringLiteral("wwwuse")), QStringLiteral("1"));
}

TEST_F(OptionsStoreTest, FontTableSkipsMissingAndEmptyEntries) {
    writeFile("[Option]\nfonttablecnt=3\nfonttable0=Arial\nfonttable2=Impact\nfonttable3=Stale\n"
              "fonttable02=Wrong\n");
    EXPECT_EQ(load().fonttable, (QStringList{QStringLiteral("Arial"), QStringLiteral("Impact")}));
    writeFile("[Option]\nfonttablecnt=2\nfonttable0=\n");
    EXPECT_TRUE(load().fonttable.isEmpty());
    // A count no list could have reads what is there, without walking the count.
    writeFile("[Option]\nfonttablecnt=2147483647\nfonttable5=Impact\n");
    EXPECT_EQ(load().fonttable, QStringList{QStringLiteral("Impact")});
}

TEST_F(OptionsStoreTest, StaleValuesBeyondAShortenedCountAreLeftAndIgnored) {
    ProgramOptions options = load();
    options.bodyPresets.append({QStringLiteral("thirteen"), 1, 1, 1, 1, 1});
    options.bodyPresets.append({QStringLiteral("fourteen"), 2, 2, 2, 2, 2});
    save(options);
    options.bodyPresets.removeAt(12);
    save(options);
    const SettingsStore store(path());
    EXPECT_EQ(store.readInteger(kOptionSection, QStringLiteral("bodycnt"), 0), 13);
    EXPECT_TRUE(store.contains(kOptionSection, QStringLiteral("bodycode13")));
    const ProgramOptions loaded = load();
    EXPECT_EQ(loaded.bodyPresets.count(), 13);
    EXPECT_EQ(loaded.bodyPresets.at(12).name, QStringLiteral("fourteen"));
    EXPECT_EQ(loaded, options);
}

TEST_F(OptionsStoreTest, DamagedCountsAndIntegersStayWithinBounds) {
    writeFile("[Option]\ncolorcnt=1000\nbodycnt=99\nhtmlcase=7\ntblchar=\nviewback=white\n"
              "colorcode255=\"1\",\"#010000\",\"last\"\ncolorcode256=\"2\",\"#020000\",\"over\"\n"
              "htmlcr=yes\nwwwuse=2\n");
    ProgramOptions options = load();
    EXPECT_EQ(options.colors.count(), NamedColorTable::Capacity);
    EXPECT_EQ(options.colors.at(255).name, QStringLiteral("last"));
    EXPECT_EQ(options.bodyPresets.count(), BodyPresetList::Capacity);
    EXPECT_EQ(options.htmlcase, HtmlCase::Lower);
    EXPECT_EQ(options.tblchar, QString());
    EXPECT_EQ(options.viewback, 0xFFFFFFu);
    EXPECT_TRUE(options.htmlcr);
    EXPECT_TRUE(options.wwwuse);

    writeFile("[Option]\ncolorcnt=many\nbodycnt=-3\nhtmlcase=-1\n");
    options = load();
    EXPECT_EQ(options.colors.count(), 141);
    EXPECT_EQ(options.bodyPresets.count(), 12);
    EXPECT_EQ(options.htmlcase, HtmlCase::Lower);
    writeFile("[Option]\nhtmlcase=256\n");
    EXPECT_EQ(load().htmlcase, HtmlCase::Lower);
    writeFile("[Option]\nhtmlcase=2\n");
    EXPECT_EQ(load().htmlcase, HtmlCase::Capital);
    // A markup style this version does not know is the classic one.
    for (const char* value : {"3", "-1", "css", "257"}) {
        writeFile(QByteArray("[Option]\nmarkupstyle=") + value + "\n");
        EXPECT_EQ(load().markupstyle, MarkupStyle::Classic) << value;
    }
    writeFile("[Option]\nmarkupstyle=1\n");
    EXPECT_EQ(load().markupstyle, MarkupStyle::Css);
}

// Every option as written by hand (or missing), and as the next save writes
// it: a good value stays, a missing or bad one becomes its default.
TEST_F(OptionsStoreTest, EachValueIsSavedAsItWasReadOrAsItsDefault) {
    struct Case {
        const char *key, *stored, *saved;
    };
    // clang-format off
    const Case cases[] = {
        {"tblchar", nullptr, "★"}, {"tblchar", "", ""},
        {"htmlcase", nullptr, "0"}, {"htmlcase", "2", "2"}, {"htmlcase", "3", "0"}, {"htmlcase", "x", "0"},
        {"viewback", nullptr, "16777215"}, {"viewback", "4294967295", "-1"},
        {"viewback", "4294967296", "16777215"}, {"viewback", "-2147483649", "16777215"},
        {"colorconst", nullptr, "0"}, {"colorconst", "-3", "1"}, {"htmlsave", nullptr, "1"},
        {"htmlsave", "0", "0"}, {"htmlcr", nullptr, "1"}, {"htmlcr", "off", "1"},
        {"wwwuse", nullptr, "0"}, {"wwwname", nullptr, ""}, {"wwwname2", "/bin/b", "/bin/b"},
        {"plugin", nullptr, ""}, {"rawtext", nullptr, "0"}, {"rawtext", "1", "1"},
        {"markupstyle", nullptr, "0"}, {"markupstyle", "1", "1"}, {"markupstyle", "2", "2"},
        {"markupstyle", "3", "0"},
        {"fonttablecnt", nullptr, "7"}, {"fonttablecnt", "-1", "7"}, {"colorcnt", "x", "141"},
        {"colorcnt", "300", "256"}, {"bodycnt", "0", "12"},
        {"interpolation", nullptr, "0"}, {"interpolation", "2", "2"}, {"interpolation", "3", "0"},
        {"interpolation", "-1", "0"}, {"interpolation", "oklab", "0"},
        {"csstemplatecnt", nullptr, "0"}, {"csstemplatecnt", "99999999", "0"},
    };
    // clang-format on
    int run = 0;
    for (const Case& c : cases) {
        // A new file each time: Qt keeps parsed INI files by name.
        const QString file = m_dir.filePath(QStringLiteral("case%1.ini").arg(run++));
        if (c.stored) {
            QFile out(file);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            out.write(QByteArray("[Option]\n") + c.key + '=' + c.stored + '\n');
        }
        ProgramOptions options;
        SettingsStore store(file);
        LoadOptions(store, options);
        SaveOptions(store, options);
        ASSERT_TRUE(store.sync());
        EXPECT_EQ(
            SettingsStore(file).readString(kOptionSection, QLatin1String(c.key)).toStdString(),
            c.saved)
            << c.key << "=" << (c.stored ? c.stored : "(none)");
    }
}

TEST_F(OptionsStoreTest, BadRecordsLeaveTheirSlotsAsTheyWere) {
    writeFile("[Option]\ncolorcnt=4\n"
              "colorcode0=\"red\",\"#FF0000\",\"red\"\n"
              "colorcode1=\"255\",\"#FF0000\"\n"
              "colorcode2=\"  16711680 \" , \"#0000FF\", \"blue\" ,\"extra\"\n"
              "colorcode3=\n"
              "bodycnt=3\n"
              "bodycode0=\"x\",\"1\",\"2\",\"3\",\"4\"\n"
              "bodycode1=\"y\",\"1\",\"2\",\"three\",\"4\",\"5\"\n"
              "bodycode2=\"z\",\"1\",\"2\",\"3\",\"4\",\"-16777201\"\n");
    ProgramOptions options;
    LoadDefaultNamedColors(options.colors);
    LoadDefaultBodyPresets(options.bodyPresets);
    const ProgramOptions before = options;
    SettingsStore store(path());
    LoadOptions(store, options);
    EXPECT_EQ(options.colors.count(), 4);
    EXPECT_EQ(options.colors.at(0), before.colors.at(0));
    EXPECT_EQ(options.colors.at(1), before.colors.at(1));
    EXPECT_EQ(options.colors.at(2),
              (NamedColor{0xFF0000, QStringLiteral("#0000FF"), QStringLiteral("blue")}));
    EXPECT_EQ(options.colors.at(3), before.colors.at(3));
    EXPECT_EQ(options.bodyPresets.count(), 3);
    EXPECT_EQ(options.bodyPresets.at(0), before.bodyPresets.at(0));
    EXPECT_EQ(options.bodyPresets.at(1), before.bodyPresets.at(1));
    EXPECT_EQ(options.bodyPresets.at(2).vlink, TColor(-16777201));
}

TEST_F(OptionsStoreTest, CustomColorsAreFourByteValues) {
    CustomColorSet colors{};
    for (int i = 0; i < 16; ++i)
        colors[std::size_t(i)] = TColor(0x010203 * i);
    {
        SettingsStore store(path());
        SaveCustomColors(store, colors);
        ASSERT_TRUE(store.sync());
        EXPECT_EQ(store.readBytes(kCustomColorsSection, QStringLiteral("ColorB")),
                  QByteArray("\x03\x02\x01\x00", 4));
    }
    EXPECT_EQ(LoadCustomColors(SettingsStore(path())), colors);

    // A value of the wrong length or kind counts as missing: the one buffer
    // keeps the colour read before it.
    writeFile("[CustomColors]\nColorA=@ByteArray(\\xff\\0\\0\\0)\nColorB=@ByteArray(\\x1\\x2)\n"
              "ColorC=16777215\nColorD=@ByteArray(\\0\\xff\\0\\0)\n");
    const CustomColorSet loaded = LoadCustomColors(SettingsStore(path()));
    EXPECT_EQ(loaded[0], 0xFFu);
    EXPECT_EQ(loaded[1], 0xFFu);
    EXPECT_EQ(loaded[2], 0xFFu);
    EXPECT_EQ(loaded[3], 0xFF00u);
    EXPECT_EQ(loaded[15], 0xFF00u);
}

TEST_F(OptionsStoreTest, ColoursAreWrittenAsSigned32BitNumbers) {
    writeFile("[Option]\nviewback=-1\nbodycnt=1\n"
              "bodycode0=\"x\",\"4294967295\",\"-2\",\"0\",\"255\",\"-16777216\"\n");
    ProgramOptions options = load();
    EXPECT_EQ(options.viewback, 0xFFFFFFFFu);
    EXPECT_EQ(options.bodyPresets.at(0).bgcolor, 0xFFFFFFFFu);
    EXPECT_EQ(options.bodyPresets.at(0).vlink, 0xFF000000u);
    options.colors.at(0).value = 0x80000000u;
    save(options);
    const SettingsStore store(path());
    EXPECT_EQ(store.readString(kOptionSection, QStringLiteral("viewback")), QStringLiteral("-1"));
    EXPECT_EQ(store.readString(kOptionSection, QStringLiteral("bodycode0")),
              QStringLiteral("\"x\",\"-1\",\"-2\",\"0\",\"255\",\"-16777216\""));
    EXPECT_EQ(store.readString(kOptionSection, QStringLiteral("colorcode0")),
              QStringLiteral("\"-2147483648\",\"#000000\",\"black\""));
    EXPECT_EQ(load(), options);
}

TEST_F(OptionsStoreTest, HandWrittenRecordsLoadAsWritten) {
    // The documented form, unescaped: Qt alone would split it at the commas
    // and lose the quotes that keep the blanks inside the fields.
    writeFile("[Option]\nbodycnt=1\n"
              "bodycode0=\"白地 に黒色\",\"16777215\",\"0\",\"255\",\"16711680\",\"8388736\"\n"
              "colorcnt=1\ncolorcode0=\"255\", \"#FF0000\", \"dark, red\"\n"
              "wwwname=/usr/bin/a, b\n"
              // Templates unreadable, nameless, named twice or beyond the count are left out.
              "csstemplatecnt=5\ncsstemplate0=\"a\",\"{rgb.r}, {rgb.g}\"\ncsstemplate1=\"b\"\n"
              "csstemplate2=\" \",\"x\"\ncsstemplate3=\"a\",\"y\"\ncsstemplate4=\"c\",\"{hex}\"\n"
              "csstemplate5=\"d\",\"z\"\n"
              "[colortable]\ncol0=\"黒 白\",\"2\",\"0\",\"300\",\"0\",\"16777215\"\n");
    const ProgramOptions options = load();
    EXPECT_EQ(options.bodyPresets.at(0),
              (BodyPreset{QStringLiteral("白地 に黒色"), 16777215, 0, 255, 16711680, 8388736}));
    EXPECT_EQ(options.colors.at(0),
              (NamedColor{255, QStringLiteral("#FF0000"), QStringLiteral("dark, red")}));
    EXPECT_EQ(options.wwwname, QStringLiteral("/usr/bin/a, b"));
    EXPECT_EQ(options.colortemplates,
              (ColorTemplateList{{QStringLiteral("a"), QStringLiteral("{rgb.r}, {rgb.g}")},
                                 {QStringLiteral("c"), QStringLiteral("{hex}")}}));
    {
        const SettingsStore store(path());
        EXPECT_EQ(store.readString(QStringLiteral("colortable"), QStringLiteral("col0")),
                  QStringLiteral("\"黒 白\",\"2\",\"0\",\"300\",\"0\",\"16777215\""));
    }
    // Saved and read again, by this program and by Qt, it is the same record.
    save(options);
    EXPECT_EQ(load(), options);
    const QSettings ini(path(), QSettings::IniFormat);
    EXPECT_EQ(ini.value(QStringLiteral("colortable/col0")).toString(),
              QStringLiteral("\"黒 白\",\"2\",\"0\",\"300\",\"0\",\"16777215\""));
}

TEST_F(OptionsStoreTest, PluginFolderIsCheckedAtStart) {
    const QString folder = m_dir.filePath(QStringLiteral("plug ins"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString separated = folder + QDir::separator();
    EXPECT_EQ(CheckedPluginFolder(folder), separated);
    EXPECT_EQ(CheckedPluginFolder(separated), separated);
    EXPECT_EQ(CheckedPluginFolder(folder + QLatin1Char('/')), folder + QLatin1Char('/'));
    EXPECT_EQ(CheckedPluginFolder(m_dir.filePath(QStringLiteral("gone"))), QString());
    EXPECT_EQ(CheckedPluginFolder(QString()), QString());
    writeFile("x");
    EXPECT_EQ(CheckedPluginFolder(path()), QString()); // a file is no folder
}

TEST_F(OptionsStoreTest, CustomColorsKeepAllFourBytes) {
    EXPECT_EQ(CustomColorBytes(0x01020304u), QByteArray("\x04\x03\x02\x01", 4));
    EXPECT_EQ(CustomColorFromBytes(QByteArray("\x04\x03\x02\x81", 4)), 0x81020304u);
    EXPECT_EQ(CustomColorFromBytes(QByteArray("\x04\x03\x02", 3)), std::nullopt);
    EXPECT_EQ(CustomColorFromBytes(QByteArray(5, '\0')), std::nullopt);

    writeFile("[CustomColors]\nColorA=@ByteArray(\\xff\\xff\\xff\\x2)\n"
              "ColorB=@ByteArray(\\x1\\0\\0\\x80)\n");
    CustomColorSet colors = LoadCustomColors(SettingsStore(path()));
    EXPECT_EQ(colors[0], 0x02FFFFFFu);
    EXPECT_EQ(colors[1], 0x80000001u);
    // What the colour dialog gives back: red, green and blue only.
    colors[0] = 0xFFFFFF;
    colors[1] = 0x000002;
    {
        SettingsStore store(path());
        SaveCustomColors(store, colors);
        ASSERT_TRUE(store.sync());
    }
    const SettingsStore store(path());
    EXPECT_EQ(store.readBytes(kCustomColorsSection, QStringLiteral("ColorA")),
              QByteArray("\xff\xff\xff\x02", 4));
    EXPECT_EQ(store.readBytes(kCustomColorsSection, QStringLiteral("ColorB")),
              QByteArray("\x02\0\0\0", 4));
    EXPECT_EQ(LoadCustomColors(store)[0], 0x02FFFFFFu);
}

TEST_F(OptionsStoreTest, FixedFormsTakeTheirStoredPositionOnly) {
    writeFile("[frmMainRect]\nleft=10\ntop=20\nwidth=627\nheight=470\n");
    const SettingsStore store(path());
    EXPECT_EQ(LoadPlacement(store, QStringLiteral("frmMain"), false, {800, 600}, {300, 200}),
              QRect(10, 20, 300, 200));
    EXPECT_EQ(LoadPlacement(store, QStringLiteral("frmMain"), true, {800, 600}, {300, 200}),
              QRect(10, 20, 627, 470));
    // Damaged numbers stay within the largest window there can be.
    writeFile("[frmchartRect]\nleft=2147483647\ntop=-2147483648\nwidth=2147483647\nheight=-5\n");
    EXPECT_EQ(LoadPlacement(SettingsStore(path()), QStringLiteral("frmchart"), true, {800, 600},
                            {300, 200}),
              QRect(16777215, -16777215, 16777215, 0));
    EXPECT_EQ(CenteredOver(QRect(100, 100, 600, 400), {200, 500}, {1000, 800}), QPoint(300, 150));
}

} // namespace
