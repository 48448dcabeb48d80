#pragma once

#include "app/CommandPolicy.h"
#include "base/FsName.h"
#include "thumbnails/PictureWorkers.h"

#include <QList>
#include <QString>
#include <functional>
#include <memory>

class QFileSystemWatcher;
class QListWidget;

namespace tuk {

class Dialogs;
class StatusPanels;

// The current folder, its image list and the runs of the page generator from the window:
// lists the folder's images in File1 with the folder and the count in the status bar, makes
// the pages after the question with progress in the status bar (with Include Subfolders, of
// the whole tree below the folder), and opens the first page of the last run (its index page
// when it made one). The window asks State().making whether a run is under way.
class RunController {
public:
    // changed() runs whenever State() may have changed: the window then makes its commands
    // and the tree available as the state allows.
    RunController(Dialogs& dialogs, StatusPanels& status, QListWidget& file1,
                  std::function<void()> changed);

    RunController(const RunController&) = delete;
    RunController& operator=(const RunController&) = delete;
    ~RunController();

    // Makes the folder (ending with "/") the current one and lists its images. Pages an
    // earlier run made there can be viewed at once; a removal of the folder is told in the
    // status bar and empties the list.
    void ChooseFolder(const QString& folder);
    void RefreshImageList();
    // Empties the folder and count panels (the tree's top node has no images).
    void ClearFolderPanels();
    // After the question, one page per image (of the tree, with Include Subfolders); body is
    // the BODY string as shown.
    void MakePages(const QString& body);
    void ViewPages();
    // A run stops after the page or thumbnail it is making, and ends "-- Stopped".
    void Stop();
    // The window is closing: a run stops after its page, and its end is silent.
    void StopForClose();

    const QString& sFolder() const { return sFolder_; }
    CommandState State() const;

private:
    void CheckFolderStillThere();

    Dialogs& dialogs_;
    StatusPanels& status_;
    QListWidget& file1_;
    std::function<void()> changed_;
    QString sFolder_;            // the current folder, ending with "/"; empty until one is chosen
    QList<FsName> folderImages_; // the names File1 shows, as the folder holds them
    bool hasSubfolder_ = false;  // Make has a tree to walk with Include Subfolders on
    bool lHtmlView_ = false;
    bool lMaking_ = false;  // a run is under way
    QString firstPagePath_; // first page of the last finished run
    bool closing_ = false;
    bool stop_ = false;
    PictureWorkers thumbnails_;                   // for the index page
    std::unique_ptr<QFileSystemWatcher> watcher_; // on the current folder
};

} // namespace tuk
