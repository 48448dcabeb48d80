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

// Asks the run to stop once it has made `pages` pages (0: before the first).
struct StopAfter : tuk::PageRunListener {
    explicit StopAfter(int n) : pages(n) {}
    void Yield() override { ++done; }
    bool StopRequested() override { return done >= pages; }
    int pages;
    int done = 0;
};

} // namespace tuktest
