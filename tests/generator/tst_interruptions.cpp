// Runs cut short in every way, under every combination of the options that change what a run
// writes: each ends as it says and leaves every page whole and every link leading somewhere.

#include "RunFixture.h"
#include "thumbnails/PictureSupport.h"
#include "thumbnails/PictureWorkers.h"

#include <QTemporaryDir>
#include <QTest>
#include <optional>
#include <sys/statvfs.h>

using namespace tuk;
using namespace tuktest;

namespace {

enum class Cut {
    StopAmongPages,
    StopAmongPictures,
    BrokenImage,
    NoDecoder,
    DecoderDies,
    FullDisk,
    ImageGone,
    AlbumMoved
};

// Steps in at the second page, as a user or the disk would.
struct Interrupter : PageRunListener {
    Interrupter(Cut c, QString t) : cut(c), top(std::move(t)) {}
    void Progress(int k, int, const QString&) override {
        if (k == 2 && cut == Cut::ImageGone)
            QFile::remove(top + "c.gif");
        if (k == 2 && cut == Cut::AlbumMoved)
            QDir().rename(top + "Sub", top + "Moved");
    }
    bool StopRequested() override { return cut == Cut::StopAmongPages && ++asked == 2; }
    void ThumbProgress(int, int, const QString&) override {
        stopped = stopped || cut == Cut::StopAmongPictures;
    }
    bool stoppedNow() { return std::exchange(stopped, false); }
    Cut cut;
    QString top;
    int asked = 0;
    bool stopped = false;
};

struct PictureStop : Interrupter {
    using Interrupter::Interrupter;
    bool StopRequested() override { return Interrupter::StopRequested() || stoppedNow(); }
};

// Capture dates, captions and camera facts: with and without each other option, before every cut.
bool WithFacts(int options) {
    return (options ^ options >> 3) & 1;
}

} // namespace

