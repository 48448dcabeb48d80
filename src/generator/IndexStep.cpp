#include "generator/IndexStep.h"

#include "base/SystemError.h"
#include "generator/PageFile.h"
#include "generator/PageGenerator.h"
#include "generator/PictureStep.h"

namespace tuk {

IndexStep::IndexStep(const PageRun& run, const PictureStep& pictures, QString title,
                     QString outFolder)
    : run_(run), pictures_(pictures), title_(std::move(title)), outFolder_(std::move(outFolder)) {}

void IndexStep::Add(IndexEntry entry, int picture, QByteArray imageRef, int album) {
    items_.push_back({std::move(entry), picture, std::move(imageRef), album});
}

QString IndexStep::Write(PageFileWriter& writer, int images,
                         const std::function<bool(int)>& albumMade) const {
    std::vector<IndexEntry> shown;
    std::vector<const Item*> order; // sub-albums first
    for (const bool albums : {true, false})
        for (const Item& item : items_)
            if ((item.album >= 0) == albums)
                order.push_back(&item);
    for (const Item* each : order) {
        const Item& item = *each;
        if (item.album >= 0 ? !albumMade(item.album) : images-- <= 0)
            continue;
        IndexEntry entry = item.entry;
        const PicturePlan* plan = item.picture >= 0 && pictures_.Sizes().thumb > 0
                                      ? &pictures_.PlanOf(item.picture)
                                      : nullptr;
        const QSize thumb = plan ? pictures_.SizeOf(item.picture, PictureKind::Thumb) : QSize();
        if (!plan || !plan->Ready()) {
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
    const QByteArray page =
        ComposeIndexPage(run_.settings, run_.body, title_, run_.thumbSize, shown);
    if (writer.Write(QByteArrayView(kIndexFileName), page) != PageFileWriter::Outcome::Failed)
        return QString();
    return QStringLiteral("Cannot write the index page %1%2: %3.")
        .arg(outFolder_, QLatin1String(kIndexFileName), ErrorText(writer.error()));
}

} // namespace tuk
