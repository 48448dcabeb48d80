#include "RunFixture.h"
#include "app/TableRows.h"
#include "generator/ImageHeader.h"
#include "thumbnails/PictureSupport.h"

#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

using namespace tuk;
using namespace tuktest;

namespace {

const QByteArray kCanon = "MM|Make=Canon|Model=Canon EOS R5|Lens=RF24-105mm F4 L IS USM|Focal=50/1|"
                          "Exposure=1/250|FNumber=4/1|ISO=400|Orientation=6";
const QByteArray kXmp = "xmp|<rdf:li xml:lang='x-default'>From XMP</rdf:li>";

} // namespace

class TestPhotoFacts : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void factsReadOnlyWhenAsked_data() {
        // segments: in the file's order; taken: ISO 8601, with the offset when one is known.
        Columns<QByteArrayList, QString, QString, QString>("segments", "taken", "caption", "line");
        Row("big-endian, every fact",
            QByteArrayList{kCanon + "|Taken=2021:06:01 12:30:05|Offset=+02:00"},
            "2021-06-01T12:30:05+02:00", "",
            "Canon EOS R5, RF24-105mm F4 L IS USM, 50 mm, 1/250 s, f/4, ISO 400");
        Row("little-endian, the make's first word, ISO as LONG",
            QByteArrayList{
                "II|Make=NIKON CORPORATION|Model=NIKON D850|Focal=247/10|Exposure=10/2500|"
                "FNumber=28/10|ISO:L=64|Taken=2019:12:31 23:59:59|Offset=-05:30"},
            "2019-12-31T23:59:59-05:30", "", "NIKON D850, 24.7 mm, 1/250 s, f/2.8, ISO 64");
        Row("Exif directory far, no offset",
            QByteArrayList{"MM|Make=SONY|Model=ILCE-7M3|Pad=30000|Taken=2020:02:29 00:00:00"},
            "2020-02-29T00:00:00", "", "SONY ILCE-7M3");
        Row("texts without their NUL, inline", QByteArrayList{"II|Make:a=Sony|Model:a=A7"}, "", "",
            "Sony A7");
        Row("beyond the first 64 KiB",
            QByteArrayList{"xmp|" + QByteArray(60000, ' '), "MM|Make=Canon|Pad=6000|ISO=100"}, "",
            "", "Canon, ISO 100");
        Row("XMP: x-default, references",
            QByteArrayList{"xmp|<rdf:li xml:lang='de'>Brücke</rdf:li><rdf:li xml:lang='x-default'>"
                           "Bridge &amp; r&#233;ver &#x263A; &lt;3 &bogus; &#xD800;</rdf:li>"},
            "", "Bridge & réver ☺ <3 &bogus;", "");
        Row("XMP: the first language",
            QByteArrayList{
                "xmp|<rdf:li xml:lang='fr'>Pont</rdf:li><rdf:li xml:lang='de'>Brücke</rdf:li>"},
            "", "Pont", "");
        Row("XMP before EXIF", QByteArrayList{kXmp, "II|Description=From EXIF|Make=Canon"}, "",
            "From XMP", "Canon");
        Row("all three", QByteArrayList{"II|Description=From EXIF", "iptc|From IPTC", kXmp}, "",
            "From XMP", "");
        Row("IPTC over EXIF", QByteArrayList{"MM|Description=From EXIF", "iptc|From IPTC"}, "",
            "From IPTC", "");
        Row("IPTC in UTF-8", QByteArrayList{"iptc8|Caf\xc3\xa9 au lait"}, "", "Café au lait", "");
        Row("IPTC in Latin-1", QByteArrayList{"iptc|Caf\xe9"}, "", "Café", "");
        Row("IPTC undeclared UTF-8", QByteArrayList{"iptc|Caf\xc3\xa9"}, "", "Café", "");
        Row("IPTC declared UTF-8, not", QByteArrayList{"iptc8|Caf\xe9"}, "", "Caf\uFFFD", "");
        Row("EXIF in UTF-8", QByteArrayList{"MM|Description=Caf\xc3\xa9"}, "", "Café", "");
        Row("EXIF in Latin-1", QByteArrayList{"II|Description=Caf\xe9"}, "", "Café", "");
        Row("white space folded, controls dropped",
            QByteArrayList{"iptc|  Line one\r\n\tline\x01 two  "}, "", "Line one line two", "");
        Row("a placeholder", QByteArrayList{"MM|Description=Olympus Digital Camera"}, "", "", "");
        Row("a placeholder, then IPTC",
            QByteArrayList{"xmp|<rdf:li xml:lang='x-default'> SONY DSC </rdf:li>", "iptc|Quay"}, "",
            "Quay", "");
        Row("blank, then EXIF",
            QByteArrayList{"xmp|<rdf:li xml:lang='x-default'> &#10; </rdf:li>",
                           "MM|Description=Quay"},
            "", "Quay", "");
        Row("only NULs; what follows a NUL",
            QByteArrayList{"MM|Description:a=" + QByteArray(8, '\0') + "|Make=Canon\0old"_ba}, "",
            "", "Canon");
        Row("Exif directory back at the first", QByteArrayList{"MM|Make=Canon|Exif=8"}, "", "",
            "Canon");
        Row("Exif directory past the end", QByteArrayList{"MM|Make=Canon|Exif=60000"}, "", "",
            "Canon");
        Row("a value past the end", QByteArrayList{"II|Make@60000=Canon|Model=EOS R5"}, "", "",
            "EOS R5");
        Row("a count of 1,000,000", QByteArrayList{"MM|Description#1000000=Hello there|ISO=200"},
            "", "", "ISO 200");
        Row("a 64 KB text, cut between characters",
            QByteArrayList{"MM|Description=a" + QByteArray("😀").repeated(16000)}, "",
            "a" + QString("😀").repeated(999), "");
        Row("a 300-character make", QByteArrayList{"MM|Make=" + QByteArray(300, 'M')}, "", "",
            QString(200, 'M'));
        Row("wrong types",
            QByteArrayList{
                "MM|Taken:S=2021|ISO:a=400|FNumber:S=4|Exposure:A=1/250000|Make:S=16706|Lens=L"},
            "", "", "L");
        // When a photo was taken, or none for what cannot be a time.
        const QString local = "2021-06-01T12:30:05";
        for (const auto& [fields, taken] :
             {std::pair("2021:06:01 12:30:05|Offset=+02:00", local + "+02:00"),
              {"2021:06:01 12:30:05|Offset=+14:00", local + "+14:00"},
              {"2021:06:01 12:30:05|Offset=+2", local},
              {"2021:06:01 12:30:05|Offset=+15:00", local},
              {"2021:06:01 12:30:05|Offset=+01:60", local},
              {"2021:06:01 12:30:05|Offset=   :  ", local},
              {"1800:01:01 00:00:00", "1800-01-01T00:00:00"},
              {"2200:12:31 23:59:59", "2200-12-31T23:59:59"}})
            Row(fields, QByteArrayList{"MM|Taken=" + QByteArray(fields)}, taken, "", "");
        for (const char* impossible :
             {"0000:00:00 00:00:00", "2021:13:01 00:00:00", "2021:02:29 00:00:00",
              "2021:01:32 00:00:00", "2021:01:01 24:00:00", "2021:01:01 23:60:00",
              "1799:12:31 23:59:59", "2201:01:01 00:00:00",
              "    :  :     :  :  ", "2021-06-01 12:30:05", "2021:06:01"})
            Row(impossible, QByteArrayList{"MM|Taken=" + QByteArray(impossible)}, "", "", "");
        // How the camera's numbers and names are shown.
        for (const auto& [fields, line] : {std::pair("Exposure=1/2", "0.5 s"),
                                           {"Exposure=2/1", "2 s"},
                                           {"Exposure=120/1", "120 s"},
                                           {"Exposure=13/10", "1.3 s"},
                                           {"Exposure=3/10", "0.3 s"},
                                           {"Exposure=1/4", "1/4 s"},
                                           {"Exposure=166667/10000000", "1/60 s"},
                                           {"Exposure=8/100", "0.08 s"},
                                           {"Exposure=0/1", ""},
                                           {"Exposure=1/0", ""},
                                           {"FNumber=14/10", "f/1.4"},
                                           {"FNumber=11/1", "f/11"},
                                           {"FNumber=279/100", "f/2.8"},
                                           {"FNumber=0/0", ""},
                                           {"Focal=47/10", "4.7 mm"},
                                           {"Focal=0/1", ""},
                                           {"ISO=0", ""},
                                           {"ISO:L=102400", "ISO 102400"},
                                           {"Make=Apple|Model=iPhone 12", "Apple iPhone 12"},
                                           {"Model=X100V", "X100V"},
                                           {"Make=FUJIFILM", "FUJIFILM"},
                                           {"Make=Canon|Model=canon eos 5d", "canon eos 5d"}})
            Row(fields, QByteArrayList{"II|" + QByteArray(fields)}, "", "", QString(line));
    }
    // What the metadata of a header says, read only when asked for, in memory or from a file.
    void factsReadOnlyWhenAsked() {
        QFETCH(QByteArrayList, segments);
        const QByteArray jpeg = TwoColourJpeg(16, 16, segments);
        const ImageHeader header = ParseImageHeader(jpeg, true);
        QTEST(header.facts.taken.toString(Qt::ISODate), "taken");
        QTEST(header.facts.caption, "caption");
        QTEST(header.facts.CameraLine(), "line");
        QCOMPARE(header.orientation, ParseImageHeader(jpeg).orientation);
        QVERIFY(ParseImageHeader(jpeg).facts == PhotoFacts());
        QTemporaryFile file;
        QVERIFY(file.open() && file.write(jpeg) == jpeg.size() && file.flush());
        QVERIFY(ReadImageHeader(file.handle(), true).facts == header.facts);
    }

    // A run with each option: the order of the pages and of the index, the date line, the
    // caption (escaped, under the picture, as its alt text and the entry's title) and the camera
    // line. Trip/ holds a.jpg (taken 2 June), b.jpg (taken 1 June, with a caption and camera
    // facts) and c.jpg, which says nothing and dates from 2020 by its file, and Trip/Later/ d.jpg
    // (taken late on 4 July 2022 west of UTC); Top/ holds Trip/.
    void pagesShowEachPhotosOwnFacts_data() {
        // present: patterns, in their order; absent: texts; each separated by "|"
        Columns<QString, QString, QString, QString>("options", "file", "present", "absent");
        Row("off: name order, file dates", "", "Trip/b_jpg.html",
            "a_jpg.html\">first|c_jpg.html\">next| :: 3/3/22", "Quay|Canon|6/1/21| alt=");
        Row("capture dates: time order", "dates", "Trip/b_jpg.html",
            "c_jpg.html\">first|c_jpg.html\">prev|a_jpg.html\">next| :: 6/1/21\r\n",
            "Quay|Canon|3/3/22");
        Row("capture dates: the file's date without one", "dates", "Trip/c_jpg.html",
            " :: 1/1/20\r\n|c_jpg.html\">first", "");
        Row("capture dates: the index", "dates", "Trip/index.html",
            "c_jpg.html.*b_jpg.html.*a_jpg.html", "");
        Row("capture dates: an album's range", "dates web", "index.html", "<br>1/1/20 - 7/4/22\r\n",
            "");
        Row("captions", "captions", "Trip/b_jpg.html",
            "<p>Quay &amp; &lt;b&gt;boats&lt;/b&gt;</p>| alt=\"Quay &amp; "
            "&lt;b&gt;boats&lt;/b&gt;\">",
            "Canon|<b>boats|6/1/21");
        Row("captions: the entry's title", "captions", "Trip/index.html",
            "b_jpg.html\" title=\"Quay &amp; &lt;b&gt;boats&lt;/b&gt;\">", "a_jpg.html\" title");
        Row("camera", "camera", "Trip/b_jpg.html",
            "\r\n :: Canon EOS R5, 50 mm, 1/250 s, f/4, ISO 400\r\n<hr>", "Quay");
    }
    void pagesShowEachPhotosOwnFacts() {
        QFETCH(QString, options);
        QTemporaryDir dir;
        const QString top = dir.path() + "/Top/", trip = top + "Trip/";
        QVERIFY(MakeFolder(trip + "Later"));
        const QByteArray camera =
            "MM|Make=Canon|Model=Canon EOS R5|Focal=50/1|Exposure=1/250|FNumber=4/1|ISO=400";
        for (const auto& [name, segments] :
             {std::pair("a.jpg", QByteArrayList{"II|Model=X100V|Taken=2021:06:02 10:00:00"}),
              {"b.jpg",
               QByteArrayList{camera + "|Taken=2021:06:01 09:00:00", "iptc|Quay & <b>boats</b>"}},
              {"c.jpg", QByteArrayList{}},
              {"Later/d.jpg", QByteArrayList{"II|Taken=2022:07:04 23:30:00|Offset=-10:00"}}}) {
            QVERIFY(WriteFile(trip + name, TwoColourJpeg(32, 16, segments)));
            // noon UTC: the same day in every zone the tests run in
            QVERIFY(SetFileTime((trip + name).toUtf8(), *name == 'c' ? 1577880000 : 1646308800));
        }
        PageRun run = FixedDiskRun(top);
        PageSettings& s = run.settings;
        s.lSubfolders = s.lIndex = s.lFDate = s.lLinx = true;
        s.lCaptureDates = options.contains("dates"), s.lCaptions = options.contains("captions");
        s.lCamera = options.contains("camera"), s.lWebReady = options.contains("web");
        QCOMPARE(PageGenerator(run).end, RunEnd::Finished);
        QFETCH(QString, file);
        QFETCH(QString, present);
        QFETCH(QString, absent);
        const QString page = QString::fromLatin1(ReadFile(top + file));
        for (const QString& pattern : present.split('|', Qt::SkipEmptyParts))
            QVERIFY2(page.contains(QRegularExpression(
                         pattern, QRegularExpression::DotMatchesEverythingOption)),
                     qPrintable(pattern));
        for (const QString& text : absent.split('|', Qt::SkipEmptyParts))
            QVERIFY2(!page.contains(text), qPrintable(text));
    }

    // The facts kept between runs stand in for a photo's header only while the photo is the
    // same; a cache that is damaged, or not there, costs only reads.
    void keptFactsStandInOnlyForTheSamePhoto() {
        for (const QString change : {"nothing", "caption rewritten, same size and time",
                                     "cache damaged", "photo removed"}) {
            const RowName row(change);
            QTemporaryDir dir;
            const QString photos = dir.path() + "/Photos/", cache = dir.path() + "/cache";
            QVERIFY(MakeFolder(photos));
            const auto photo = [&](const char* name, const QByteArray& caption) {
                QVERIFY(WriteFile(photos + name, TwoColourJpeg(32, 16, {"iptc|" + caption})));
                QVERIFY(SetFileTime((photos + name).toUtf8(), 1646308800));
            };
            photo("a\tb%.jpg", "Quay %41"); // the cache's own separators and escapes
            photo("c.jpg", "Boats");
            PageRun run = FixedDiskRun(photos);
            run.settings.lCaptions = true;
            run.factsCache = cache;
            QCOMPARE(PageGenerator(run).end, RunEnd::Finished);
            const QStringList kept = QDir(cache).entryList(QDir::Files);
            QCOMPARE(kept.size(), 1);
            QCOMPARE(QFileInfo(cache).permissions() & 0x0077, 0); // the user's alone
            QString caption = "Quay %41", gone;
            if (change.startsWith("caption")) {
                caption = "Pier %41"; // as long as before
                photo("a\tb%.jpg", caption.toUtf8());
            } else if (change == "cache damaged") {
                QVERIFY(WriteFile(cache + "/" + kept[0],
                                  "a\tb%25.jpg\t\t\n\x01\t\t\t\n" + QByteArray(100000, '\t')));
            } else if (change == "photo removed") {
                QVERIFY(QFile::remove(photos + (gone = "c.jpg")));
            }
            run.images = ListFolderImages(run.sFolder.bytes).names;
            const PageRunResult again = PageGenerator(run);
            QCOMPARE(again.end, RunEnd::Finished);
            QCOMPARE(again.pagesWritten, caption.startsWith("Quay") && gone.isEmpty() ? 0 : 1);
            QVERIFY(ReadFile(photos + "a\tb%_jpg.html").contains("<p>" + caption.toUtf8()));
            if (!gone.isEmpty())
                QVERIFY(!ReadFile(cache + "/" + kept[0]).contains(gone.toUtf8()));
        }
    }

    // Any byte of the blocks changed: never a read outside them, a crash or a caption that is
    // not clean text.
    void damagedBlocksNeverCrashOrLeak() {
        const QByteArray jpeg =
            TwoColourJpeg(16, 16, {kCanon + "|Taken=2021:06:01 12:30:05", kXmp, "iptc8|From IPTC"});
        const qsizetype end = jpeg.indexOf("\xff\xdb");
        for (qsizetype i = 2; i < end; ++i) {
            for (const char value : {'\0', '\x7f', '\xff'}) {
                QByteArray damaged = jpeg;
                damaged[i] = value;
                const QString caption = ParseImageHeader(damaged, true).facts.caption;
                QVERIFY(caption.size() <= 2000 && !caption.contains(QChar(0)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestPhotoFacts)
#include "tst_photofacts.moc"
