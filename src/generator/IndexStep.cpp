#include "generator/IndexStep.h"

#include "generator/PageFile.h"
#include "generator/PageGenerator.h"
#include "generator/PictureStep.h"

#include <QCoreApplication>

namespace tuk {

IndexStep::IndexStep(const PageRun& run, const PictureStep& pictures, QString title,
                     QString outFolder, QByteArray upLink, QByteArray linkPrefix)
    : run_(run), pictures_(pictures), title_(std::move(title)), outFolder_(std::move(outFolder)),
      upLink_(std::move(upLink)), linkPrefix_(std::move(linkPrefix)) {}

void IndexStep::Add(IndexEntry entry, int picture, QByteArray imageRef, int album) {
    items_.push_back({std::move(entry), picture, std::move(imageRef), album});
}

Done IndexStep::Write(PageFileWriter& writer, const std::function<bool(int)>& imageListed,
                      const std::function<bool(int)>& albumListed) {
    std::vector<IndexEntry> shown;
    std::vector<const Item*> order; // sub-albums first
    for (const bool albums : {true, false})
        for (const Item& item : items_)
            if ((item.album >= 0) == albums)
                order.push_back(&item);
    int image = 0;
    for (const Item* each : order) {
        const Item& item = *each;
        if (item.album >= 0 ? !albumListed(item.album) : !imageListed(image++))
            continue;
        IndexEntry entry = item.entry;
        const PicturePlan* plan = item.picture >= 0 && pictures_.Sizes().thumb > 0
                                      ? &pictures_.PlanOf(item.picture)
                                      : nullptr;
        const QSize thumb = plan ? pictures_.SizeOf(item.picture, PictureKind::Thumb) : QSize();
        if (!plan || !plan->Ready() || (thumb.isEmpty() && pictures_.Unplaced(item.picture))) {
            entry.thumb = QSize();
        } else if (thumb.isEmpty()) { // the image is as small as a thumbnail: it serves itself
            entry.thumb = plan->image;
            entry.thumbLink = item.imageRef;
            entry.thumb2xLink.clear();
        } else {
            entry.thumb = thumb;
            if (pictures_.SizeOf(item.picture, PictureKind::Thumb2x).isEmpty())
                entry.thumb2xLink.clear();
        }
        shown.push_back(std::move(entry));
    }
    IndexLayout layout;
    layout.title = title_;
    layout.thumbSize = run_.thumbSize;
    layout.upLink = upLink_;
    layout.linkPrefix = linkPrefix_;
    const std::vector<QByteArray> pages =
        ComposeIndexPages(run_.settings, run_.body, layout, shown);
    pages_ = int(pages.size());
    for (size_t k = 0; k < pages.size(); ++k) {
        const QByteArray name = IndexPageName(int(k) + 1); // NUL-terminated, as the writer needs
        if (const auto written = writer.Write(name, pages[k]); !written)
            //: %1%2 the index page, %3 the system's reason
            return Failure{
                QCoreApplication::translate("Run", "Cannot write the index page %1%2: %3.")
                    .arg(outFolder_, QString::fromLatin1(name), written.failure().text),
                written.failure().error};
    }
    return {};
}

} // namespace tuk
