#pragma once

#include "base/Failure.h"
#include "generator/IndexPage.h"

#include <QString>
#include <functional>
#include <vector>

namespace tuk {

class PageFileWriter;
class PictureStep;
struct PageRun;

// The index page of one folder: its sub-albums' entries, then its images', each shown with its
// thumbnail only while that exists. Written before the first page with the pages that exist
// then, so the pages' index links never lead nowhere, and again whenever the run ends.
class IndexStep {
public:
    // upLink: the parent album's index page, empty for none; linkPrefix: what the folder's
    // pages put before each other's names (the folder's full path when links are full paths).
    IndexStep(const PageRun& run, const PictureStep& pictures, QString title, QString outFolder,
              QByteArray upLink, QByteArray linkPrefix);

    // An entry with its links ready: thumbLink and thumb2xLink name the thumbnails,
    // imageRef the image itself (shown when it is as small as a thumbnail); picture is the
    // image's index in the PictureStep; album is the sub-album's index in the run's tree, -1
    // for an image of this folder.
    void Add(IndexEntry entry, int picture, QByteArray imageRef, int album = -1);

    // Writes the index page with the entries of the images (by their place in the folder) and
    // the sub-albums (by their index in the tree) the predicates name; or why it could not be
    // written.
    Done Write(PageFileWriter& writer, const std::function<bool(int)>& imageListed,
               const std::function<bool(int)>& albumListed);
    // How many index pages the last Write made.
    int Pages() const { return pages_; }

private:
    struct Item {
        IndexEntry entry;
        int picture;
        QByteArray imageRef;
        int album;
    };
    const PageRun& run_;
    const PictureStep& pictures_;
    QString title_;
    QString outFolder_;
    QByteArray upLink_, linkPrefix_;
    std::vector<Item> items_;
    int pages_ = 0;
};

} // namespace tuk