class TestInterruptions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyCutHolds_data() {
        QTest::addColumn<int>("options");
        QTest::addColumn<Cut>("cut");
        const std::pair<Cut, const char*> cuts[] = {{Cut::StopAmongPages, "stop among pages"},
                                                    {Cut::StopAmongPictures, "stop among pictures"},
                                                    {Cut::BrokenImage, "broken image"},
                                                    {Cut::NoDecoder, "no decoder"},
                                                    {Cut::DecoderDies, "decoder ends at once"},
                                                    {Cut::FullDisk, "full disk"},
                                                    {Cut::ImageGone, "image removed"},
                                                    {Cut::AlbumMoved, "album moved"}};
        for (int options = 0; options < 32; ++options)
            for (const auto& [cut, name] : cuts)
                QTest::addRow("%s%s%s%s%s%s, %s", options & 16 ? "again: " : "",
                              options & 1 ? "index " : "", options & 2 ? "subfolders " : "",
                              options & 4 ? "into " : "", options & 8 ? "web-ready " : "",
                              WithFacts(options) ? "facts" : "", name)
                    << options << cut;
    }

    void everyCutHolds() {
        QFETCH(int, options);
        QFETCH(Cut, cut);
        QTemporaryDir dir;
        const QString top = dir.path() + "/Top/", site = dir.path() + "/Site/";
        const QString output = options & 4 ? site : top;
        std::optional<ScratchMount> disk;
        if (cut == Cut::FullDisk && !disk.emplace(output, 256).Ok())
            QSKIP("no tmpfs for a full disk here");
        QVERIFY(MakeFolder(top + "Sub") && MakeFolder(site));
        // Taken on the 8th, 7th, 5th and 4th: with capture dates the pages go the other way.
        for (const auto& [name, day] :
             {std::pair("a.jpg", "8"), {"b.jpg", "7"}, {"Sub/d.jpg", "5"}, {"Sub/e.jpg", "4"}}) {
            const QByteArray taken = "MM|ISO=100|Taken=2021:06:0" + QByteArray(day) + " 10:00:00";
            const QByteArray photo = TwoColourJpeg(96, 64, {taken, "iptc|A day"});
            QVERIFY(WriteFile(top + name, cut == Cut::BrokenImage && *name == 'b' ? "x" : photo));
        }
        QVERIFY(WriteFile(top + "c.gif", QByteArray("GIF89a\x08\x00\x08\x00", 10)));
        PictureWorkers maker({}, cut == Cut::NoDecoder     ? QStringLiteral("/nonexistent")
                                 : cut == Cut::DecoderDies ? QStringLiteral("/bin/true")
                                                           : PictureWorkers::DefaultDecoder());
        PageRun run = FixedDiskRun(top);
        run.settings.lIndex = options & 1, run.settings.lSubfolders = options & 2;
        run.settings.lIntoTarget = options & 4, run.settings.lWebReady = options & 8;
        run.settings.TargetFolder = site, run.settings.nWebSize = 64, run.thumbSize = 32;
        run.pictures = &maker;
        run.settings.lCaptureDates = run.settings.lCaptions = run.settings.lCamera =
            WithFacts(options);
        run.factsCache = dir.path() + "/cache";
        if (options & 16) { // the same run once before, in bold
            run.settings.lBold = true;
            PageGenerator(run);
            run.settings.lBold = false;
        }
        struct statvfs room {};
        if (cut == Cut::FullDisk) // two small files fit (none on a re-run), then the disk is full
            QVERIFY(statvfs(QFile::encodeName(output).constData(), &room) == 0 &&
                    WriteFile(output + "filler", QByteArray(qint64(room.f_bavail * room.f_bsize) -
                                                                (options & 16 ? 0 : 8192),
                                                            'f')));
        PictureStop events(cut, top);
        const PageRunResult result = PageGenerator(run, &events);

        const bool noDecoder = cut == Cut::NoDecoder || cut == Cut::DecoderDies;
        const bool pictures = options & 9 && (!(options & 16) || noDecoder);
        const bool tree = options & 2;
        const RunEnd expected =
            cut == Cut::StopAmongPages || (cut == Cut::StopAmongPictures && pictures)
                ? RunEnd::Stopped
            : cut == Cut::FullDisk || cut == Cut::ImageGone || (noDecoder && pictures) ||
                    (cut == Cut::AlbumMoved && tree)
                ? RunEnd::Failed
                : RunEnd::Finished;
        QVERIFY2(result.end == expected, qPrintable(result.statusText + ' ' + result.message));
        QCOMPARE(result.statusText.endsWith(expected == RunEnd::Finished  ? "OK"
                                            : expected == RunEnd::Stopped ? "Stopped"
                                                                          : "Failed"),
                 true);
        if (cut == Cut::BrokenImage && pictures)
            QVERIFY2(result.message.contains("b.jpg (could not be decoded)"),
                     qPrintable(result.message));
        if (cut == Cut::BrokenImage && options & 4) // a site leaves out what is not whole
            QVERIFY2(result.message.contains("no picture: " + top + "b.jpg, " + top + "c.gif."),
                     qPrintable(result.message));
        QVERIFY(cut != Cut::AlbumMoved || QDir().rename(top + "Moved", top + "Sub"));
        const QStringList broken = BrokenPages(dir.path());
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join('\n')));
        const QString pages = output + (options & 4 ? "Top/" : "");
        for (const QString& folder : {pages, pages + "Sub/"}) {
            QCOMPARE(cut == Cut::StopAmongPictures ? PicturesNotShown(folder) : "", QString());
            // A photo whose thumbnail was not made is not shown whole in its place.
            QVERIFY(!ReadFile(folder + "index.html").contains(" width=96 height=64"));
        }
        QVERIFY(!HasTemporaryFiles(top) && !HasTemporaryFiles(site + "Top"));
    }
};

QTEST_GUILESS_MAIN(TestInterruptions)
#include "tst_interruptions.moc"
