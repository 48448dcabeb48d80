#pragma once

#include <QByteArrayView>
#include <optional>

namespace tuk {

// One field of a TIFF directory. Its value is the bytes its type and count take, inside the
// entry or at its offset; empty when they do not lie wholly in the block (a count that claims
// more than there is, an offset past the end) or the type is unknown.
struct TiffField {
    int tag = 0;
    int type = 0;
    QByteArrayView value;
};

// The TIFF structure of an EXIF block, in either byte order. Every read is checked against the
// block, so a hostile one yields fewer fields, never a read outside it.
class TiffBlock {
public:
    static constexpr int kAscii = 2;
    static constexpr int kLong = 4;

    explicit TiffBlock(QByteArrayView tiff);

    bool Valid() const { return valid_; }
    qint64 FirstDirectory() const { return Unsigned(tiff_, 4, 4); }
    // The fields of the directory at the offset that lie in the block, at most a few hundred.
    int FieldCount(qint64 directory) const;
    TiffField Field(qint64 directory, int k) const;

    // The first value of a BYTE, SHORT or LONG field.
    std::optional<quint32> Number(const TiffField& field) const;
    // The first value of a RATIONAL field; false for another type.
    bool Ratio(const TiffField& field, quint32& numerator, quint32& denominator) const;
    // An ASCII field's text up to its first NUL, if it has one; empty for another type.
    static QByteArrayView Ascii(const TiffField& field);

private:
    quint32 Unsigned(QByteArrayView bytes, qint64 at, int size) const;

    QByteArrayView tiff_;
    bool big_ = false;
    bool valid_ = false;
};

} // namespace tuk
