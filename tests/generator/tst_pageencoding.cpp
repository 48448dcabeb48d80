#include "generator/PageEncoding.h"
#include "generator/PageNames.h"

#include <QTest>

using namespace tuk;

class TestPageEncoding : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void text_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("plain") << "Beach.Day.JPG" << QByteArray("Beach.Day.JPG");
        QTest::newRow("markup characters")
            << "a&b<c>\"d'" << QByteArray("a&amp;b&lt;c&gt;&quot;d'");
        QTest::newRow("Latin-1") << "caf\u00e9 \u00a9\u00ff" << QByteArray("caf\xe9 \xa9\xff");
        QTest::newRow("Windows-1252 extras")
            << "\u20ac\u201c\u2122\u0178" << QByteArray("\x80\x93\x99\x9f");
        QTest::newRow("not in the code page") << "\u65e5 \u0101" << QByteArray("&#26085; &#257;");
        QTest::newRow("outside the basic plane") << "\U0001F600" << QByteArray("&#128512;");
        QTest::newRow("C1 control, undefined byte") << "\u0081\u008d" << QByteArray("&#129;&#141;");
        QTest::newRow("controls keep the line whole")
            << "a\r\nb\tc\u007f" << QByteArray("a&#13;&#10;b&#9;c&#127;");
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + "x" << QByteArray("&#65533;x");
    }
    void text() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QByteArray out;
        AppendPageText(out, text);
        QCOMPARE(out, bytes);
    }

    void markupIsWrittenAsIs() {
        QByteArray out;
        AppendPageMarkup(out, u"<body bgcolor=#c0c0c0 \"x\" & \u00e9\u4e00>");
        QCOMPARE(out, QByteArray("<body bgcolor=#c0c0c0 \"x\" & \xe9&#19968;>"));
    }

    void link_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("link");
        QTest::newRow("plain") << QByteArray("Beach.Day.JPG") << QByteArray("Beach.Day.JPG");
        QTest::newRow("path") << QByteArray("/mnt/cd/a_b-c~(1)+'!,;=@$*.jpg")
                              << QByteArray("/mnt/cd/a_b-c~(1)+'!,;=@$*.jpg");
        QTest::newRow("blank and URL syntax")
            << QByteArray("a b#c?d%e&f\"g.jpg") << QByteArray("a%20b%23c%3Fd%25e%26f%22g.jpg");
        // "http:x" would turn a relative link into another scheme; "\" counts as "/".
        QTest::newRow("scheme and backslash")
            << QByteArray("http:x\\y.jpg") << QByteArray("http%3Ax%5Cy.jpg");
        QTest::newRow("brackets and others")
            << QByteArray("<[{|^`}]>") << QByteArray("%3C%5B%7B%7C%5E%60%7D%5D%3E");
        QTest::newRow("controls") << QByteArray("a\tb\x7f") << QByteArray("a%09b%7F");
        QTest::newRow("UTF-8") << QString("caf\u00e9 \u65e5").toUtf8()
                               << QByteArray("caf%C3%A9%20%E6%97%A5");
    }
    void link() {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, link);
        QByteArray out;
        AppendLink(out, name);
        QCOMPARE(out, link);
    }

    void pageNames_data() {
        QTest::addColumn<QStringList>("images");
        QTest::addColumn<QStringList>("pages");
        QTest::newRow("capitals") << QStringList{"IMG_01.JPG"} << QStringList{"img_01_jpg.html"};
        QTest::newRow("several dots") << QStringList{"a.b.gif", "x.y.z.JPEG"}
                                      << QStringList{"a.b_gif.html", "x.y.z_jpeg.html"};
        QTest::newRow("case twins: the later one is numbered")
            << QStringList{"IMG.jpg", "Img.jpg", "img.JPG"}
            << QStringList{"img_jpg.html", "img_jpg-2.html", "img_jpg-3.html"};
        QTest::newRow("a number never takes another image's page")
            << QStringList{"IMG.jpg", "img.jpg", "img.jpg-2"}
            << QStringList{"img_jpg.html", "img_jpg-3.html", "img_jpg-2.html"};
        QTest::newRow("no dot") << QStringList{"noext"} << QStringList{"_noext.html"};
    }
    void pageNames() {
        QFETCH(QStringList, images);
        QFETCH(QStringList, pages);
        PageNameTable names;
        QString bad;
        QVERIFY(names.Build(images, bad));
        QStringList decoded;
        for (qsizetype k = 0; k < names.size(); ++k)
            decoded << QString::fromUtf8(names.at(k).toByteArray());
        QCOMPARE(decoded, pages);
    }

    void namesThatAreNoFileNamesAreRefused_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("slash") << "../up.jpg";
        QTest::newRow("empty") << "";
        QTest::newRow("dot dot") << "..";
        QTest::newRow("NUL") << QString("a") + QChar(0) + ".jpg";
    }
    void namesThatAreNoFileNamesAreRefused() {
        QFETCH(QString, name);
        PageNameTable names;
        QString bad;
        QVERIFY(!names.Build({"ok.jpg", name}, bad));
        QCOMPARE(bad, name);
        QCOMPARE(names.size(), 0);
    }
};

QTEST_GUILESS_MAIN(TestPageEncoding)
#include "tst_pageencoding.moc"
