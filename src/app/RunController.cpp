#include "app/RunController.h"

#include "app/Dialogs.h"
#include "app/StatusPanels.h"
#include "base/FolderReader.h"
#include "base/Volumes.h"
#include "generator/FactsCache.h"
#include "generator/ImageList.h"
#include "generator/MadePages.h"
#include "generator/PageGenerator.h"
#include "generator/PreparedRun.h"
#include "settings/PageSettings.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QGuiApplication>
#include <QListWidget>

namespace tuk {

namespace {

// Follows a run from the window: progress in the count panel and its bar, the list's
// selection on the page being made, one turn of the event loop after every page, and a stop
// on request. Progress is shown at most every 40 ms and for the last page: repainting it for
// every page would cost more than writing the page.
class WindowRun : public PageRunListener {
public:
    WindowRun(StatusPanels& status, QListWidget& list, const bool& stop)
        : status_(status), list_(list), stop_(stop) {
        shown_.start();
    }

    void Planned(int pages, int pictures) override {
        pages_ = pages;
        status_.ShowRun(pages + pictures);
    }
    void Progress(int k, int n, const QString& statusText) override {
        if (k > 1 && k < n && shown_.elapsed() < kShowEveryMs)
            return;
        shown_.restart();
        status_.SetPanelText(StatusPanel::Count, statusText);
        status_.SetRunStep(k);
        list_.setCurrentRow(k - 1);
    }
    void ThumbProgress(int k, int, const QString& statusText) override {
        // The maker calls at the 40 ms pace already.
        status_.SetPanelText(StatusPanel::Count, statusText);
        status_.SetRunStep(pages_ + k);
    }
    void Yield() override { QCoreApplication::processEvents(); }
    bool StopRequested() override { return stop_; }

private:
    static constexpr qint64 kShowEveryMs = 40;
    StatusPanels& status_;
    QListWidget& list_;
    const bool& stop_;
    QElapsedTimer shown_;
    int pages_ = 0;
};

// Whether the folder holds a folder of its own (not hidden, not reached through a link): a
// run over subfolders then has somewhere to look for images.
bool HasSubfolder(const QString& folder) {
    FolderReader dir(FsName(folder).bytes);
    while (const dirent* entry = dir.Next()) {
        if (entry->d_name[0] != '.' && dir.IsFolder(entry, false))
            return true;
    }
    return false;
}

// The run made ready, with the busy cursor while a tree is read.
PreparedRun PrepareWaiting(PageRun run) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    PreparedRun prepared = PreparedRun::Prepare(std::move(run));
    QGuiApplication::restoreOverrideCursor();
    return prepared;
}

} // namespace

RunController::RunController(Dialogs& dialogs, StatusPanels& status, QListWidget& file1,
                             std::function<void()> changed)
    : dialogs_(dialogs), status_(status), file1_(file1), changed_(std::move(changed)),
      watcher_(std::make_unique<QFileSystemWatcher>()) {
    QObject::connect(watcher_.get(), &QFileSystemWatcher::directoryChanged, watcher_.get(),
                     [this] { CheckFolderStillThere(); });
}

RunController::~RunController() = default;

CommandState RunController::State() const {
    const bool subfolders = Program().page.lSubfolders && hasSubfolder_;
    return {lMaking_, !folderImages_.isEmpty() || subfolders, lHtmlView_};
}

void RunController::ChooseFolder(const QString& folder) {
    if (!watcher_->directories().isEmpty())
        watcher_->removePaths(watcher_->directories());
    sFolder_ = folder;
    watcher_->addPath(folder);
    RefreshImageList();
}

// A run that loses its folder says so itself, and is left to end.
void RunController::CheckFolderStillThere() {
    if (sFolder_.isEmpty() || lMaking_ || QFileInfo(sFolder_).isDir())
        return;
    file1_.clear();
    folderImages_.clear();
    hasSubfolder_ = false;
    lHtmlView_ = false;
    status_.SetPanelText(StatusPanel::Count,
                         QCoreApplication::translate("frmTu_K", "Folder removed"));
    changed_();
}

void RunController::ClearFolderPanels() {
    status_.SetPanelText(StatusPanel::Folder, QString());
    status_.SetPanelText(StatusPanel::Count, QString());
}

void RunController::RefreshImageList() {
    status_.SetPanelText(StatusPanel::Folder, sFolder_);
    FolderImages images = ListFolderImages(FsName(sFolder_).bytes);
    file1_.clear();
    file1_.addItems(ShownTexts(images.names));
    folderImages_ = std::move(images.names);
    hasSubfolder_ = HasSubfolder(sFolder_);
    //: The status bar's count of the images the chosen folder holds.
    status_.SetPanelText(
        StatusPanel::Count,
        QCoreApplication::translate("frmTu_K", "%n Images", nullptr, int(folderImages_.size())));
    firstPagePath_ = folderImages_.isEmpty()
                         ? QString()
                         : PageMadeBefore(FsName(sFolder_), folderImages_.constFirst(),
                                          Program().page, VolumeKindOf(sFolder_));
    lHtmlView_ = !firstPagePath_.isEmpty();
    changed_();
}

void RunController::MakePages(const QString& body) {
    PageRun run;
    run.sFolder = FsName(sFolder_);
    run.driveType = VolumeKindOf(sFolder_);
    // The names as the folder holds them: the list shows text, which may have lost bytes.
    run.images = folderImages_;
    run.settings = Program().page;
    run.body = body;
    run.pictures = &thumbnails_;
    run.factsCache = DefaultFactsCacheFolder();
    PreparedRun prepared = PrepareWaiting(std::move(run));
    if (prepared.Refused() != RunEnd::Finished) {
        dialogs_.Tell(prepared.Refusal());
        return;
    }
    if (dialogs_.Ask(prepared.Question()) != Dialogs::Answer::Yes)
        return;

    lHtmlView_ = false;
    closing_ = false;
    stop_ = false;
    lMaking_ = true;
    changed_();
    WindowRun listener(status_, file1_, stop_);
    const PageRunResult result = prepared.Make(listener);
    status_.EndRun();
    lMaking_ = false;
    if (!closing_) { // else the window is closing: no messages, nothing saved
        status_.SetPanelText(StatusPanel::Count, result.statusText);
        // View opens the index page when the run made one.
        firstPagePath_ = result.indexPath.isEmpty() ? result.firstPagePath : result.indexPath;
        lHtmlView_ = result.end == RunEnd::Finished ||
                     (!firstPagePath_.isEmpty() && QFileInfo::exists(firstPagePath_));
    }
    changed_();
    // A failure says why; a finished run names the images the index shows without a picture.
    if (!closing_ && result.end != RunEnd::Stopped && !result.message.isEmpty())
        dialogs_.Tell(result.message);
}

void RunController::ViewPages() {
    if (!QFileInfo::exists(firstPagePath_)) {
        //: %1 is the path of the page View would open.
        dialogs_.Tell(QCoreApplication::translate("frmTu_K", "The page %1 no longer exists.")
                          .arg(firstPagePath_));
        return;
    }
    if (!dialogs_.OpenPage(firstPagePath_))
        //: %1 is the path of the page View opens in the desktop's browser.
        dialogs_.Tell(
            QCoreApplication::translate("frmTu_K", "No program could be started to show %1.")
                .arg(firstPagePath_));
}

void RunController::Stop() {
    if (lMaking_)
        stop_ = true;
}

void RunController::StopForClose() {
    if (lMaking_)
        closing_ = stop_ = true;
}

} // namespace tuk
