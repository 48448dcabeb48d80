#include "generator/TiffBlock.h"

#include "generator/ByteOrder.h"

namespace tuk {

namespace {

constexpr qint64 kHeader = 8;
constexpr qint64 kEntry = 12;
// Cameras write well under a hundred fields per directory.
constexpr int kMostFields = 300;

// The bytes of one value of each TIFF type; 0 for a type that does not exist.
int TypeSize(int type) {
    static constexpr int kSizes[] = {0, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8, 4};
    return type >= 1 && type < int(std::size(kSizes)) ? kSizes[type] : 0;
}

} // namespace

TiffBlock::TiffBlock(QByteArrayView tiff) : tiff_(tiff), big_(tiff.startsWith("MM")) {
    valid_ = tiff.size() >= kHeader && (big_ || tiff.startsWith("II"));
}

quint32 TiffBlock::Unsigned(QByteArrayView bytes, qint64 at, int size) const {
    if (at < 0 || at + size > bytes.size())
        return 0;
    quint32 value = 0;
    for (int i = 0; i < size; ++i)
        value = value << 8 | static_cast<quint32>(Byte(bytes, at + (big_ ? i : size - 1 - i)));
    return value;
}

int TiffBlock::FieldCount(qint64 directory) const {
    if (!valid_ || directory < kHeader || directory + 2 > tiff_.size())
        return 0;
    const qint64 fitting = (tiff_.size() - directory - 2) / kEntry;
    return static_cast<int>(
        qMin<qint64>(qMin<qint64>(Unsigned(tiff_, directory, 2), fitting), kMostFields));
}

TiffField TiffBlock::Field(qint64 directory, int k) const {
    const qint64 entry = directory + 2 + kEntry * k;
    TiffField field;
    field.tag = static_cast<int>(Unsigned(tiff_, entry, 2));
    field.type = static_cast<int>(Unsigned(tiff_, entry + 2, 2));
    const qint64 bytes = qint64(Unsigned(tiff_, entry + 4, 4)) * TypeSize(field.type);
    const qint64 at = bytes <= 4 ? entry + 8 : qint64(Unsigned(tiff_, entry + 8, 4));
    if (bytes > 0 && at + bytes <= tiff_.size())
        field.value = tiff_.sliced(at, bytes);
    return field;
}

std::optional<quint32> TiffBlock::Number(const TiffField& field) const {
    const int size = field.type == 1 ? 1 : field.type == 3 ? 2 : field.type == kLong ? 4 : 0;
    if (size == 0 || field.value.isEmpty())
        return std::nullopt;
    return Unsigned(field.value, 0, size);
}

bool TiffBlock::Ratio(const TiffField& field, quint32& numerator, quint32& denominator) const {
    if (field.type != 5 || field.value.isEmpty())
        return false;
    numerator = Unsigned(field.value, 0, 4);
    denominator = Unsigned(field.value, 4, 4);
    return true;
}

QByteArrayView TiffBlock::Ascii(const TiffField& field) {
    if (field.type != kAscii)
        return {};
    const qsizetype end = field.value.indexOf('\0');
    return end < 0 ? field.value : field.value.first(end);
}

} // namespace tuk
