#include "thumbnails/SlowImages.h"

#include "generator/PageFile.h"

#include <QList>
#include <fcntl.h>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace tuk {

namespace {

constexpr qint64 kMaxRecordBytes = qint64(1) << 20; // some ten thousand images

} // namespace

SlowImages ReadSlowImages(int folderFd) {
    const int fd = openat(folderFd, kSlowImagesFileName,
                          O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return {};
    struct stat st {};
    QByteArray text;
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= kMaxRecordBytes) {
        text.resize(qsizetype(st.st_size));
        const ssize_t got = pread(fd, text.data(), size_t(text.size()), 0);
        text.resize(got > 0 ? qsizetype(got) : 0);
    }
    close(fd);
    SlowImages images;
    for (const QByteArray& line : text.split('\n'))
        if (!line.isEmpty())
            images.insert(line);
    return images;
}

void WriteSlowImages(int folderFd, const SlowImages& images) {
    if (images.empty()) {
        (void)unlinkat(folderFd, kSlowImagesFileName, 0); // fails, as it may, when there is none
        return;
    }
    QByteArray text;
    for (const QByteArray& image : images)
        text += image + '\n';
    (void)PageFileWriter(folderFd).Write(kSlowImagesFileName, text);
}

int SlowRecordFolder(const PictureSource& source, const PictureSizes& sizes) {
    return sizes.thumb > 0 && source.thumbsFd >= 0 ? source.thumbsFd : source.webFd;
}

void WriteSlowRecords(const std::vector<PictureSource>& sources, const PictureSizes& sizes,
                      const std::vector<PicturePlan>& plans) {
    std::map<int, SlowImages> records;
    for (size_t k = 0; k < sources.size() && k < plans.size(); ++k) {
        const int folder = SlowRecordFolder(sources[k], sizes);
        if (folder < 0)
            continue;
        SlowImages& record = records[folder];
        if (plans[k].state == PictureState::TooSlow)
            record.insert(plans[k].identity);
    }
    for (const auto& [folder, images] : records)
        WriteSlowImages(folder, images);
}

} // namespace tuk
