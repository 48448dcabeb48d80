// Whole pages, byte for byte, against golden/*.golden: the pages of one run in name order, each
// behind a line "==== <page file name>". TUK_UPDATE_GOLDEN=1 rewrites them from the output.

#include "RunFixture.h"
#include "app/TableRows.h"
#include "generator/IndexPage.h"
#include "generator/PageComposer.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tuk;
using namespace tuktest;

namespace {

struct Image {
    QByteArray name; // file-system bytes
    qint64 size;
};

QList<Image> ThreeImages() {
    return {{"a.jpg", 0}, {"b.gif", 1500}, {"c.jpeg", 2048}};
}

PageSettings AllFlags(bool on) {
    PageSettings s = DefaultPageSettings();
    s.lCenter = s.lBold = s.lItal = s.lLinx = s.lFolder = s.lFDate = s.lFSize = on;
    s.lBackGround = s.lText = s.lCopyr = on;
    return s;
}

// From 2023-06-15 21:00 UTC (already the 16th at UTC+9), each image 33 days younger.
void MakeDatedImages(const QString& folder, const QList<Image>& images) {
    QVERIFY(MakeFolder(folder));
    time_t time = 1686862800;
    for (const Image& image : images) {
        const QByteArray path = folder.toUtf8() + image.name;
        QVERIFY(WriteFile(path, QByteArray(image.size, 'x')));
        QVERIFY(SetFileTime(path, time));
        time += 33 * time_t(86400);
    }
}

// Thumbnails of a fixed size without decoding anything; "b.gif" counts as undecodable.
struct FixedThumbs : PictureMaker {
    std::vector<PicturePlan> Plan(const std::vector<PictureSource>& sources,
                                  const PictureSizes&) override {
        std::vector<PicturePlan> plans(sources.size());
        for (size_t k = 0; k < sources.size(); ++k) {
            plans[k].state = sources[k].name.endsWith("b.gif") ? PictureState::Undecodable
                                                               : PictureState::Pending;
            plans[k].image = QSize(960, 480);
        }
        return plans;
    }
    bool Make(const std::vector<PictureSource>&, const PictureSizes& sizes,
              std::vector<PicturePlan>& plans, const std::function<bool(int, int)>&) override {
        for (PicturePlan& plan : plans) {
            if (plan.state != PictureState::Pending)
                continue;
            plan.state = PictureState::Ready;
            for (PictureKind kind : kPictureKindList)
                if (sizes.Needs(kind, plan.image, false))
                    plan.size[size_t(kind)] = PictureSize(plan.image, sizes.Longest(kind));
        }
        return true;
    }
};

// Pages by name, all ASCII, against a golden file that writes the temporary root as @ROOT@.
void CompareWithGolden(const QString& golden, const QMap<QByteArray, QByteArray>& pages,
                       const QByteArray& root) {
    QByteArray actual;
    for (auto page = pages.cbegin(); page != pages.cend(); ++page) {
        QVERIFY(std::all_of(page->begin(), page->end(), [](char c) { return uchar(c) < 0x80; }));
        actual += "==== " + page.key() + '\n' + page.value();
    }
    const QString path = QStringLiteral(TUK_GOLDEN_DIR "/") + golden + ".golden";
    if (qEnvironmentVariableIsSet("TUK_UPDATE_GOLDEN")) {
        QVERIFY(
            WriteFile(path, root.isEmpty() ? actual : QByteArray(actual).replace(root, "@ROOT@")));
        return;
    }
    QByteArray expected = ReadFile(path);
    QVERIFY2(!expected.isEmpty(), qPrintable("missing golden file " + path));
    if (!root.isEmpty())
        expected.replace("@ROOT@", root);
    QCOMPARE(actual.split('\n'), expected.split('\n')); // names the first line that differs
}

// A page's head links and link lines ("label=href", the head's first), the button rows around
// them ("nav", "/nav") and its entries (by their links), in order.
QByteArray Outline(const QByteArray& page) {
    static const QRegularExpression parts(
        R"re(<link rel="(\w+)" href="([^"]*)"|^\[?<a href="([^"]*)">(\w+)</a>|<span.*\n<a href="(.*?)"|^<(/?nav)>)re",
        QRegularExpression::MultilineOption);
    QStringList outline;
    for (const QRegularExpressionMatch& m : parts.globalMatch(QString::fromLatin1(page)))
        outline << (m.hasCaptured(1)   ? m.captured(1) + '=' + m.captured(2)
                    : m.hasCaptured(4) ? m.captured(4) + '=' + m.captured(3)
                                       : m.captured(5) + m.captured(6));
    return outline.join(' ').toLatin1();
}

} // namespace

class TestPageGolden : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Pages show local dates: a zone far from UTC, without daylight saving, tells them apart.
    void initTestCase() {
        qputenv("TZ", "JST-9");
        tzset();
    }

