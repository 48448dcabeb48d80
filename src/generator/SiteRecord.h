#pragma once

#include "base/Failure.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>
#include <sys/types.h>
#include <vector>

namespace tuk {

class PageFileWriter;

// A site keeps in its top folder a small record of the folder it was made from and of the
// originals placed in it, so that another folder's run never writes over it and the originals
// of photos that are gone can be told from a user's own files there.
inline constexpr char kSiteRecordName[] = ".tu_k-site";

struct SiteRecord {
    QByteArray source; // the folder the site is made of, ending with "/"
    dev_t device = 0;  // and its identity, which a renamed folder keeps
    ino_t inode = 0;
    std::vector<QByteArray> originals; // file paths below the site's top folder

    QByteArray Text() const;
    static std::optional<SiteRecord> Parse(QByteArrayView text);
    // Whether the folder (its path, or its identity when it was renamed) is the record's.
    bool IsSource(const QByteArray& folder) const;
};

// The record in the site's top folder; none when there is none or it is not the program's.
std::optional<SiteRecord> ReadSiteRecord(int topFd);
// Writes the record whole (see PageFileWriter), or tells why it could not be written.
Done WriteSiteRecord(PageFileWriter& writer, const SiteRecord& record, const QString& top);

} // namespace tuk
