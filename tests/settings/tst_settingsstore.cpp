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

private Q_SLOTS:
    void firstRunTakesDefaults() {
        SettingsStore store(Ini(QByteArray()));
        PageSettings page;
        WindowPlacement place;
        const LoadOutcome outcome = LoadSettings(store, page, place, "/opt/tu_k");
        QVERIFY(outcome.ok);
        PageSettings expected = DefaultPageSettings();
        expected.TargetFolder = "/opt/tu_k/";
        QCOMPARE(page, expected);
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
        row("flag true", "[Text]\nlBold=true\n", "lBold", "true");
        row("flag TRUE", "[Text]\nlBold=TRUE\n", "lBold", "true");
        row("flag False", "[Others]\nlCopyr=False\n", "lCopyr", "false");
        row("BackR 300 kept", "[Colors]\nBackR=300\n", "BackR", "300");
        row("-32768 kept", "[Colors]\nBackR=-32768\n", "BackR", "-32768");
        row("blanks around", "[Colors]\nBackG=\" 12 \"\n", "BackG", "12");
        row("key missing in the middle", "[Colors]\nBackR=1\nBackB=3\n", "BackG", "192");
        row("fraction rounds to even", "[Colors]\nBackB=2.5\n", "BackB", "2");
        row("AlinkB key", "[Colors]\nAlinkB=7\nALinkB=9\n", "ALinkB", "7");
        row("target without slash", "[Others]\nTargetFolder=/srv/web\n", "TargetFolder",
            "/srv/web/");
        row("target with slash", "[Others]\nTargetFolder=/srv/web/\n", "TargetFolder", "/srv/web/");
        row("target empty", "[Others]\nTargetFolder=\n", "TargetFolder", "/");
        row("target with comma", "[Others]\nTargetFolder=/a,b\n", "TargetFolder", "/a,b/");
        row("font face kept", "[Text]\nsFontFace=times\n", "sFontFace", "times");
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
        QVERIFY(LoadSettings(store, page, place, "/opt").ok);
        const QMap<QString, QString> actual{{"lLinx", FlagText(page.lLinx).toLower()},
                                            {"lBold", FlagText(page.lBold).toLower()},
                                            {"lCopyr", FlagText(page.lCopyr).toLower()},
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
    // the ones after it keep what they held.
    void failures_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("description");
        auto row = [](const char* name, const char* ini, StoreKey key, const char* why) {
            QTest::newRow(name) << QByteArray(ini) << int(key) << QString(why);
        };
        row("font size 300", "[Text]\nnFontSize=300\nlBold=True\n", StoreKey::nFontSize,
            "Overflow");
        row("font size 0", "[Text]\nnFontSize=0\n", StoreKey::nFontSize, "Invalid property value");
        row("font size 200", "[Text]\nnFontSize=200\n", StoreKey::nFontSize,
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
        SettingsStore store(Ini(ini));
        PageSettings page;
        WindowPlacement place;
        const LoadOutcome outcome = LoadSettings(store, page, place, "/opt");
        QVERIFY(!outcome.ok);
        QCOMPARE(int(outcome.failedKey), key);
        QCOMPARE(outcome.description, description);
        QVERIFY(outcome.Loaded(static_cast<StoreKey>(key - 1)));
        QVERIFY(!outcome.Loaded(static_cast<StoreKey>(key)));
        // Everything after the failing key is untouched: still zero, false or empty.
        QVERIFY(!page.lCopyr);
        QVERIFY(page.TargetFolder.isEmpty());
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
        QVERIFY(!text.contains("[Window]"));
        {
            SettingsStore store(path);
            SaveShutdownSettings(store, WindowPlacement{15, 30, 7000, 6000}, page.TargetFolder);
            QVERIFY(store.Flush().isEmpty());
        }
        SettingsStore store(path);
        PageSettings loaded;
        WindowPlacement place;
        QVERIFY(LoadSettings(store, loaded, place, "/x").ok);
        QCOMPARE(loaded, page);
        QCOMPARE(place, (WindowPlacement{15, 30, 7000, 6000}));
    }

    // A read-only store file or folder: the flush says why and the file is left as it was.
    void readOnlyStore_data() {
        QTest::addColumn<bool>("lockFolder");
        QTest::newRow("read-only file") << false;
        QTest::newRow("read-only folder") << true;
    }
    void readOnlyStore() {
        QFETCH(bool, lockFolder);
        if (geteuid() == 0)
            QSKIP("root writes read-only files and folders");
        QTemporaryDir locked;
        const QString path = locked.path() + "/Tu_K.conf";
        const QByteArray before = lockFolder ? QByteArray() : "[Colors]\nBackR=1\n";
        if (!lockFolder)
            QVERIFY(WriteFile(path, before));
        QFile::setPermissions(lockFolder ? locked.path() : path,
                              QFile::ReadOwner | QFile::ExeOwner);
        SettingsStore store(path);
        SaveSettings(store, DefaultPageSettings());
        const QString reason = store.Flush();
        QFile::setPermissions(locked.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!reason.isEmpty());
        QCOMPARE(ReadFile(path), before);
    }

    // A text that is not INI loads as the defaults and is kept as "<file>.bad" by the first
    // write; the new file holds only what was written.
    void malformedFileIsSetAside() {
        const QByteArray junk("\x00\x01\xff[[[\n=====\n[Colors\nBackR=\"5\n", 28);
        const QString path = Ini(junk);
        SettingsStore store(path);
        QVERIFY(store.Malformed());
        PageSettings page;
        WindowPlacement place;
        QVERIFY(LoadSettings(store, page, place, "/p").ok);
        QCOMPARE(page.BackR, qint16(192));
        QCOMPARE(ReadFile(path), junk);
        SaveShutdownSettings(store, WindowPlacement{1, 2, 3, 4}, "/t/");
        QCOMPARE(store.Flush(), QString());
        QCOMPARE(ReadFile(path + ".bad"), junk);
        SettingsStore again(path);
        QVERIFY(!again.Malformed());
        QCOMPARE(again.ReadSetting("Window", "DefH", ""), QString("4"));
        QCOMPARE(again.ReadSetting("Colors", "BackR", "none"), QString("none"));
    }

    // A folder at the store's place cannot be read; it is never written over.
    void folderAtStoreIsRefused() {
        const QString path = dir_.path() + "/folder.conf";
        QVERIFY(MakeFolder(path));
        SettingsStore store(path);
        QVERIFY(store.Unreadable());
        QCOMPARE(store.ReadSetting("Colors", "BackR", "9"), QString("9"));
        SaveSettings(store, DefaultPageSettings());
        QVERIFY(store.Flush().contains("could not be read"));
        QVERIFY(QFileInfo(path).isDir());
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
