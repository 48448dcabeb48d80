#pragma once

// One folder of a run: its checks, its pages and its index page. Not part of the generator's
// interface; the run drives one per folder, through its phases.

#include "generator/AlbumTree.h"
#include "generator/IndexStep.h"
#include "generator/PageComposer.h"
#include "generator/PageFile.h"
#include "generator/PageNames.h"
#include "generator/RunParts.h"

#include <QSet>
#include <QString>
#include <memory>
#include <sys/stat.h>
#include <vector>

namespace tuk {

struct RunState;

class FolderRun {
public:
    // output: where this folder's pages go and how they link (see ChooseOutputFolder).
    FolderRun(RunState& state, const Album& album, const OutputChoice& output);

    // Before anything is written: the page names and their lengths, the image folder, and
    // nothing of the user's where the index page or the pictures would go.
    Done Check();
    // Makes the output folder and the pictures' folders; registers the pictures and the index
    // entries of the images; notes which pages exist already.
    // upLink: the parent album's index page as this folder's index links it; empty for none.
    Done Open(const QByteArray& upLink);
    // The index entry of this folder as its parent album shows it; parentRelative is the
    // parent's place in the tree.
    void AddAlbumEntry(IndexStep& parentIndex, const QByteArray& parentRelative, int album,
                       const FolderRun& cover) const;
    IndexStep* Index() { return index_.get(); }
    // Whether this folder's index page is there.
    bool HasIndex() const;
    // The index page with the images whose pages exist and the sub-albums albumListed() names.
    Done WriteIndex(const std::function<bool(int)>& albumListed);

    // Writes the pages; stops (Stopped) or fails with a message.
    RunEnd Pages(PageRunListener& events, QString& message);
    // Once no page and no picture will come any more: every page made shows its copy when that
    // exists, and links only pages that exist; or why a page could not be rewritten.
    Done Settle();
    // Whether the image folder and the output folder are still where the run found them; a
    // folder moved or removed during the run says so in `why`.
    bool StillInPlace(QString& why) const;
    void RemoveEmptyPictureFolders();
    // After a finished run: what the program wrote here for images, index pages and (in a site)
    // albums that are gone; returns how many files and folders went.
    int RemoveStale(const QSet<QByteArray>& originals);

    int PageCount() const { return int(album_.images.size()); }
    QString FirstPageLink() const;

private:
    Done WritePage(int k);
    Done Place(int k, const struct stat& st);
    bool TakeBackNewestPage();
    void TakeBackPagesOfGoneImages();
    PageFacts FactsOf(int k, const struct stat& st);
    const PhotoFacts* PhotoOf(int k) const; // null when the run reads none
    QByteArrayView DateOf(int k, const struct stat& st);
    QByteArrayView IndexLinkOf(int k);
    // The link to page k, or to the last page of the unbroken row from the first when page k
    // does not exist.
    void LinkTo(QByteArray& out, int k) const;
    bool PageExists(int k) const {
        return !gone_[size_t(k)] && (k < pagesMade_ || existed_[size_t(k)]);
    }
    QSize CopySize(int k) const;
    Failure ImageFailure(const FsName& image) const;
    Failure OutputFolderFailure() const;
    Done RefusedNames() const;
    Done OpenOutputFolders();
    void PrepareLinks();
    Done AddImages();

    RunState& state_;
    const Album& album_;
    const OutputChoice output_;
    PageNameTable pageNames_;
    UniqueFd imageFolder_, outFolder_, thumbsFolder_, webFolder_;
    std::unique_ptr<PageFileWriter> writer_;
    std::unique_ptr<IndexStep> index_; // on the heap: most folders of a tree have none
    int firstPicture_ = -1;            // the first image's index in the PictureStep
    int pagesMade_ = 0;
    int reach_ = 0;                      // pages from the first that exist, one after the other
    std::vector<bool> existed_;          // page k was there before the run
    std::vector<bool> unchanged_;        // page k held the bytes this run wrote
    std::vector<bool> gone_;             // page k was taken away with its image
    std::vector<bool> showsCopy_;        // page k was written to show a screen-sized copy
    QByteArray outPrefix_, imagePrefix_; // full paths in links when pages are elsewhere
    QByteArray folderName_;              // the folder line's name, encoded
    QByteArray firstLink_, lastLink_, prevLink_, nextLink_, imageRef_, shownRef_, indexLink_;
    QByteArray pageIndexLink_;
    QString lowerName_, cameraLine_;
    bool shownBroken_ = false; // the page being made has no picture: its image is broken
};

} // namespace tuk
