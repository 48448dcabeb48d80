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
        QTest::newRow("flag 0") << QByteArray("[Others]\nlLinx=0\n") << "lLinx"
                                << "false";
        QTest::newRow("flag -1") << QByteArray("[Text]\nlBold=-1\n") << "lBold"
                                 << "true";
        QTest::newRow("flag true") << QByteArray("[Text]\nlBold=true\n") << "lBold"
                                   << "true";
        QTest::newRow("flag False") << QByteArray("[Others]\nlCopyr=False\n") << "lCopyr"
                                    << "false";
        QTest::newRow("BackR 300 kept") << QByteArray("[Colors]\nBackR=300\n") << "BackR"
                                        << "300";
        QTest::newRow("blanks around") << QByteArray("[Colors]\nBackG=\" 12 \"\n") << "BackG"
                                       << "12";
        QTest::newRow("fraction rounds to even") << QByteArray("[Colors]\nBackB=2.5\n") << "BackB"
                                                 << "2";
        QTest::newRow("AlinkB key") << QByteArray("[Colors]\nAlinkB=7\nALinkB=9\n") << "ALinkB"
                                    << "7";
        QTest::newRow("target without slash")
            << QByteArray("[Others]\nTargetFolder=/srv/web\n") << "TargetFolder"
            << "/srv/web/";
        QTest::newRow("target with slash")
            << QByteArray("[Others]\nTargetFolder=/srv/web/\n") << "TargetFolder"
            << "/srv/web/";
        QTest::newRow("target empty") << QByteArray("[Others]\nTargetFolder=\n") << "TargetFolder"
                                      << "/";
        QTest::newRow("target with comma")
            << QByteArray("[Others]\nTargetFolder=/a,b\n") << "TargetFolder"
            << "/a,b/";
        QTest::newRow("font face kept") << QByteArray("[Text]\nsFontFace=times\n") << "sFontFace"
                                        << "times";
        QTest::newRow("font size 128") << QByteArray("[Text]\nnFontSize=128\n") << "nFontSize"
                                       << "128";
        QTest::newRow("window") << QByteArray("[Window]\nDefW=9000\n") << "DefW"
                                << "9000";
        QTest::newRow("negative left") << QByteArray("[Window]\nDefL=-1200\n") << "DefL"
                                       << "-1200";
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
        QTest::newRow("font size 300") << QByteArray("[Text]\nnFontSize=300\nlBold=True\n")
                                       << int(StoreKey::nFontSize) << "Overflow";
        QTest::newRow("font size 0") << QByteArray("[Text]\nnFontSize=0\n")
                                     << int(StoreKey::nFontSize) << "Invalid property value";
        QTest::newRow("font size 200") << QByteArray("[Text]\nnFontSize=200\n")
                                       << int(StoreKey::nFontSize) << "Invalid property value";
        QTest::newRow("colour text")
            << QByteArray("[Colors]\nLinkG=green\n") << int(StoreKey::LinkG) << "Type mismatch";
        QTest::newRow("colour overflow")
            << QByteArray("[Colors]\nTextR=40000\n") << int(StoreKey::TextR) << "Overflow";
        QTest::newRow("flag text")
            << QByteArray("[Others]\nlText=yes\n") << int(StoreKey::lText) << "Type mismatch";
        QTest::newRow("window empty")
            << QByteArray("[Window]\nDefH=\n") << int(StoreKey::DefH) << "Type mismatch";
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

    void missingKeyInTheMiddleTakesItsDefault() {
        SettingsStore store(Ini("[Colors]\nBackR=1\nBackB=3\n"));
        PageSettings page;
        WindowPlacement place;
        QVERIFY(LoadSettings(store, page, place, "/").ok);
        QCOMPARE(page.BackR, qint16(1));
        QCOMPARE(page.BackG, qint16(192));
        QCOMPARE(page.BackB, qint16(3));
    }

    void notIniGivesDefaults() {
        QByteArray junk("\x00\x01\xff[[[\n=====\n[Colors\nBackR=\"5\n", 28);
        SettingsStore store(Ini(junk));
        PageSettings page;
        WindowPlacement place;
        const LoadOutcome outcome = LoadSettings(store, page, place, "/p");
        QVERIFY(outcome.ok);
        QCOMPARE(page.nFontSize, quint8(2));
        QCOMPARE(ReadFile(store.FileName()), junk);
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

    void readOnlyStoreReportsFailure() {
        if (geteuid() == 0)
            QSKIP("root writes read-only files");
        const QString path = Ini("[Colors]\nBackR=1\n");
        QFile::setPermissions(path, QFile::ReadOwner);
        SettingsStore store(path);
        SaveSettings(store, DefaultPageSettings());
        QVERIFY(!store.Flush().isEmpty());
        QCOMPARE(ReadFile(path), QByteArray("[Colors]\nBackR=1\n"));
    }

    void readOnlyFolderReportsFailure() {
        if (geteuid() == 0)
            QSKIP("root writes into read-only folders");
        QTemporaryDir locked;
        QFile::setPermissions(locked.path(), QFile::ReadOwner | QFile::ExeOwner);
        SettingsStore store(locked.path() + "/Tu_K.conf");
        SaveSettings(store, DefaultPageSettings());
        const QString reason = store.Flush();
        QFile::setPermissions(locked.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!reason.isEmpty());
    }

    // A text that is not INI is kept as "<file>.bad" by the first write; the new file holds
    // only what was written.
    void malformedFileIsSetAside() {
        const QByteArray junk("\x00\x01\xff[[[\n=====\n[Colors\nBackR=\"5\n", 28);
        const QString path = Ini(junk);
        SettingsStore store(path);
        QVERIFY(store.Malformed());
        QCOMPARE(store.ReadSetting("Colors", "BackR", "9"), QString("9"));
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

    void conversions_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("int16ok");
        QTest::addColumn<bool>("flagok");
        QTest::newRow("32767") << "32767" << true << true;
        QTest::newRow("32768") << "32768" << false << true;
        QTest::newRow("-32768") << "-32768" << true << true;
        QTest::newRow("abc") << "abc" << false << false;
        QTest::newRow("empty") << "" << false << false;
        QTest::newRow("TRUE") << "TRUE" << false << true;
        QTest::newRow("1e3") << "1e3" << false << false;
    }
    void conversions() {
        QFETCH(QString, text);
        QFETCH(bool, int16ok);
        QFETCH(bool, flagok);
        qint16 n = 0;
        bool f = false;
        QString why;
        QCOMPARE(ParseInt16(text, n, why), int16ok);
        QCOMPARE(ParseFlag(text, f, why), flagok);
    }
};

QTEST_APPLESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
