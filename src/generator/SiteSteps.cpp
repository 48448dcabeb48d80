#include "generator/SiteSteps.h"

#include "base/PathNames.h"
#include "generator/PageFile.h"
#include "generator/RunParts.h"
#include "generator/RunState.h"
#include "generator/SiteRecord.h"

#include <QCoreApplication>
#include <algorithm>
#include <sys/stat.h>

namespace tuk {

Done CheckSiteSource(RunState& s) {
    if (!s.output.site)
        return {};
    const UniqueFd top = OpenFolder(s.output.sOutFolder.bytes);
    if (top.get() >= 0)
        s.siteRecord = ReadSiteRecord(top.get());
    const QByteArray source = s.tree.albums.front().folder.bytes;
    if (!s.siteRecord || s.siteRecord->IsSource(source))
        return {};
    //: %1 the target folder, %2 the folder whose site it holds
    return Failure{QCoreApplication::translate(
                       "Run", "%1 holds the site of %2, and a site holds the pages of one folder: "
                              "choose another target folder, or remove that site. No page was "
                              "written.")
                       .arg(s.output.sOutFolder.text, ShownText(s.siteRecord->source))};
}

Done RecordSite(RunState& s, bool finished) {
    if (!s.output.site)
        return {};
    SiteRecord record;
    record.source = s.tree.albums.front().folder.bytes;
    struct stat st {};
    if (stat(record.source.constData(), &st) == 0)
        record.device = st.st_dev, record.inode = st.st_ino;
    QSet<QByteArray> placed;
    if (!finished && s.siteRecord)
        for (const QByteArray& original : s.siteRecord->originals)
            placed.insert(original);
    if (s.run.settings.lOriginals)
        for (const Album& album : s.tree.albums)
            for (const FsName& image : album.images)
                placed.insert(album.relative + image.bytes);
    record.originals.assign(placed.begin(), placed.end());
    std::sort(record.originals.begin(), record.originals.end());
    const UniqueFd top = OpenFolder(s.output.sOutFolder.bytes);
    PageFileWriter writer(top.get(), s.run.unnamedFiles);
    Done written = WriteSiteRecord(writer, record, s.output.sOutFolder.text);
    if (written)
        s.siteRecord = record;
    return written;
}

} // namespace tuk
