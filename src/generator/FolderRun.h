#pragma once

// One folder of a run: its checks, its pages and its index page. Not part of the generator's
// interface; PageGenerator drives one per folder of the run.

#include "generator/AlbumTree.h"
#include "generator/IndexStep.h"
#include "generator/PageComposer.h"
#include "generator/PageFile.h"
#include "generator/PageNames.h"
#include "generator/RunParts.h"

#include <QString>
#include <memory>
#include <sys/stat.h>
#include <vector>

namespace tuk {

class PictureStep;

// What every folder of a run shares.
struct RunShared {
    RunShared(const PageRun& r, PictureStep& p, PageRunResult& res)
        : run(r), pictures(p), result(res), dates(r.locale) {}
    const PageRun& run;
    PictureStep& pictures;
    PageRunResult& result;
    int total = 0;    // pages of the whole run
    int position = 1; // the page being made, counted over the whole run
    DateTexts dates;
    QByteArray page; // the page being made, one buffer for every folder

    QString Failure(const QString& what, const QString& name, const QString& reason) const;
};

class FolderRun {
public:
    // output: where this folder's pages go and how they link (see ChooseOutputFolder).
    FolderRun(RunShared& shared, const Album& album, const OutputChoice& output);

    // Before anything is written: the page names and their lengths, the image folder, and
    // nothing of the user's where the index page or the pictures would go.
    QString Check();
    // Makes the output folder and the pictures' folders; registers the pictures and the index
    // entries of the images.
    // upLink: the parent album's index page as this folder's index links it; empty for none.
    QString Open(const QByteArray& upLink);
    // The index entry of this folder as its parent album shows it; parentRelative is the
    // parent's place in the tree.
    void AddAlbumEntry(IndexStep& parentIndex, const QByteArray& parentRelative, int album,
                       const FolderRun& cover) const;
    IndexStep* Index() { return index_.get(); }
    // The index page with the first `images` images and the sub-albums albumMade() names.
    QString WriteIndex(int images, const std::function<bool(int)>& albumMade);
    int PagesMade() const { return pagesMade_; }

    // Writes the pages; stops (Stopped) or fails with a message.
    RunEnd Pages(PageRunListener& events, QString& message);
    // Once no picture will come any more: every page that was written to show a screen-sized
    // copy that does not exist shows the image itself again.
    QString ShowMissingCopiesAsImages();
    void RemoveEmptyPictureFolders();

    int PageCount() const { return int(album_.images.size()); }
    QString FirstPageLink() const;

private:
    QString WritePage(int k);
    PageFacts FactsOf(int k, const struct stat& st);
    QByteArrayView IndexLinkOf(int k);
    QString ImageFailure(const FsName& image) const;
    QString OpenOutputFolders();
    void PrepareLinks();
    QString AddImages();

    RunShared& shared_;
    const Album& album_;
    const OutputChoice output_;
    PageNameTable pageNames_;
    FolderHandle imageFolder_, outFolder_, thumbsFolder_, webFolder_;
    std::unique_ptr<PageFileWriter> writer_;
    std::unique_ptr<PageComposer> composer_;
    std::unique_ptr<IndexStep> index_; // on the heap: most folders of a tree have none
    int firstPicture_ = -1;            // the first image's index in the PictureStep
    int pagesMade_ = 0;
    std::vector<bool> showsCopy_;        // page k was written to show a screen-sized copy
    QByteArray outPrefix_, imagePrefix_; // full paths in links when pages are elsewhere
    QByteArray firstLink_, lastLink_, prevLink_, nextLink_, imageRef_, shownRef_, indexLink_;
    QByteArray pageIndexLink_;
    QString lowerName_;
};

} // namespace tuk
