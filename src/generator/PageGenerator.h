#pragma once

#include "base/FsName.h"
#include "base/Volumes.h"
#include "generator/PageFile.h"
#include "generator/Pictures.h"
#include "settings/PageSettings.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <functional>

namespace tuk {

// Where the pages of a folder go. A folder on a fixed disk gets its pages next to its images,
// linked by bare names; any other volume's pages go to the target folder and every link and
// image reference is a full path (lRemote). A site (Pages into Target Folder) lies in the
// target folder too, but holds everything its pages show and links it by relative links, as
// pages beside their images do, so it can be moved, copied or uploaded as it is.
struct OutputChoice {
    bool lRemote = false;
    bool site = false;
    FsName sOutFolder; // ends with "/"

    bool FullPaths() const { return lRemote && !site; }
};
// With intoTarget, the pages of any volume go into the target folder, in a folder named after
// the chosen one ("/t/" and "/p/Holiday 2024/" give "/t/Holiday 2024/"), as a site.
OutputChoice ChooseOutputFolder(const FsName& sFolder, VolumeKind driveType,
                                const QString& targetFolder, bool intoTarget = false);

// "Make HTML's in <out> for <n> Image(s) in <folder>?", and " and <m> subfolder(s)" before the
// "?" when the run covers subfolders; a site is made "into" its folder.
QString MakeQuestion(const QString& sOutFolder, int nImages, const QString& sFolder,
                     int subfolders = 0, bool site = false);

// The folder's own name, lower-cased, as the pages show it ("/a/Summer/" gives "summer"; the
// root folder gives "/").
QString PageFolderName(const QString& sFolder);

// "Image: k / n"
QString ImageStatusText(int k, int n);
// The same with n filled in and %1 left for k: translated once, so a run's page loop only
// fills in the page's number.
QString ImageStatusForm(int n);

// Seconds with the pattern "###,###,##0.0##": groups of three with the locale's group mark,
// its decimal mark, one to three decimals (0.5, 12.0, 3.461, 1,234.5).
QString FormatElapsed(double seconds, const QLocale& locale);

// How a caller follows a run and steers it. Every call comes from inside PageGenerator.
class PageRunListener {
public:
    virtual ~PageRunListener() = default;
    // Once, after the checks and before the first page: the run's steps are its pages, then
    // the images whose thumbnails it makes or checks (0 without the index page). A caller
    // showing one bar for the whole run counts Progress's k, then pages + ThumbProgress's k.
    virtual void Planned(int pages, int pictures);
    // Before page k (1-based) of n: statusText is "Image: k / n"; the window selects entry
    // k - 1 of its list.
    virtual void Progress(int k, int n, const QString& statusText);
    // After every page: the window lets pending events run here.
    virtual void Yield();
    // Asked after every page but the last, and while thumbnails are made; true ends the run
    // before the next page or image.
    virtual bool StopRequested();
    // While the index page's thumbnails are made, about every 40 ms: "Thumbnails: k / n".
    virtual void ThumbProgress(int k, int n, const QString& statusText);
};

// One run: the folder (ending with "/"), its images in list order (their file-system bytes
// are what counts; with settings.lSubfolders the run lists the whole tree itself), the page
// options with TargetFolder, the BODY string as shown (written as
// given, never rebuilt), the kind of the folder's volume (VolumeKindOf) and the locale of
// the date and elapsed texts.
// Longest edge of a thumbnail on the index page, in pixels; its sharp twin has twice that.
inline constexpr int kDefaultThumbSize = 240;
inline constexpr int kMinThumbSize = 32;
inline constexpr int kMaxThumbSize = 1024;

struct PageRun {
    FsName sFolder;
    QList<FsName> images;
    PageSettings settings;
    QString body;
    VolumeKind driveType = VolumeKind::Unknown;
    QLocale locale = QLocale::system();
    int thumbSize = kDefaultThumbSize; // used when settings.lIndex is on
    // Makes the index page's thumbnails; without one the index has no pictures.
    PictureMaker* pictures = nullptr;
    UnnamedFiles unnamedFiles = UnnamedFiles::WhereOffered; // how new pages are written
    // How a name is tried on the output's file system before the first page (see NameProbe);
    // empty: by creating it there.
    std::function<int(const QByteArray& name)> tryName;
    // Where the photos' own facts are kept between runs (see DefaultFactsCacheFolder); empty:
    // nowhere, each run reads every header.
    QString factsCache;
};

enum class RunEnd {
    Finished, // every page written or already up to date
    Failed,   // stopped at a page that could not be made, or before the first; message says why
    Stopped,  // the listener asked to stop; the pages so far are complete
    NoImages, // nothing to do, nothing written
};

struct PageRunResult {
    RunEnd end = RunEnd::NoImages;
    int pagesWritten = 0;   // pages written anew
    int pagesUnchanged = 0; // pages that already held exactly these bytes
    // Images the index page shows without a picture, by reason, and their names:
    // "/a/b.jpg (too large), /a/c.gif (could not be decoded)".
    int picturesTooLarge = 0, picturesUndecodable = 0, picturesTooSlow = 0, picturesCrashed = 0;
    int removed = 0; // files and folders of images and albums that are gone
    // Images a site could not hold without their metadata (not whole images): their pages show
    // no picture. The first 20 are named.
    int notPlaced = 0;
    QStringList notPlacedNames;
    QString picturesMissing;
    // "Image: n / n -- 3.461 -- OK" when finished; "... -- Failed" or "... -- Stopped" else.
    QString statusText;
    // Why a run failed or stopped: the file, the system's reason, the pages made so far.
    QString message;
    double elapsedSeconds = 0;
    bool lRemote = false;
    QString sOutFolder;    // ends with "/"
    QString sFirstPage;    // link text of the first page: bare name, or full path if lRemote
    QString firstPagePath; // full path of the first page
    QString indexPath;     // full path of the index page, when one was made
};

// Writes one page per image into the output folder, which is created (with its parents) when
// it is a target folder that does not exist yet: PreparedRun's checks, then its run, without a
// question. The run takes a copy of its input at the start, so what the caller
// changes while the run yields does not reach its pages. It changes no process-wide state:
// a caller that refuses commands during a run keeps its own flag.
PageRunResult PageGenerator(const PageRun& run, PageRunListener* listener = nullptr);

} // namespace tuk
