#include "base/PathNames.h"

#include <QTest>

using namespace tuk;

class TestPathNames : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void scanning_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("ext");
        auto row = [](const char* name, const QString& text, const QString& file,
                      const QString& base,
                      const QString& ext) { QTest::newRow(name) << text << file << base << ext; };
        row("empty", "", "", "", "");
        row("plain", "Beach.JPG", "Beach.JPG", "Beach", "JPG");
        row("several dots", "a.b.gif", "a.b.gif", "a.b", "gif");
        row("no dot", "README", "README", "", "README");
        row("only extension", ".jpg", ".jpg", "", "jpg");
        row("trailing dot", "x.", "x.", "x", "");
        row("path", "/home/ann/Pics/x.jpeg", "x.jpeg", "/home/ann/Pics/x", "jpeg");
        row("folder with dot", "/a.b/c", "c", "/a", "b/c");
        row("trailing separator", "/home/", "", "", "/home/");
        const QString n(5000, u'n');
        row("long", n + ".jpg", n + ".jpg", n, "jpg");
    }
    void scanning() {
        QFETCH(QString, text);
        QFETCH(QString, name);
        QFETCH(QString, base);
        QFETCH(QString, ext);
        QCOMPARE(GetFileName(text), name);
        QCOMPARE(GetFileBase(text), base);
        QCOMPARE(GetFileExt(text), ext);
    }

    void separators_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("with");
        QTest::addColumn<QString>("without");
        auto row = [](const char* folder, const char* with, const char* without) {
            QTest::newRow(*folder ? folder : "empty")
                << QString(folder) << QString(with) << QString(without);
        };
        row("/", "/", "/");
        row("", "/", "");
        row("/home/ann", "/home/ann/", "/home/ann");
        row("/home/ann/", "/home/ann/", "/home/ann");
    }
    void separators() {
        QFETCH(QString, folder);
        QFETCH(QString, with);
        QFETCH(QString, without);
        QCOMPARE(WithTrailingSeparator(folder), with);
        QCOMPARE(WithoutTrailingSeparator(folder), without);
    }

    void joinPath() {
        QCOMPARE(JoinPath("/a", "b.jpg"), QStringLiteral("/a/b.jpg"));
        QCOMPARE(JoinPath("/a/", "b.jpg"), QStringLiteral("/a/b.jpg"));
        QCOMPARE(JoinPath("/", "b.jpg"), QStringLiteral("/b.jpg"));
    }
};

QTEST_APPLESS_MAIN(TestPathNames)
#include "tst_pathnames.moc"
