#pragma once

#include "generator/IndexPage.h"
#include "generator/Pictures.h"

#include <QString>
#include <vector>

namespace tuk {

class PageFileWriter;
struct PageRun;
struct PageRunResult;

// The index page of a run and the pictures it shows. Prepared before the first page, so an
// index page exists from then on and the pages' index links never lead nowhere; written again
// whenever the run ends, naming only pictures that exist then.
class IndexStep {
public:
    IndexStep(const PageRun& run, int outFd, const QString& outFolder);
    ~IndexStep();
    IndexStep(const IndexStep&) = delete;
    IndexStep& operator=(const IndexStep&) = delete;

    // The entry and the pictures of one image, in list order; links are ready link bytes.
    void Add(IndexEntry entry, PictureSource source, QByteArray imageRef);
    // The thumbnail folder's descriptor, or -1 with the failure told.
    int OpenThumbsFolder(QString& failure);
    // Plans the pictures and writes an index page that shows only those there already. Empty,
    // or why the index page could not be written.
    QString Prepare(PageFileWriter& writer);
    // How many images need pictures made.
    int PicturesToMake() const;
    // Makes the pictures, reporting through `progress`; Stopped, Failed (failure says why) or
    // Finished.
    enum class End { Finished, Stopped, Failed };
    End MakePictures(const std::function<bool(int, int)>& progress, QString& failure);
    // Writes the index page for the first `count` images (the pages that exist), each with its
    // picture only when the picture exists. Empty, or why it could not be written.
    QString Write(PageFileWriter& writer, size_t count);
    // The images without picture, counted and named in the result.
    void Report(PageRunResult& result) const;

private:
    const PageRun& run_;
    int outFd_;
    QString outFolder_;
    int thumbsFd_ = -1;
    PictureSizes sizes_;
    std::vector<IndexEntry> entries_;
    std::vector<PictureSource> sources_;
    std::vector<QByteArray> imageRefs_;
    std::vector<PicturePlan> plans_;
};

} // namespace tuk
