#pragma once

#include "base/Volumes.h"
#include "foldertree/FolderListing.h"
#include "foldertree/VolumeList.h"

#include <QString>
#include <memory>

namespace tuk {

// Everything the folder tree reads from the machine, so tests can build it from fixtures.
struct TreeSources {
    std::shared_ptr<const MountTableSource> mounts;
    std::shared_ptr<const VolumeLabelSource> labels;
    std::shared_ptr<const FolderSource> folders;
    QString desktopFolder; // the folder shown as "Desktop"; empty: none
    QString homeFolder;    // the user's home folder, shown under "Desktop"; empty: none

    // This machine's mount table, udev labels, disk folders, desktop and home folder.
    static TreeSources System();
};

// The user's desktop folder, or the empty text when it does not exist or is the home folder
// itself (then every folder of home would show under "Desktop").
QString DesktopFolder();

// The real path of the user's home folder, or the empty text when it does not exist or is the
// root folder (the root volume shows under the computer already).
QString HomeFolder();

} // namespace tuk
