#include "TestSupport.h"
#include "app/TableRows.h"
#include "settings/Placement.h"
#include "settings/StoredSettings.h"
#include "style/Colors.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tuk;
using namespace tuktest;

class TestSettings : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString Ini(const QByteArray& text) {
        static int n = 0;
        const QString path = QStringLiteral("%1/store%2.conf").arg(dir_.path()).arg(++n);
        if (!text.isNull())
            WriteFile(path, text);
        return path;
    }

    static PageSettings Defaults() {
        PageSettings page = DefaultPageSettings();
        page.TargetFolder = DefaultTargetFolder();
        return page;
    }

private Q_SLOTS:
    void initTestCase() { // a user who never chose a documents folder of their own
        qputenv("HOME", QFile::encodeName(dir_.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_.path() + "/config"));
    }

    void storedValuesLoadOrDefaultsStand() {
        PageSettings page;
        WindowPlacement place;
        SettingsStore none(Ini(QByteArray()));
        QVERIFY(LoadSettings(none, page, place).ok);
        QCOMPARE(DefaultTargetFolder(), dir_.path() + "/Documents/Tu_K/");
        QCOMPARE(page, Defaults());
        QCOMPARE(place, (WindowPlacement{0, 0, 6840, 5805}));
        SettingsStore store(
            Ini("[Window]\nDefL=-1200\nlMaxed=true\n[Colors]\nBackR=-32768\nBackG=32767\n"
                "BackB=2.5\nTextR=\" 12 \"\nLinkR=1\nLinkB=3\nAlinkB=7\nALinkB=9\n"
                "[Text]\nlCenter=0.4\nlBold=-1\nlItal=TRUE\n[Others]\nlLinx=0.0\n"));
        QVERIFY(LoadSettings(store, page, place).ok);
        QVERIFY(place.DefL == -1200 && place.lMaxed);
        QCOMPARE(
            QList<int>({page.BackR, page.BackG, page.BackB, page.TextR, page.LinkG, page.ALinkB}),
            QList<int>({-32768, 32767, 2, 12, DefaultPageSettings().LinkG, 7}));
        QVERIFY(page.lCenter && page.lBold && page.lItal && !page.lLinx);
        const std::tuple<const char*, int, int, const char*> targetRows[] = {
            {"/srv/web", 1, 480, "/srv/web/"}, {"", 128, 4096, ""}, {"/a,b", 2, 1600, "/a,b/"}};
        for (const auto& [target, size, web, expected] : targetRows) {
            SettingsStore other(Ini("[Text]\nnFontSize=" + QByteArray::number(size) +
                                    "\n[Others]\nnWebSize=" + QByteArray::number(web) +
                                    "\nTargetFolder=" + target + "\n"));
            QVERIFY(LoadSettings(other, page, place).ok);
            QCOMPARE(page.nFontSize, size);
            QCOMPARE(page.nWebSize, web);
            QCOMPARE(page.TargetFolder, *expected ? QString(expected) : DefaultTargetFolder());
        }
    }

    // A value that does not convert stops the load: keys from it on take their defaults.
    void badStoredValueRefusedWithItsKey_data() {
        Columns<QByteArray, QString, QString>("ini", "key", "description");
        const QString mismatch = "Type mismatch", invalid = "Invalid property value";
        for (const auto& [ini, key, description] :
             {std::tuple{"[Text]\nnFontSize=256\n", "nFontSize", QString("Overflow")},
              {"[Text]\nnFontSize=255\n", "nFontSize", invalid},
              {"[Text]\nnFontSize=0\n", "nFontSize", invalid},
              {"[Text]\nnFontSize=129\nlBold=True\n", "nFontSize", invalid},
              {"[Colors]\nLinkG=green\n", "LinkG", mismatch},
              {"[Colors]\nLinkR=1e3\n", "LinkR", mismatch},
              {"[Colors]\nTextR=32768\n", "TextR", "Overflow"},
              {"[Colors]\nAlinkB=-32769\n", "AlinkB", "Overflow"},
              {"[Others]\nlText=yes\n", "lText", mismatch},
              {"[Others]\nnWebSize=479\n", "nWebSize", "Overflow"},
              {"[Others]\nnWebSize=wide\n", "nWebSize", mismatch},
              {"[Window]\nDefH=\n", "DefH", mismatch},
              {"[Text]\nsFontFace=x onmouseover=alert(1)\n", "sFontFace", invalid},
              {"[Text]\nsFontFace=times\n", "sFontFace", invalid},
              {"[Others]\nTargetFolder=web\n", "TargetFolder", invalid},
              {"[Window]\nlMaxed=yes\n", "lMaxed", mismatch}})
            QTest::newRow(QByteArray(ini).replace('\n', ' ').constData())
                << QByteArray(ini) << QString(key) << description;
    }
    void badStoredValueRefusedWithItsKey() {
        QFETCH(QByteArray, ini);
        QFETCH(QString, key);
        const bool last = key == "TargetFolder" || key == "nWebSize"; // read after the tail
        SettingsStore store(Ini("[Window]\nDefL=-7\n" + ini +
                                (last ? "" : "[Others]\nlCopyr=False\nTargetFolder=/srv/web/\n")));
        PageSettings page;
        WindowPlacement place;
        const LoadOutcome outcome = LoadSettings(store, page, place);
        QVERIFY(!outcome.ok);
        QCOMPARE(QString(kSettings[size_t(outcome.failedRow)].key), key);
        QTEST(outcome.description, "description");
        QVERIFY(outcome.Loaded(kSettings[size_t(outcome.failedRow) - 1]));
        QVERIFY(!outcome.Loaded(kSettings[size_t(outcome.failedRow)]));
        QCOMPARE(place, (WindowPlacement{-7, 0, 6840, 5805}));
        QCOMPARE(page, Defaults());
        QVERIFY(outcome.Message().contains(key));
        // The window's keys are no page option: tu_k-make's load never reads them.
        QCOMPARE(LoadPageSettings(store, page).ok, ini.startsWith("[Window]"));
    }

    void saveAndLoadRoundTrip() {
        const QString path = Ini(QByteArray());
        PageSettings page = DefaultPageSettings();
        page.ALinkB = 77, page.nFontSize = 5, page.lBold = page.lIndex = true, page.lCopyr = false;
        page.sFontFace = "Times", page.TargetFolder = "/srv/a b/", page.nWebSize = 2048;
        SettingsStore saved(path);
        SaveSettings(saved, page);
        QVERIFY(saved.Flush().ok());
        const QByteArray text = ReadFile(path);
        QVERIFY(text.contains("lBold=True") && text.contains("lCopyr=False"));
        QVERIFY(!text.contains("[Window]"));
        SettingsStore closed(path);
        SaveShutdownSettings(closed, WindowPlacement{15, 30, 7000, 6000, true}, page.TargetFolder);
        QVERIFY(closed.Flush().ok());
        SettingsStore store(path);
        PageSettings loaded;
        WindowPlacement place;
        QVERIFY(LoadSettings(store, loaded, place).ok);
        QCOMPARE(loaded, page);
        QCOMPARE(place, (WindowPlacement{15, 30, 7000, 6000, true}));
    }

    // An unwritable store: the flush gives the system's reason, the file stays as it was.
    void unwritableStore_data() {
        Columns<QString, QString>("how", "reason");
        for (const auto& [how, reason] : {std::pair{"file mode", "Permission denied"},
                                          {"folder mode", "Permission denied"},
                                          {"read-only", "Read-only file system"},
                                          {"full", "No space left on device"}})
            QTest::newRow(how) << QString(how) << QString("(%1)").arg(reason);
    }
    void unwritableStore() {
        QFETCH(QString, how);
        QFETCH(QString, reason);
        const bool byMode = how.endsWith("mode");
        if (byMode && geteuid() == 0)
            QSKIP("root writes read-only files and folders");
        QTemporaryDir locked;
        ScratchMount disk(locked.path(), 8);
        if (!byMode && !disk.Ok())
            QSKIP("no file system can be mounted here");
        const QString path = locked.path() + "/Tu_K.conf";
        const QByteArray before = "[Colors]\nBackR=1\n";
        QVERIFY(WriteFile(path, before));
        if (how == "full")
            WriteFile(locked.path() + "/filler", QByteArray(64 * 1024, 'x')); // all that fits
        if (how == "read-only")
            QVERIFY(disk.MakeReadOnly());
        if (byMode)
            QFile::setPermissions(how == "folder mode" ? locked.path() : path,
                                  QFile::ReadOwner | QFile::ExeOwner);
        SettingsStore store(path);
        SaveSettings(store, DefaultPageSettings());
        const QString said = store.Flush().failure().text;
        QFile::setPermissions(locked.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY2(said.startsWith(path) && said.endsWith(reason), qPrintable(said));
        QCOMPARE(ReadFile(path), before);
    }

    // Text that is not INI reads as nothing; comments, blanks and any line ends are INI.
    void notIni() {
        const QList<std::pair<QByteArray, bool>> rows{
            {QByteArray("[Colors]\nBackR=5\n\0\0\0\0", 21), true},
            {"[Colors]\nBackR=5\nBackG\n", true},
            {"[Colors]\nBackR=5\n[Text\n", true},
            {"[Colors]\nBackR=5\n=3\n", true},
            {"[Colors]\nBackR=5\nBackG=\"1\nBackB=2\n", true},
            {"[Colors]\nBackR=5\n[Others]\nTargetFolder=/caf\xe9/\n", true},
            {"# Tu_K\n[Colors]\nBackR=5\n", true},
            {"; a\r\n\r\n  [Colors]  \r\n BackR = 5 \r\n", false},
            {"[Colors]\rBackR=\"5\"\r[Text]\rsFontFace=\"a\\\"b\"\r", false}};
        for (const auto& [bytes, malformed] : rows) {
            const RowName row(bytes);
            SettingsStore store(Ini(bytes));
            QCOMPARE(store.Malformed(), malformed);
            QVERIFY(!store.Unreadable());
            QCOMPARE(store.ReadSetting("Colors", "BackR", "none"),
                     QString(malformed ? "none" : "5"));
        }
    }

    // A malformed store loads as defaults; the first write keeps it in the first free "*.bad*".
    void malformedStoreIsKept() {
        const QByteArray bytes = "[Colors]\nBackR=5\nBackG\n";
        const QString path = Ini(bytes);
        SettingsStore store(path);
        PageSettings page;
        WindowPlacement place;
        QVERIFY(LoadSettings(store, page, place).ok);
        QCOMPARE(page, Defaults());
        QCOMPARE(ReadFile(path), bytes);
        QCOMPARE(*store.KeepMalformedCopy(), path + ".bad");
        SaveShutdownSettings(store, WindowPlacement{1, 2, 3, 4}, "/t/");
        QCOMPARE(store.Flush().failure().text, QString());
        QCOMPARE(ReadFile(path + ".bad"), bytes);
        SettingsStore again(path);
        QVERIFY(!again.Malformed());
        QCOMPARE(again.ReadSetting("Window", "DefH", ""), QString("4"));
        QCOMPARE(again.ReadSetting("Colors", "BackR", "none"), QString("none"));
        for (const char* next : {".bad.2", ".bad.3"}) {
            WriteFile(path, next);
            SettingsStore damaged(path);
            SaveSettings(damaged, page);
            QCOMPARE(damaged.Flush().failure().text, QString());
            QCOMPARE(ReadFile(path + next), QByteArray(next));
        }
        QCOMPARE(ReadFile(path + ".bad"), bytes);
    }

    // A file in the way of the store's folder fails even root; the next flush then writes.
    void storeUnderAFile() {
        const QString blocker = dir_.path() + "/blocker";
        WriteFile(blocker, "x");
        SettingsStore store(blocker + "/Tu_K.conf");
        QVERIFY(!store.Unreadable());
        SaveShutdownSettings(store, WindowPlacement{1, 2, 3, 4}, "/t/");
        QVERIFY(store.Flush().failure().text.contains("is not a folder"));
        QFile::remove(blocker);
        MakeFolder(blocker);
        QCOMPARE(store.Flush().failure().text, QString());
        QVERIFY(ReadFile(blocker + "/Tu_K.conf").contains("DefW=3"));
    }

    void twipsAndPixelsRoundRight() {
        for (const auto& [twips, dpi, pixels] : {std::tuple{6840, 96.0, 456},
                                                 {22, 96.0, 1},
                                                 {23, 96.0, 2},
                                                 {6840, 144.0, 684},
                                                 {-3000, 96.0, -200}}) {
            QCOMPARE(TwipsToPixels(twips, dpi), pixels);
            QVERIFY(qAbs(PixelsToTwips(pixels, dpi) - twips) <= 1440 / dpi / 2 + 1);
        }
        QCOMPARE(PlacementOfBounds(QRect(10, 20, 456, 387), 96),
                 (WindowPlacement{150, 300, 6840, 5805}));
        // Wider than 32767 twips: the largest width the field holds, not a negative one.
        QCOMPARE(PlacementOfBounds(QRect(-3000, 0, 3840, 2160), 96),
                 (WindowPlacement{-32768, 0, 32767, 32400}));
        QCOMPARE(BoundsOfPlacement(WindowPlacement{150, 300, 6840, 5805}, 96),
                 QRect(10, 20, 456, 387));
    }

    // Outer bounds, or the designed size at the corner when minimised; unknown positions stay;
    // a maximised window keeps its normal bounds and says so.
    void closeStoresTheNormalBounds() {
        const WindowPlacement stored{150, 300, 9000, 7500};
        const QRect bounds(-3, -30, 500, 400);
        for (const auto& [outer, known, maxed, expected] :
             {std::tuple{std::optional(bounds), true, false, QRect(-45, -450, 7500, 6000)},
              {bounds, false, true, QRect(150, 300, 7500, 6000)},
              {std::nullopt, true, true, QRect(0, 0, 6840, 5805)},
              {std::nullopt, false, false, QRect(150, 300, 6840, 5805)}}) {
            const WindowPlacement place = PlacementAtClose(stored, outer, 96, known, maxed);
            QCOMPARE(QRect(place.DefL, place.DefT, place.DefW, place.DefH), expected);
            QCOMPARE(place.lMaxed, maxed && outer);
        }
    }

    // The whole window on the screen it covers most (else the primary, listed first): its
    // size cut to the available area, never below the minimum, then moved just enough.
    void fitOnScreens_data() {
        Columns<QRect, QSize, QRect>("asked", "minimum", "fitted");
        const QSize small(300, 200);
        Row("inside, unchanged", QRect(2000, 100, 500, 400), small, QRect(2000, 100, 500, 400));
        Row("over the right edge", QRect(1800, 900, 500, 400), small, QRect(1420, 680, 500, 400));
        Row("mostly on the second", QRect(1800, 0, 500, 400), small, QRect(1920, 0, 500, 400));
        Row("off every screen", QRect(-900, 2000, 500, 400), small, QRect(0, 680, 500, 400));
        Row("larger than its screen", QRect(1900, 10, 1400, 900), small, QRect(1920, 0, 1280, 800));
        Row("below the minimum", QRect(2000, 0, 100, 50), small, QRect(2000, 0, 300, 200));
        Row("minimum beyond it", QRect(9, 9, 0, 0), QSize(300, 2000), QRect(9, 30, 300, 2000));
    }
    void fitOnScreens() {
        QFETCH(QRect, asked);
        QFETCH(QSize, minimum);
        const QList<QRect> available{QRect(0, 30, 1920, 1050), QRect(1920, 0, 1280, 800)};
        QTEST(FitOnScreens(asked, available, minimum), "fitted");
    }

    void colourValuesAndNamesConvert() {
        for (const auto& [component, hex] :
             {std::pair{0, "00"}, {9, "09"}, {10, "0a"}, {255, "ff"}, {300, "12c"}})
            QCOMPARE(HexPair(component), QString(hex));
        for (const auto& [colour, part, value] : {std::tuple{0x0000FFu, 0, 255},
                                                  {0x800000u, 2, 128},
                                                  {0x123456u, 1, 0x34},
                                                  {0xFFFFFFu, 3, 0},
                                                  {0xFFFFFFu, -1, 0},
                                                  {0x80000005u, 0, 0}})
            QCOMPARE(ColorPart(part, colour), value); // a system colour reads as black
        for (const auto& [colour, name] : {std::pair{0x008080u, "YELLOW"},
                                           {0xC0C0C0u, "WHITE"},
                                           {0xFFFFFFu, "LT WHITE"},
                                           {0xC0C0C1u, "UNDEFINED"}})
            QCOMPARE(QBColorName(colour), QString(name));
        // The presets compose from their own parts and each has a name of its own.
        QSet<QString> names;
        for (const PresetColor& preset : PresetColors) {
            QCOMPARE(MakeColorValue(ColorPart(0, preset.value), ColorPart(1, preset.value),
                                    ColorPart(2, preset.value)),
                     preset.value);
            names.insert(QBColorName(preset.value));
        }
        QCOMPARE(names.size(), 16);
        QCOMPARE(PresetColors[12].value, MakeColorValue(255, 0, 0));
    }

    void bodyStringClampsEveryColour() {
        for (const auto& [value, hex] :
             {std::pair{10, "0a0a0a"}, {300, "ffffff"}, {-5, "000000"}}) {
            PageSettings s;
            for (int slot = 0; slot < kColorSlotCount; ++slot)
                for (int c = 0; c < 3; ++c)
                    s.Component(static_cast<ColorSlot>(slot), c) = static_cast<qint16>(value);
            QCOMPARE(MakeBodyString(s),
                     QString("<body bgcolor=#%1 text=#%1 link=#%1 vlink=#%1 alink=#%1>").arg(hex));
        }
        PageSettings s = DefaultPageSettings();
        s.TextR = 0x12, s.TextG = 0x34, s.TextB = 0x56;
        QVERIFY(MakeBodyString(s).contains(QLatin1String(" text=#123456 ")));
        QCOMPARE(SlotColorValue(s, ColorSlot::Text), 0x563412u);
    }
};

QTEST_APPLESS_MAIN(TestSettings)
#include "tst_settings.moc"
