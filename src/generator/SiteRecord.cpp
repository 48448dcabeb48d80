#include "generator/SiteRecord.h"

#include "generator/PageFile.h"

#include <QCoreApplication>
#include <QList>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tuk {

namespace {

constexpr char kFirstLine[] = "tu_k-site 1";
constexpr qsizetype kLargestRecord = 16 << 20;

QByteArray Encoded(const QByteArray& bytes) {
    return bytes.toPercentEncoding("/");
}

} // namespace

QByteArray SiteRecord::Text() const {
    QByteArray text = QByteArray(kFirstLine) + "\nsource " + Encoded(source) + "\nidentity " +
                      QByteArray::number(quint64(device)) + ' ' +
                      QByteArray::number(quint64(inode)) + '\n';
    for (const QByteArray& original : originals)
        text += "original " + Encoded(original) + '\n';
    return text;
}

std::optional<SiteRecord> SiteRecord::Parse(QByteArrayView text) {
    const QList<QByteArray> lines = text.toByteArray().split('\n');
    if (lines.isEmpty() || lines.first() != kFirstLine)
        return std::nullopt;
    SiteRecord record;
    for (const QByteArray& line : lines.mid(1)) {
        const QByteArray key = line.left(line.indexOf(' ')), value = line.mid(key.size() + 1);
        if (key == "source") {
            record.source = QByteArray::fromPercentEncoding(value);
        } else if (key == "identity") {
            const QList<QByteArray> numbers = value.split(' ');
            record.device = dev_t(numbers.value(0).toULongLong());
            record.inode = ino_t(numbers.value(1).toULongLong());
        } else if (key == "original") {
            record.originals.push_back(QByteArray::fromPercentEncoding(value));
        }
    }
    if (record.source.isEmpty())
        return std::nullopt;
    return record;
}

bool SiteRecord::IsSource(const QByteArray& folder) const {
    struct stat st {};
    return folder == source ||
           (stat(folder.constData(), &st) == 0 && st.st_dev == device && st.st_ino == inode);
}

std::optional<SiteRecord> ReadSiteRecord(int topFd) {
    const int fd = openat(topFd, kSiteRecordName, O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0)
        return std::nullopt;
    struct stat st {};
    QByteArray text;
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= kLargestRecord) {
        text.resize(qsizetype(st.st_size));
        if (read(fd, text.data(), size_t(text.size())) != ssize_t(text.size()))
            text.clear();
    }
    close(fd);
    return SiteRecord::Parse(text);
}

Done WriteSiteRecord(PageFileWriter& writer, const SiteRecord& record, const QString& top) {
    const auto written = writer.Write(kSiteRecordName, record.Text());
    if (written)
        return {};
    //: %1%2 the record's file, %3 the system's reason
    return Failure{QCoreApplication::translate("Run", "Cannot write the site's record %1%2: %3.")
                       .arg(top, QLatin1String(kSiteRecordName), written.failure().text),
                   written.failure().error};
}

} // namespace tuk