    void pageBytesMatchTheGoldens_data() {
        Columns<QString, PageSettings, QList<Image>>("golden", "settings", "images");
        Row("defaults", "defaults", DefaultPageSettings(), ThreeImages());
        PageSettings on = AllFlags(true);
        on.sFontFace = "Times New Roman", on.nFontSize = 3;
        on.BackR = 10, on.TextG = 255, on.LinkB = 1;
        Row("every flag on", "flags-on", on, ThreeImages());
        Row("every flag off", "flags-off", AllFlags(false), ThreeImages());
        PageSettings background = DefaultPageSettings();
        background.lBackGround = true;
        Row("background", "background", background, ThreeImages());
        PageSettings sample = DefaultPageSettings();
        sample.lText = sample.lBold = sample.lItal = sample.lCenter = true;
        Row("sample text", "sample-text", sample, ThreeImages());
        PageSettings index = AllFlags(false);
        index.lIndex = index.lFDate = index.lFSize = index.lLinx = true;
        Row("index page", "index", index, ThreeImages());
        PageSettings web = index; // a copy for the JPEGs, none for the GIF that does not decode
        web.lWebReady = true;
        web.nWebSize = 480;
        Row("web-ready", "web-ready-run", web, ThreeImages());
        PageSettings bidi = index; // names that could reverse the text around them
        bidi.lFolder = true;
        Row("bidi", "bidi", bidi,
            QList<Image>{{"a\u202eb.jpg", 10},
                         {"\u05e9b.gif", 10},
                         {"x\u0661.jpg", 10},
                         {"\U00010800.jpg", 10}});
        Row("one image", "one-image", DefaultPageSettings(), QList<Image>{{"Solo.GIF", 1024}});
        QTest::newRow("names") << "names" << DefaultPageSettings()
                               << QList<Image>{{"IMG_01.JPG", 3000},
                                               {"a.b.c.gif", 10},
                                               {"My Photo.jpg", 10},
                                               {"Tom & Jerry <1> \"q\" #1 50%?.jpg", 10},
                                               {"caf\u00e9 \u20ac.jpg", 10},
                                               {"\u65e5\u672c \U0001F600.jpeg", 10},
                                               {"\xc9t\xe9 \xff.JPG", 10}}; // not UTF-8
    }
    void pageBytesMatchTheGoldens() {
        QFETCH(QString, golden);
        QFETCH(PageSettings, settings);
        QFETCH(QList<Image>, images);
        QTemporaryDir dir;
        const QString folder = dir.path() + (golden == "bidi" ? "/\u05e9 Pics/" : "/Holiday Pics/");
        MakeDatedImages(folder, images);
        PageRun run = FixedDiskRun(folder);
        run.settings = settings;
        run.body = MakeBodyString(settings);
        FixedThumbs thumbs;
        run.pictures = &thumbs;
        const PageRunResult result = PageGenerator(run);
        QCOMPARE(result.end, RunEnd::Finished);
        QCOMPARE(result.message.endsWith("b.gif (could not be decoded)."), settings.lIndex);
        CompareWithGolden(golden, PageContents(folder), {});
        // No stray files: the index page only when asked for; picture folders that stayed
        // empty (this maker writes none) are gone.
        QCOMPARE(FolderEntries(folder.toUtf8()).size(), 2 * images.size() + settings.lIndex);
    }

    // From a CD-ROM: pages go to the target folder, made with its parents, with full-path links.
    void otherVolumePagesGoToTheTarget() {
        for (const bool index : {false, true}) {
            QTemporaryDir dir;
            const QString root = QFileInfo(dir.path()).canonicalFilePath();
            const QString folder = root + "/CD/Photos 2/", target = root + "/Web/Pages Out/";
            MakeDatedImages(folder, {{"IMG_01.JPG", 5000}, {"b c.gif", 10}, {"Zed.jpeg", 10}});
            const FixtureMountTable table({Mount("/ ext4"), Mount(root + "/CD iso9660")});
            PageRun run = FixedDiskRun(folder);
            run.settings.TargetFolder = target;
            run.settings.lIndex = index;
            run.driveType = VolumeKindOf(folder, table);
            const PageRunResult result = PageGenerator(run);
            QCOMPARE(result.end, RunEnd::Finished);
            QVERIFY(result.lRemote);
            QCOMPARE(result.sOutFolder, target);
            QCOMPARE(result.sFirstPage, target + "b c_gif.html");
            QCOMPARE(result.firstPagePath, result.sFirstPage);
            CompareWithGolden(index ? "other-volume-index" : "other-volume", PageContents(target),
                              root.toUtf8());
            QCOMPARE(FolderEntries(target).size(), 3 + index);
            QCOMPARE(FolderEntries(folder).size(), 3); // nothing written next to the images
        }
    }

