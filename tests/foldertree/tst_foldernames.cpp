#include "foldertree/FolderNames.h"

#include <QTest>

using namespace tuk;

class TestFolderNames : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void properCase_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("proper");
        QTest::newRow("capitals") << "PROGRAM FILES"
                                  << "Program Files";
        QTest::newRow("inner capitals") << "MyPics"
                                        << "Mypics";
        QTest::newRow("path is one word") << "c:\\windows"
                                          << "C:\\windows";
        QTest::newRow("slash path") << "/home/ann"
                                    << "/home/ann";
        QTest::newRow("tab") << "new\tfolder"
                             << "New\tFolder";
        QTest::newRow("newline and cr") << "a\nb\rc"
                                        << "A\nB\rC";
        QTest::newRow("vt and ff") << "a\vb\fc"
                                   << "A\vB\fC";
        QTest::newRow("nul") << QString::fromUtf16(u"my\0pics", 7)
                             << QString::fromUtf16(u"My\0Pics", 7);
        QTest::newRow("dash is no separator") << "hello-WORLD"
                                              << "Hello-world";
        QTest::newRow("double blanks") << "  a  b "
                                       << "  A  B ";
        QTest::newRow("accented") << "ÉCOLE été"
                                  << "École Été";
        QTest::newRow("empty") << ""
                               << "";
    }
    void properCase() {
        QFETCH(QString, text);
        QFETCH(QString, proper);
        QCOMPARE(ProperCase(text), proper);
    }

    void trimAtNul_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("trimmed");
        QTest::newRow("none") << "abc"
                              << "abc";
        QTest::newRow("middle") << QString::fromUtf16(u"ab\0cd", 5) << "ab";
        QTest::newRow("first") << QString::fromUtf16(u"\0cd", 3) << "";
        QTest::newRow("empty") << ""
                               << "";
    }
    void trimAtNul() {
        QFETCH(QString, text);
        QFETCH(QString, trimmed);
        QCOMPARE(TrimAtNul(text), trimmed);
    }
};

QTEST_APPLESS_MAIN(TestFolderNames)
#include "tst_foldernames.moc"
