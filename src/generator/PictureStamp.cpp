#include "generator/PictureStamp.h"

#include "generator/Pictures.h"

#include <QList>

namespace tuk {

namespace {

constexpr auto& kTag = kPictureStampTag;

qint64 Nanoseconds(const struct timespec& t) {
    return static_cast<qint64>(t.tv_sec) * 1000000000 + t.tv_nsec;
}

} // namespace

PictureStamp PictureStamp::Of(const struct stat& image, QSize upright, int longest,
                              std::optional<quint32> background) {
    return {upright,
            image.st_size,
            Nanoseconds(image.st_mtim),
            Nanoseconds(image.st_ctim),
            image.st_ino,
            longest,
            background ? std::optional<quint32>(*background & 0xffffff) : std::nullopt};
}

bool PictureStamp::SameImage(const PictureStamp& other) const {
    return bytes == other.bytes && mtimeNs == other.mtimeNs && ctimeNs == other.ctimeNs &&
           inode == other.inode;
}

QByteArray PictureStamp::Identity(const struct stat& image) {
    return "bytes=" + QByteArray::number(qint64(image.st_size)) +
           " mtime=" + QByteArray::number(Nanoseconds(image.st_mtim)) +
           " ctime=" + QByteArray::number(Nanoseconds(image.st_ctim)) +
           " inode=" + QByteArray::number(quint64(image.st_ino));
}

QByteArray PictureStamp::Text() const {
    QByteArray text =
        QByteArray(kTag) + " w=" + QByteArray::number(image.width()) +
        " h=" + QByteArray::number(image.height()) + " bytes=" + QByteArray::number(bytes) +
        " mtime=" + QByteArray::number(mtimeNs) + " ctime=" + QByteArray::number(ctimeNs) +
        " inode=" + QByteArray::number(inode) + " longest=" + QByteArray::number(longest);
    if (background)
        text += " background=" + QByteArray::number(*background, 16);
    return text;
}

std::optional<PictureStamp> PictureStamp::Find(QByteArrayView comment) {
    const qsizetype at = comment.indexOf(QByteArrayView(kTag));
    if (at < 0)
        return std::nullopt;
    QByteArrayView rest = comment.sliced(at + qsizetype(sizeof kTag - 1));
    const qsizetype end = rest.indexOf('\n');
    if (end >= 0)
        rest = rest.first(end);
    PictureStamp stamp;
    int width = -1, height = -1, fields = 0;
    for (const QByteArray& field : rest.toByteArray().split(' ')) {
        const qsizetype equals = field.indexOf('=');
        if (equals <= 0)
            continue;
        const QByteArray key = field.left(equals), value = field.mid(equals + 1);
        bool ok = false;
        if (key == "w")
            width = value.toInt(&ok);
        else if (key == "h")
            height = value.toInt(&ok);
        else if (key == "bytes")
            stamp.bytes = value.toLongLong(&ok);
        else if (key == "mtime")
            stamp.mtimeNs = value.toLongLong(&ok);
        else if (key == "ctime")
            stamp.ctimeNs = value.toLongLong(&ok);
        else if (key == "inode")
            stamp.inode = value.toULongLong(&ok);
        else if (key == "longest")
            stamp.longest = value.toInt(&ok);
        else if (key == "background")
            stamp.background = value.toUInt(&ok, 16);
        if (!ok)
            return std::nullopt;
        ++fields;
    }
    if (fields < 7 || width <= 0 || height <= 0 || stamp.longest <= 0)
        return std::nullopt;
    stamp.image = QSize(width, height);
    return stamp;
}

QByteArray PictureStamp::PlacedText(const struct stat& image) {
    return "tu_k-placed " + Identity(image);
}

bool PictureStamp::IsOwn(QByteArrayView comment) {
    return comment.startsWith("tu_k-placed ") || Find(comment).has_value();
}

} // namespace tuk