    // Each optional line of a page follows its own box, in every combination of the ten. The
    // lines, in page order, each after the boxes it needs on (after "!", off): Centre, Bold,
    // Italic, Links, Folder, Date, Size, backGround, sample Text, copYright; no other line counts.
    void linesFollowTheirBoxes() {
        QByteArrayList needs, lines;
        for (const QByteArray& entry :
             QByteArray("!G <body x>|G <body background=\"a.jpg\" x>|B <b>|I <i>|C <center>|"
                        "L [<a href=\"1.html\">first</a>]|L [<a href=\"3.html\">last</a>]|"
                        "D  :: 6/16/23|S  :: 2k|F  :: [pics 1/3]|!G <img src=\"a.jpg\">|TI </i>|"
                        "TB </b>|TC </center>|T <p><font size=2>|TI <i>|TB <b>|TC <center>|"
                        "I </i>|B </b>|C </center>|Y <br>&nbsp;|!Y <!--br>&nbsp;")
                 .split('|')) {
            needs << entry.left(entry.indexOf(' '));
            lines << entry.mid(entry.indexOf(' ') + 1);
        }
        PageFacts f;
        f.image = u"a.jpg", f.imageRef = "a.jpg", f.date = "6/16/23", f.kiloBytes = 2, f.count = 3;
        f.folderName = "pics";
        f.firstLink = f.prevLink = "1.html", f.nextLink = "2.html", f.lastLink = "3.html";
        for (int on = 0; on < 1 << 10; ++on) {
            PageSettings s = DefaultPageSettings();
            s.lCenter = on & 1, s.lBold = on & 2, s.lItal = on & 4, s.lLinx = on & 8;
            s.lFolder = on & 16, s.lFDate = on & 32, s.lFSize = on & 64, s.lBackGround = on & 128;
            s.lText = on & 256, s.lCopyr = on & 512;
            QByteArray named; // the boxes on, by their letters
            for (int box = 0; box < 10; ++box)
                named += on >> box & 1 ? "CBILFDSGTY"[box] : '-';
            QByteArrayList expected, actual;
            for (qsizetype k = 0; k < lines.size(); ++k)
                if (std::all_of(needs[k].begin(), needs[k].end(), [&](char box) {
                        return box == '!' || named.contains(box) != needs[k].startsWith('!');
                    }))
                    expected << lines[k];
            QByteArray page;
            PageComposer(s, "<body x>").Compose(page, f);
            for (const QByteArray& line : page.replace("\r\n", "\n").split('\n'))
                if (lines.contains(line))
                    actual << line;
            QVERIFY2(actual == expected, named + ": " + actual.join(" | "));
        }
    }

    // Web-ready pages showing the image itself (the only page), a copy and a background (the
    // second of three), without links; an album's index, with dates, without them and not
    // web-ready.
    void webReadyPagesMatchTheGoldens() {
        PageSettings s = DefaultPageSettings();
        s.lWebReady = true;
        PageFacts f;
        f.image = u"my photo.jpg", f.imageRef = f.originalRef = "My%20Photo.jpg";
        f.date = "6/16/23";
        f.firstLink = f.prevLink = f.nextLink = f.lastLink = "a.html";
        f.folderName = "Holiday";
        QMap<QByteArray, QByteArray> pages, indexes;
        PageComposer(s, MakeBodyString(s)).Compose(pages["itself"], f);
        f.shownRef = "web/my%20photo_jpg.jpg", f.shownSize = QSize(1200, 1600);
        f.indexLink = "index.html", f.position = 2, f.count = 3;
        PageComposer(s, MakeBodyString(s)).Compose(pages["copy"], f);
        s.lBackGround = true;
        PageComposer(s, MakeBodyString(s)).Compose(pages["background"], f);
        s.lBackGround = s.lLinx = false; // the index link alone, then no link at all
        PageComposer(s, MakeBodyString(s)).Compose(pages["links off"], f);
        f.indexLink = {};
        PageComposer(s, MakeBodyString(s)).Compose(pages["links off, no index"], f);
        CompareWithGolden("web-ready", pages, {});
        std::vector<IndexEntry> entries{
            {"Family", "Family/index.html", "Family/thumbs/a_jpg.jpg", {}, {240, 180}, {}, 1, 12},
            {"Kids & Garden", "Kids%20%26%20Garden/index.html", {}, {}, {}, {}, 1, 1},
            {"a.jpg", "a_jpg.html", "thumbs/a_jpg.jpg", {}, {240, 120}, "6/16/23", 2, 0}};
        entries[0].dateRange = "5/2/24 - 5/9/24";
        const IndexLayout layout{"holiday", 240, "../index.html", {}};
        for (const auto& [name, web, dates] : {std::tuple("index.html", true, true),
                                               {"no dates", true, false},
                                               {"not web-ready", false, true}}) {
            s.lWebReady = web, s.lFDate = dates;
            indexes[name] = ComposeIndexPages(s, MakeBodyString(s), layout, entries)[0];
        }
        CompareWithGolden("web-ready-index", indexes, {});
    }

