#include "TestSupport.h"
#include "settings/SettingsStore.h"
#include "style/Colors.h"

#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

using namespace tuk;
using namespace tuktest;

class TestSettingsStore : public QObject {
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
    void initTestCase() {
        // A user who never chose a documents folder of their own.
        qputenv("HOME", QFile::encodeName(dir_.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_.path() + "/config"));
    }

    void firstRunTakesDefaults() {
        SettingsStore store(Ini(QByteArray()));
        PageSettings page;
        WindowPlacement place;
        const LoadOutcome outcome = LoadSettings(store, page, place);
        QVERIFY(outcome.ok);
        QCOMPARE(DefaultTargetFolder(), dir_.path() + "/Documents/Tu_K/");
        QCOMPARE(page, Defaults());
        QCOMPARE(place, (WindowPlacement{0, 0, 6840, 5805}));
    }

    void values_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("check");
        QTest::addColumn<QString>("expected");
        auto row = [](const char* name, const char* ini, const char* check, const char* value) {
            QTest::newRow(name) << QByteArray(ini) << QString(check) << QString(value);
        };
        row("flag 0", "[Others]\nlLinx=0\n", "lLinx", "false");
        row("flag -1", "[Text]\nlBold=-1\n", "lBold", "true");
        row("flag TRUE", "[Text]\nlBold=TRUE\n", "lBold", "true");
        row("flag 0.4", "[Text]\nlBold=0.4\n", "lBold", "true");
        row("index flag", "[Others]\nlIndex=True\n", "lIndex", "true");
        row("flag 0.0", "[Others]\nlLinx=0.0\n", "lLinx", "false");
        row("BackR 300 kept", "[Colors]\nBackR=300\n", "BackR", "300");
        row("-32768 kept", "[Colors]\nBackR=-32768\n", "BackR", "-32768");
        row("32767 kept", "[Colors]\nBackG=32767\n", "BackG", "32767");
        row("blanks around", "[Colors]\nBackG=\" 12 \"\n", "BackG", "12");
        row("key missing in the middle", "[Colors]\nBackR=1\nBackB=3\n", "BackG", "192");
        row("fraction rounds to even", "[Colors]\nBackB=2.5\n", "BackB", "2");
        row("AlinkB key", "[Colors]\nAlinkB=7\nALinkB=9\n", "ALinkB", "7");
        row("target without slash", "[Others]\nTargetFolder=/srv/web\n", "TargetFolder",
            "/srv/web/");
        row("target with slash", "[Others]\nTargetFolder=/srv/web/\n", "TargetFolder", "/srv/web/");
        row("target empty", "[Others]\nTargetFolder=\n", "TargetFolder", "default");
        row("target with comma", "[Others]\nTargetFolder=/a,b\n", "TargetFolder", "/a,b/");
        row("font face kept", "[Text]\nsFontFace=times\n", "sFontFace", "times");
        row("font size 1", "[Text]\nnFontSize=1\n", "nFontSize", "1");
        row("font size 128", "[Text]\nnFontSize=128\n", "nFontSize", "128");
        row("window", "[Window]\nDefW=9000\n", "DefW", "9000");
        row("negative left", "[Window]\nDefL=-1200\n", "DefL", "-1200");
    }
    void values() {
        QFETCH(QByteArray, ini);
        QFETCH(QString, check);
        QFETCH(QString, expected);
        SettingsStore store(Ini(ini));
        PageSettings page;
        WindowPlacement place;
        QVERIFY(LoadSettings(store, page, place).ok);
        if (expected == "default")
            expected = DefaultTargetFolder();
        const QMap<QString, QString> actual{{"lLinx", FlagText(page.lLinx).toLower()},
                                            {"lBold", FlagText(page.lBold).toLower()},
                                            {"lCopyr", FlagText(page.lCopyr).toLower()},
                                            {"lIndex", FlagText(page.lIndex).toLower()},
                                            {"BackR", QString::number(page.BackR)},
                                            {"BackG", QString::number(page.BackG)},
                                            {"BackB", QString::number(page.BackB)},
                                            {"ALinkB", QString::number(page.ALinkB)},
                                            {"TargetFolder", page.TargetFolder},
                                            {"sFontFace", page.sFontFace},
                                            {"nFontSize", QString::number(page.nFontSize)},
                                            {"DefW", QString::number(place.DefW)},
                                            {"DefL", QString::number(place.DefL)}};
        QCOMPARE(actual.value(check), expected);
    }

    // A value that does not convert stops the load at its key: the keys before it are read,
    // it and every key after it take their defaults (the stored ones after it are not read).
    void failures_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("description");
        auto row = [](const char* name, const char* ini, StoreKey key, const char* why) {
            QTest::newRow(name) << QByteArray(ini) << int(key) << QString(why);
        };
        row("font size 256", "[Text]\nnFontSize=256\nlBold=True\n", StoreKey::nFontSize,
            "Overflow");
        row("font size 255", "[Text]\nnFontSize=255\n", StoreKey::nFontSize,
            "Invalid property value");
        row("font size 0", "[Text]\nnFontSize=0\n", StoreKey::nFontSize, "Invalid property value");
        row("font size 129", "[Text]\nnFontSize=129\n", StoreKey::nFontSize,
            "Invalid property value");
        row("colour text", "[Colors]\nLinkG=green\n", StoreKey::LinkG, "Type mismatch");
        row("colour exponent", "[Colors]\nLinkR=1e3\n", StoreKey::LinkR, "Type mismatch");
        row("colour 32768", "[Colors]\nTextR=32768\n", StoreKey::TextR, "Overflow");
        row("flag text", "[Others]\nlText=yes\n", StoreKey::lText, "Type mismatch");
        row("window empty", "[Window]\nDefH=\n", StoreKey::DefH, "Type mismatch");
    }
    void failures() {
        QFETCH(QByteArray, ini);
        QFETCH(int, key);
        QFETCH(QString, description);
        SettingsStore store(
            Ini("[Window]\nDefL=-7\n" + ini + "[Others]\nlCopyr=False\nTargetFolder=/srv/web/\n"));
        PageSettings page;
        WindowPlacement place;
        const LoadOutcome outcome = LoadSettings(store, page, place);
        QVERIFY(!outcome.ok);
        QCOMPARE(int(outcome.failedKey), key);
        QCOMPARE(outcome.description, description);
        QVERIFY(outcome.Loaded(static_cast<StoreKey>(key - 1)));
        QVERIFY(!outcome.Loaded(static_cast<StoreKey>(key)));
        QCOMPARE(place, (WindowPlacement{-7, 0, 6840, 5805}));
        QCOMPARE(page, Defaults());
        QVERIFY(outcome.Message().contains(QString::fromLatin1(NameOf(outcome.failedKey).key)));
    }

    void saveAndLoadRoundTrip() {
        const QString path = Ini(QByteArray());
        PageSettings page = DefaultPageSettings();
        page.ALinkB = 77;
        page.sFontFace = "Times";
        page.nFontSize = 5;
        page.lBold = true;
        page.lCopyr = false;
        page.lIndex = true;
        page.TargetFolder = "/srv/a b/";
        {
            SettingsStore store(path);
            SaveSettings(store, page);
            QVERIFY(store.Flush().isEmpty());
        }
        const QByteArray text = ReadFile(path);
        QVERIFY(text.contains("AlinkB=77"));
        QVERIFY(text.contains("lBold=True"));
        QVERIFY(text.contains("lCopyr=False"));
        QVERIFY(text.contains("lIndex=True"));
        QVERIFY(!text.contains("[Window]"));
        {
            SettingsStore store(path);
            SaveShutdownSettings(store, WindowPlacement{15, 30, 7000, 6000}, page.TargetFolder);
            QVERIFY(store.Flush().isEmpty());
        }
        SettingsStore store(path);
        PageSettings loaded;
        WindowPlacement place;
        QVERIFY(LoadSettings(store, loaded, place).ok);
        QCOMPARE(loaded, page);
        QCOMPARE(place, (WindowPlacement{15, 30, 7000, 6000}));
    }

    // A store that cannot be written: the flush gives the system's own reason and the file is
    // left as it was. Modes do not stop root; small file systems mounted for the test do.
    void unwritableStore_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("reason");
        QTest::newRow("read-only file") << "file mode"
                                        << "(Permission denied)";
        QTest::newRow("read-only folder") << "folder mode"
                                          << "(Permission denied)";
        QTest::newRow("read-only file system") << "read-only"
                                               << "(Read-only file system)";
        QTest::newRow("full disk") << "full"
                                   << "(No space left on device)";
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
        const QString said = store.Flush();
        QFile::setPermissions(locked.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY2(said.startsWith(path) && said.endsWith(reason), qPrintable(said));
        QCOMPARE(ReadFile(path), before);
    }

    // Text that is not INI loads as the defaults and stays as it is until the first write,
    // which keeps its bytes in the first free "<file>.bad", "<file>.bad.2", ... and starts a
    // fresh file. INI text with comments, blanks and any line ends is taken as it is.
    void notIni_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("malformed");
        auto row = [](const char* name, const QByteArray& bytes, bool malformed) {
            QTest::newRow(name) << bytes << malformed;
        };
        row("binary", QByteArray("\x00\x01\xff[[[\n=====\n[Colors\nBackR=\"5\n", 28), true);
        row("JSON", "{\"Colors\": {\"BackR\": 5}}\n", true);
        row("plain text", "BackR is 5\n", true);
        row("NUL padding", QByteArray("[Colors]\nBackR=5\n\0\0\0\0", 21), true);
        row("line without =", "[Colors]\nBackR=5\nBackG\n", true);
        row("truncated header", "[Colors]\nBackR=5\n[Text\n", true);
        row("text after header", "[Colors] x\nBackR=5\n", true);
        row("empty key", "[Colors]\nBackR=5\n=3\n", true);
        row("unterminated quote", "[Colors]\nBackR=5\nBackG=\"1\nBackB=2\n", true);
        row("not UTF-8", "[Colors]\nBackR=5\n[Others]\nTargetFolder=/caf\xe9/\n", true);
        row("hash comment", "# Tu_K\n[Colors]\nBackR=5\n", true);
        row("comments, blanks, CR LF", "; a\r\n\r\n  [Colors]  \r\n BackR = 5 \r\n", false);
        row("quotes, CR", "[Colors]\rBackR=\"5\"\r[Text]\rsFontFace=\"a\\\"b\"\r", false);
    }
    void notIni() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, malformed);
        const QString path = Ini(bytes);
        SettingsStore store(path);
        QCOMPARE(store.Malformed(), malformed);
        QVERIFY(!store.Unreadable());
        QCOMPARE(store.ReadSetting("Colors", "BackR", "none"), QString(malformed ? "none" : "5"));
        if (!malformed)
            return;
        PageSettings page;
        WindowPlacement place;
        QVERIFY(LoadSettings(store, page, place).ok);
        QCOMPARE(page, Defaults());
        QCOMPARE(ReadFile(path), bytes);
        QCOMPARE(store.KeepMalformedCopy(), path + ".bad");
        SaveShutdownSettings(store, WindowPlacement{1, 2, 3, 4}, "/t/");
        QCOMPARE(store.Flush(), QString());
        QCOMPARE(ReadFile(path + ".bad"), bytes);
        SettingsStore again(path);
        QVERIFY(!again.Malformed());
        QCOMPARE(again.ReadSetting("Window", "DefH", ""), QString("4"));
        QCOMPARE(again.ReadSetting("Colors", "BackR", "none"), QString("none"));
        // Each later damaged store is kept beside the earlier copies, which stay as they were.
        for (const char* next : {".bad.2", ".bad.3"}) {
            WriteFile(path, next);
            SettingsStore damaged(path);
            SaveSettings(damaged, page);
            QCOMPARE(damaged.Flush(), QString());
            QCOMPARE(ReadFile(path + next), QByteArray(next));
        }
        QCOMPARE(ReadFile(path + ".bad"), bytes);
    }

    // What is no regular file at the store's place is never opened (a FIFO would hang the
    // read, /dev/zero never end it) and never written over.
    void specialFileAtStore_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("folder") << "folder";
        QTest::newRow("FIFO") << "fifo";
        QTest::newRow("link to /dev/zero") << "zero link";
    }
    void specialFileAtStore() {
        QFETCH(QString, kind);
        const QString path = Ini(QByteArray());
        QVERIFY(MakeSpecialFile(path, kind));
        const mode_t before = FileKind(path);
        alarm(20); // a hang ends the test as a failure instead of stalling the suite
        SettingsStore store(path);
        QVERIFY(store.Unreadable());
        QVERIFY2(store.Problem().startsWith(path), qPrintable(store.Problem()));
        QCOMPARE(store.ReadSetting("Colors", "BackR", "9"), QString("9"));
        SaveSettings(store, DefaultPageSettings());
        QVERIFY(store.Flush().contains("could not be read"));
        alarm(0);
        QCOMPARE(FileKind(path), before);
    }

    // A file where the store's folder belongs makes writing fail for root as well; once it
    // is gone the values still pending are written by the next flush.
    void storeUnderAFile() {
        const QString blocker = dir_.path() + "/blocker";
        WriteFile(blocker, "x");
        SettingsStore store(blocker + "/Tu_K.conf");
        QVERIFY(!store.Unreadable());
        SaveShutdownSettings(store, WindowPlacement{1, 2, 3, 4}, "/t/");
        const QString reason = store.Flush();
        QVERIFY2(reason.contains("is not a folder"), qPrintable(reason));
        QFile::remove(blocker);
        MakeFolder(blocker);
        QCOMPARE(store.Flush(), QString());
        QVERIFY(ReadFile(blocker + "/Tu_K.conf").contains("DefW=3"));
    }
};

QTEST_APPLESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
