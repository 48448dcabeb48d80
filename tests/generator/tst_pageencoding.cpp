#include "base/FsName.h"
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
        // Pages are ASCII: everything beyond it is a reference, whatever the reader's charset.
        QTest::newRow("Latin-1") << "caf\u00e9 \u00a9\u00ff"
                                 << QByteArray("caf&#233; &#169;&#255;");
        QTest::newRow("Windows-1252 extras")
            << "\u20ac\u201c\u2122\u0178" << QByteArray("&#8364;&#8220;&#8482;&#376;");
        QTest::newRow("beyond Latin-1") << "\u65e5 \u0101" << QByteArray("&#26085; &#257;");
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
        QCOMPARE(out, QByteArray("<body bgcolor=#c0c0c0 \"x\" & &#233;&#19968;>"));
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
        using Names = QList<QByteArray>;
        QTest::addColumn<Names>("images");
        QTest::addColumn<Names>("pages");
        QTest::newRow("capitals") << Names{"IMG_01.JPG"} << Names{"img_01_jpg.html"};
        QTest::newRow("several dots")
            << Names{"a.b.gif", "x.y.z.JPEG"} << Names{"a.b_gif.html", "x.y.z_jpeg.html"};
        QTest::newRow("case twins: the later one is numbered")
            << Names{"IMG.jpg", "Img.jpg", "img.JPG"}
            << Names{"img_jpg.html", "img_jpg-2.html", "img_jpg-3.html"};
        QTest::newRow("a number never takes another image's page")
            << Names{"IMG.jpg", "img.jpg", "img.jpg-2"}
            << Names{"img_jpg.html", "img_jpg-3.html", "img_jpg-2.html"};
        QTest::newRow("no dot") << Names{"noext"} << Names{"_noext.html"};
        QTest::newRow("letters beyond ASCII")
            << Names{"\u00c9T\u00c9.JPG"} << Names{"\u00e9t\u00e9_jpg.html"};
        // Two names that show the same text keep pages of their own.
        QTest::newRow("bytes that are not UTF-8 are kept") << Names{"\xff\xc3"
                                                                    "A.JPG",
                                                                    "\xfe\xc3"
                                                                    "A.JPG"}
                                                           << Names{"\xff\xc3"
                                                                    "a_jpg.html",
                                                                    "\xfe\xc3"
                                                                    "a_jpg.html"};
    }
    void pageNames() {
        QFETCH(QList<QByteArray>, images);
        QFETCH(QList<QByteArray>, pages);
        QList<FsName> list;
        for (const QByteArray& image : images)
            list << FsName(image);
        PageNameTable names;
        QString bad;
        QVERIFY(names.Build(list, bad));
        QList<QByteArray> made;
        for (qsizetype k = 0; k < names.size(); ++k)
            made << names.at(k).toByteArray();
        QCOMPARE(made, pages);
    }

    // Bytes of the file system as text: each byte outside valid UTF-8 shows as U+FFFD and
    // survives the escaped text whole.
    void fileSystemBytes_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("UTF-8") << QByteArray("\u65e5 \U0001F600") << "\u65e5 \U0001F600";
        QTest::newRow("Latin-1 byte") << QByteArray("caf\xe9.jpg") << "caf\uFFFD.jpg";
        QTest::newRow("overlong") << QByteArray("\xc0\xaf") << "\uFFFD\uFFFD";
        QTest::newRow("surrogate") << QByteArray("\xed\xa0\x80") << "\uFFFD\uFFFD\uFFFD";
        QTest::newRow("cut short") << QByteArray("a\xe6\x97") << "a\uFFFD\uFFFD";
        QTest::newRow("beyond U+10FFFF")
            << QByteArray("\xf4\x90\x80\x80") << "\uFFFD\uFFFD\uFFFD\uFFFD";
    }
    void fileSystemBytes() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        QCOMPARE(ShownText(bytes), shown);
        QCOMPARE(EscapedBytes(EscapedText(bytes)), bytes);
        QCOMPARE(EscapedBytes(EscapedText(bytes) + "/x"), bytes + "/x");
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
        QVERIFY(!names.Build({FsName(QString("ok.jpg")), FsName(name)}, bad));
        QCOMPARE(bad, name);
        QCOMPARE(names.size(), 0);
    }
};

QTEST_GUILESS_MAIN(TestPageEncoding)
#include "tst_pageencoding.moc"