    // A photo's caption (under the picture and as its alt text; on the index the entry's title)
    // and its camera line, on a plain page, a web-ready one and over a background.
    void photoFactsShownOnPages() {
        PageSettings s = DefaultPageSettings();
        PageFacts f;
        f.image = u"img_1.jpg", f.imageRef = f.originalRef = "IMG_1.jpg";
        f.date = "5/2/24", f.folderName = "Trip";
        f.firstLink = f.prevLink = f.nextLink = f.lastLink = "a.html";
        f.caption = u"Quay & \"boats\" <at> dawn", f.camera = u"Canon EOS R5, 50 mm, f/4";
        QMap<QByteArray, QByteArray> pages;
        for (const auto& [name, web, background] : {std::tuple("plain", false, false),
                                                    {"web-ready", true, false},
                                                    {"background", false, true}}) {
            s.lWebReady = web, s.lBackGround = background;
            PageComposer(s, MakeBodyString(s)).Compose(pages[name], f);
        }
        std::vector<IndexEntry> entries{{"img_1.jpg",
                                         "img_1_jpg.html",
                                         "thumbs/img_1_jpg.jpg",
                                         {},
                                         {240, 160},
                                         "5/2/24",
                                         2,
                                         0}};
        entries[0].caption = f.caption.toString();
        s.lWebReady = true, s.lBackGround = false;
        const IndexLayout layout{"trip", 240, {}, {}};
        pages["index.html"] = ComposeIndexPages(s, MakeBodyString(s), layout, entries)[0];
        CompareWithGolden("photo-facts", pages, {});
    }

    // An index of that many images with an up link, in full-path links: its pages' outlines.
    void indexPagesLinkEveryImage_data() {
        Columns<bool, int, QByteArrayList>("webReady", "images", "outlines");
        const auto in = [](int from, int to) {
            QByteArrayList links;
            for (int k = from; k <= to; ++k)
                links << QByteArray::number(k) + ".html";
            return links.join(' ');
        };
        // The head's links, then those at the top and bottom.
        const auto page = [](const char* head, const char* prev, const char* next, const char* last,
                             const QByteArray& entries) {
            const QByteArray nav = QByteArray("first=/o/index.html prev=/o/") + prev + " next=/o/" +
                                   next + " last=/o/" + last;
            return head + QByteArray("up=/u.html nav up=/u.html ") + nav + " /nav " + entries +
                   " nav " + nav + " /nav";
        };
        Row("one page", false, 450, QByteArrayList{"up=/u.html " + in(1, 450)});
        Row("web-ready: 200 a page", true, 450,
            QByteArrayList{page("next=/o/index-2.html ", "index.html", "index-2.html",
                                "index-3.html", in(1, 200)),
                           page("prev=/o/index.html next=/o/index-3.html ", "index.html",
                                "index-3.html", "index-3.html", in(201, 400)),
                           page("prev=/o/index-2.html ", "index-2.html", "index-3.html",
                                "index-3.html", in(401, 450))});
        Row("two full pages", true, 400,
            QByteArrayList{page("next=/o/index-2.html ", "index.html", "index-2.html",
                                "index-2.html", in(1, 200)),
                           page("prev=/o/index.html ", "index.html", "index-2.html", "index-2.html",
                                in(201, 400))});
    }
    void indexPagesLinkEveryImage() {
        QFETCH(bool, webReady);
        QFETCH(int, images);
        PageSettings s = DefaultPageSettings();
        s.lWebReady = webReady;
        std::vector<IndexEntry> entries(static_cast<size_t>(images));
        for (size_t k = 0; k < entries.size(); ++k)
            entries[k].pageLink = QByteArray::number(qsizetype(k) + 1) + ".html";
        QByteArrayList actual;
        for (const QByteArray& page :
             ComposeIndexPages(s, MakeBodyString(s), {"pics", 240, "/u.html", "/o/"}, entries))
            actual << Outline(page);
        QTEST(actual, "outlines");
    }
};

QTEST_GUILESS_MAIN(TestPageGolden)
#include "tst_pagegolden.moc"
