#pragma once

#include "TestSupport.h"
#include "base/Volumes.h"
#include "generator/ImageList.h"
#include "generator/PageGenerator.h"
#include "style/Colors.h"

namespace tuktest {

// A run with the default options over the images of a folder on a fixed disk.
inline tuk::PageRun FixedDiskRun(const QString& folder) {
    tuk::PageRun run;
    run.sFolder = tuk::FsName(folder);
    run.images = tuk::ListFolderImages(run.sFolder.bytes).names;
    run.settings = tuk::DefaultPageSettings();
    run.body = tuk::MakeBodyString(run.settings);
    run.driveType = tuk::VolumeKind::FixedDisk;
    run.locale = QLocale(QLocale::English, QLocale::UnitedStates);
    return run;
}

} // namespace tuktest
