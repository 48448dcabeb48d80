#include "foldertree/FolderNames.h"

#include <QTest>

using namespace tuk;

class TestFolderNames : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void properCase_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("proper");
        auto row = [](const char* name, const QString& text, const QString& proper) {
            QTest::newRow(name) << text << proper;
        };
        row("capitals", "PROGRAM FILES", "Program Files");
        row("inner capitals", "MyPics", "Mypics");
        row("path is one word", "c:\\windows", "C:\\windows");
        row("slash path", "/home/ann", "/home/ann");
        row("tab", "new\tfolder", "New\tFolder");
        row("newline and cr", "a\nb\rc", "A\nB\rC");
        row("vt and ff", "a\vb\fc", "A\vB\fC");
        row("nul", QString::fromUtf16(u"my\0pics", 7), QString::fromUtf16(u"My\0Pics", 7));
        row("dash is no separator", "hello-WORLD", "Hello-world");
        row("double blanks", "  a  b ", "  A  B ");
        row("accented", "ÉCOLE été", "École Été");
        row("empty", "", "");
    }
    void properCase() {
        QFETCH(QString, text);
        QFETCH(QString, proper);
        QCOMPARE(ProperCase(text), proper);
    }

    void trimAtNul_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("trimmed");
        QTest::newRow("none") << "abc" << QString("abc");
        QTest::newRow("middle") << QString::fromUtf16(u"ab\0cd", 5) << "ab";
        QTest::newRow("first") << QString::fromUtf16(u"\0cd", 3) << "";
        QTest::newRow("empty") << "" << QString();
    }
    void trimAtNul() {
        QFETCH(QString, text);
        QFETCH(QString, trimmed);
        QCOMPARE(TrimAtNul(text), trimmed);
    }
};

QTEST_APPLESS_MAIN(TestFolderNames)
#include "tst_foldernames.moc"
