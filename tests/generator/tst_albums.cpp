// A photo tree in one run: the albums it is read as, their pages and index pages.

#include "RunFixture.h"
#include "app/TableRows.h"
#include "generator/AlbumTree.h"
#include "generator/PictureStamp.h"
#include "thumbnails/PictureSupport.h"
#include "thumbnails/PictureWorkers.h"

#include <QTemporaryDir>
#include <QTest>
#include <optional>

using namespace tuk;
using namespace tuktest;

namespace {

// A 64 x 48 JPEG; with a stamp, as the decoder writes it: "tu_k: " and the stamp's text.
QByteArray SmallJpeg(const QByteArray& stamp = {}) {
    const QByteArray jpeg = TwoColourJpeg(64, 48);
    return stamp.isEmpty() ? jpeg : QByteArray(jpeg).insert(2, Segment(0xFE, "tu_k: " + stamp));
}

// Top: a.jpg; Family: nothing of its own; Family/Kids: k1, k2; Family/Garden: g; and folders
// that are no albums: hidden ones, the program's own pictures, a link, one without images.
void MakeTree(const QString& top) {
    QVERIFY(MakeImages(top, {"Family/Kids/", "Family/Garden/", ".hidden/", ".Trash/old/", "thumbs/",
                             "web/", "Empty/x/", "Link->" + top + "Family/Kids"}));
    for (const char* image : {"a.jpg", "Family/Kids/k1.jpg", "Family/Kids/k2.jpg",
                              "Family/Garden/g.jpg", ".hidden/h.jpg", ".Trash/old/o.jpg"})
        QVERIFY(WriteFile(top + image, SmallJpeg()));
    const PictureStamp stamp{QSize(64, 48), 1, 1, 1, 1, 32, std::nullopt};
    QVERIFY(WriteFile(top + "thumbs/a_jpg.jpg", SmallJpeg(stamp.Text())));
}

PageRun TreeRun(const QString& top, PictureMaker& maker) {
    PageRun run = FixedDiskRun(top);
    run.settings.lSubfolders = run.settings.lIndex = true;
    run.pictures = &maker;
    return run;
}

} // namespace

class TestAlbums : public QObject {
    Q_OBJECT
    std::optional<QTemporaryDir> dir_;
    QString top; // a fresh tree (see MakeTree) for each test

private Q_SLOTS:
    void init() {
        dir_.emplace();
        top = dir_->path() + "/Top/";
        MakeTree(top);
    }
    // The albums in the tree's order, each with its images, the images below it and its cover.
    // A user's photos in folders named as the program's picture folders make albums; every
    // folder left out that may hold wanted images is named.
    void albumsOfATree() {
        for (const char* photo : {"thumbs/t.jpg", "web/w_jpg.jpg"})
            QVERIFY(WriteFile(top + photo, SmallJpeg()));
        ScratchMount stick(top + "Stick", 64), bound(top + "Bound", top + "Family");
        if (stick.Ok())
            QVERIFY(WriteFile(top + "Stick/s.jpg", SmallJpeg()));
        const AlbumTree tree = ListAlbumTree(FsName(top));
        QStringList seen;
        for (const Album& album : tree.albums)
            seen << QStringLiteral("%1 %2 %3 %4 %5")
                        .arg(album.relative.isEmpty() ? "." : ShownText(album.relative))
                        .arg(album.images.size())
                        .arg(album.imagesBelow)
                        .arg(album.parent)
                        .arg(ShownText(tree.albums[size_t(album.cover)].relative));
        QCOMPARE(seen, QStringList({". 1 6 -1 ", "Family/ 0 3 0 Family/Garden/",
                                    "Family/Garden/ 1 1 1 Family/Garden/",
                                    "Family/Kids/ 2 2 1 Family/Kids/", "thumbs/ 1 1 0 thumbs/",
                                    "web/ 1 1 0 web/"}));
        QCOMPARE(tree.albums[4].images.front().bytes, "t.jpg");
        QString leftOut = QString("1 hidden folder(s) with images were left out: %1.hidden/. 1 "
                                  "symbolic link(s) to folders with images were left out: %1Link/.")
                              .arg(top);
        if (stick.Ok() && bound.Ok())
            leftOut.prepend(
                QString("2 folder(s) on other volumes were left out: %1Bound/, %1Stick/. ")
                    .arg(top));
        QCOMPARE(LeftOutText(tree), leftOut);
    }

