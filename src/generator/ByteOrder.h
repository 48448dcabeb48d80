#pragma once

#include <QByteArrayView>

namespace tuk {

// Unsigned numbers in bytes the caller has checked are there.
inline int Byte(QByteArrayView b, qsizetype i) {
    return static_cast<unsigned char>(b[i]);
}
inline int BigEndian16(QByteArrayView b, qsizetype i) {
    return Byte(b, i) << 8 | Byte(b, i + 1);
}
inline quint32 BigEndian32(QByteArrayView b, qsizetype i) {
    return static_cast<quint32>(BigEndian16(b, i)) << 16 |
           static_cast<quint32>(BigEndian16(b, i + 2));
}

} // namespace tuk
