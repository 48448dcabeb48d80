#include "thumbnails/ImageFiles.h"

#include "base/SystemError.h"
#include "generator/ImageFormats.h"

#include <QCoreApplication>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>

namespace tuk {

Result<UniqueFd> OpenRegular(int folderFd, const QByteArray& name, bool followLinks,
                             struct stat& st) {
    UniqueFd fd(
        openat(folderFd, name.constData(),
               O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | (followLinks ? 0 : O_NOFOLLOW)));
    if (!fd.IsOpen())
        return Failure{ErrorText(fd.error()), fd.error()};
    if (fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        //: why an image cannot be read
        return Failure{QCoreApplication::translate("Run", "not a regular file")};
    return fd;
}

bool IsAnimated(const PictureSource& source) {
    const ImageFormatRow* format = FindImageFormat(FormatOfName(source.name));
    return format && format->animated;
}

std::vector<PictureKind> NeededKinds(const PictureSizes& sizes, QSize image, bool animated) {
    std::vector<PictureKind> kinds;
    for (PictureKind kind : kPictureKindList)
        if (sizes.Needs(kind, image, animated))
            kinds.push_back(kind);
    std::stable_sort(kinds.begin(), kinds.end(), [&](PictureKind a, PictureKind b) {
        return sizes.Longest(a) > sizes.Longest(b);
    });
    return kinds;
}

std::optional<quint32> StampBackground(const PictureSource& source, const PictureSizes& sizes) {
    if (const ImageFormatRow* format = FindImageFormat(FormatOfName(source.name));
        format && format->transparent)
        return sizes.background;
    return std::nullopt;
}

} // namespace tuk