    // Every album gets the pages a run of its folder alone makes, and an index page that leads
    // down to its sub-albums and up to its parent; folders that are no albums get nothing. A
    // second run writes nothing.
    void pagesOfEveryAlbum() {
        for (const char* own : {"web/a_jpg.jpg", "web/b_jpg.jpg"}) // its own too
            QVERIFY(QFile::copy(top + "thumbs/a_jpg.jpg", top + own));
        PictureWorkers maker;
        PageRunResult result = PageGenerator(TreeRun(top, maker));
        QCOMPARE(result.end, RunEnd::Finished);
        QCOMPARE(result.statusText.left(15), QString("Image: 4 / 4 --"));
        QCOMPARE(result.indexPath, top + "index.html");
        QCOMPARE(PagesBelow(top), QStringList({"Family/Garden/g_jpg.html",
                                               "Family/Garden/index.html", "Family/Kids/index.html",
                                               "Family/Kids/k1_jpg.html", "Family/Kids/k2_jpg.html",
                                               "Family/index.html", "a_jpg.html", "index.html"}));
        const QByteArray topIndex = ReadFile(top + "index.html");
        QVERIFY(topIndex.contains("href=\"Family/index.html\"") &&
                topIndex.contains("src=\"Family/Garden/g.jpg\"") &&
                !topIndex.contains("../index.html"));
        QVERIFY(ReadFile(top + "Family/Kids/index.html").contains("\"../index.html\""));
        // An index lists its sub-albums first, then its images, each in name order.
        const auto before = [&](const char* index, const char* first, const char* second) {
            const QByteArray page = ReadFile(top + index + "index.html");
            return page.indexOf(first) > 0 && page.indexOf(first) < page.indexOf(second);
        };
        QVERIFY(before("", "\"Family/index", "\"a_jpg") &&
                before("Family/", "\"Garden/", "\"Kids/") &&
                before("Family/Kids/", "\"k1_jpg", "\"k2_jpg"));

        // The pages of one album are those of a run of that folder alone.
        const QByteArray kid = ReadFile(top + "Family/Kids/k2_jpg.html");
        PageRun alone = FixedDiskRun(top + "Family/Kids/");
        alone.settings.lIndex = true;
        alone.pictures = &maker;
        QCOMPARE(PageGenerator(alone).end, RunEnd::Finished);
        QCOMPARE(ReadFile(top + "Family/Kids/k2_jpg.html"), kid);

        result = PageGenerator(TreeRun(top, maker));
        QCOMPARE(result.pagesWritten, 0);
    }

    void siteInATargetFolderOutsideTheTree_data() {
        Columns<bool, bool, bool, QString, bool>("subfolders", "intoTarget", "removable", "target",
                                                 "refused");
        Row("into a target inside", false, true, false, "Family/", true);
        Row("into a link to the tree", true, true, false, "../Link/", true);
        Row("into the folder itself", false, true, false, "", true);
        Row("into a target beside", true, true, false, "../Site/", false);
        Row("a stick's tree into a folder of it", true, false, true, "Family/", true);
        Row("a stick's folder into a folder of it", false, false, true, "Family/", false);
    }
    // Into a target folder: the tree mirrored below the chosen folder's name as a site, each
    // image beside its page, nothing written among the photos. Pages made inside the tree they
    // are made of would become part of it: refused before anything is written.
    void siteInATargetFolderOutsideTheTree() {
        QVERIFY(QFile::link(top, dir_->path() + "/Link"));
        PictureWorkers maker;
        PageRun run = TreeRun(top, maker);
        QFETCH(bool, removable);
        run.driveType = removable ? VolumeKind::RemovableDisk : VolumeKind::FixedDisk;
        QFETCH(bool, subfolders);
        QFETCH(bool, intoTarget);
        QFETCH(QString, target);
        run.settings.lSubfolders = subfolders, run.settings.lIntoTarget = intoTarget;
        run.settings.lWebReady = true;
        run.settings.TargetFolder = QDir::cleanPath(top + target) + '/';
        const PageRunResult result = PageGenerator(run);
        QFETCH(bool, refused);
        QCOMPARE(result.end, refused ? RunEnd::Failed : RunEnd::Finished);
        QCOMPARE(result.message.contains("lies inside"), refused);
        QCOMPARE(PagesBelow(dir_->path() + "/").isEmpty(), refused);
        if (target == "../Site/") {
            QCOMPARE(PagesBelow(top), QStringList());
            QCOMPARE(PagesBelow(run.settings.TargetFolder).size(), 8);
            QVERIFY(ReadFile(run.settings.TargetFolder + "Top/Family/Kids/k1_jpg.html")
                        .contains("<img src=\"k1.jpg\" width=64 height=48>"));
        }
    }

    // A page of a split index page's image leads back to the index page that lists it; the
    // album's sub-albums come first on it.
    void pageLeadsToTheIndexListingIt() {
        const QString folder = dir_->path() + "/Other/";
        QVERIFY(MakeImages(folder, NumberedImages(200) << "sub/"
                                                       << "sub/x.jpg"));
        PageRun run = FixedDiskRun(folder);
        run.settings.lIndex = run.settings.lWebReady = run.settings.lSubfolders = true;
        QCOMPARE(PageGenerator(run).end, RunEnd::Finished);
        QVERIFY(ReadFile(folder + "img198_jpg.html").contains("href=\"index.html\">index"));
        QVERIFY(ReadFile(folder + "img199_jpg.html").contains("href=\"index-2.html\">index"));
    }

    // A stop in the middle of the tree leaves every page whole and every index page naming
    // only pages that exist.
    void stopMidTreeLeavesWholePages() {
        struct StopAfterTwo : PageRunListener {
            bool StopRequested() override { return ++asked == 2; }
            int asked = 0;
        } stop;
        PictureWorkers maker;
        QCOMPARE(PageGenerator(TreeRun(top, maker), &stop).end, RunEnd::Stopped);
        QCOMPARE(BrokenPages(top), QStringList());
        const QStringList pages = PagesBelow(top);
        QVERIFY(pages.contains("Family/Garden/g_jpg.html") &&
                !pages.contains("Family/Kids/k1_jpg.html"));
    }
};

QTEST_GUILESS_MAIN(TestAlbums)
#include "tst_albums.moc"
