#pragma once

// A folder of small images and a page run over it, shared by the generator tests.

#include "TestSupport.h"
#include "base/Volumes.h"
#include "generator/ImageList.h"
#include "generator/PageGenerator.h"
#include "style/Colors.h"

namespace tuktest {

// Makes each image with the given size (in bytes); false when a file could not be made.
inline bool MakeImages(const QString& folder, const QStringList& names, qint64 size = 100) {
    if (!MakeFolder(folder))
        return false;
    for (const QString& name : names) {
        if (!WriteFile(folder + name, QByteArray(size, 'x')))
            return false;
    }
    return true;
}

// A run with the default options over the images of a folder on a fixed disk.
inline tuk::PageRun FixedDiskRun(const QString& folder) {
    tuk::PageRun run;
    run.sFolder = tuk::FsName(folder);
    run.images = tuk::ListFolderImages(run.sFolder.bytes).names;
    run.settings = tuk::DefaultPageSettings();
    run.body = tuk::MakeBodyString(run.settings);
    run.driveType = tuk::kFixedDisk;
    run.locale = QLocale(QLocale::English, QLocale::UnitedStates);
    return run;
}

inline QStringList PagesIn(const QString& folder) {
    QStringList pages;
    for (const QString& name : FolderEntries(folder)) {
        if (!name.endsWith(QLatin1String(".html")))
            continue;
        pages << name;
    }
    return pages;
}

// Whether any temporary file of a page write is left in the folder.
inline bool HasTemporaryFiles(const QString& folder) {
    for (const QString& name : FolderEntries(folder)) {
        if (name.endsWith(QLatin1String(".tmp")))
            return true;
    }
    return false;
}

} // namespace tuktest
