#include "generator/PathNames.h"

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
        QTest::newRow("empty") << ""
                               << ""
                               << ""
                               << "";
        QTest::newRow("plain") << "Beach.JPG"
                               << "Beach.JPG"
                               << "Beach"
                               << "JPG";
        QTest::newRow("several dots") << "a.b.gif"
                                      << "a.b.gif"
                                      << "a.b"
                                      << "gif";
        QTest::newRow("no dot") << "README"
                                << "README"
                                << ""
                                << "README";
        QTest::newRow("only extension") << ".jpg"
                                        << ".jpg"
                                        << ""
                                        << "jpg";
        QTest::newRow("trailing dot") << "x."
                                      << "x."
                                      << "x"
                                      << "";
        QTest::newRow("path") << "/home/ann/Pics/x.jpeg"
                              << "x.jpeg"
                              << "/home/ann/Pics/x"
                              << "jpeg";
        QTest::newRow("folder with dot") << "/a.b/c"
                                         << "c"
                                         << "/a"
                                         << "b/c";
        QTest::newRow("trailing separator") << "/home/"
                                            << ""
                                            << ""
                                            << "/home/";
        QTest::newRow("long") << QString(5000, u'n') + ".jpg" << QString(5000, u'n') + ".jpg"
                              << QString(5000, u'n') << "jpg";
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
        QTest::newRow("root") << "/"
                              << "/"
                              << "/";
        QTest::newRow("empty") << ""
                               << "/"
                               << "";
        QTest::newRow("plain") << "/home/ann"
                               << "/home/ann/"
                               << "/home/ann";
        QTest::newRow("trailing") << "/home/ann/"
                                  << "/home/ann/"
                                  << "/home/ann";
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
