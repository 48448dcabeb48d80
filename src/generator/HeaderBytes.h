#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace tuk {

// Bytes of a file at any offset, as the header readers take them: a window read once and kept,
// another read only when asked for bytes outside it. The first window is small: most headers
// end within it, and copying what lies beyond costs more than the read itself.
class HeaderBytes {
public:
    explicit HeaderBytes(int fd) : fd_(fd) {}
    explicit HeaderBytes(QByteArrayView memory) : window_(memory.toByteArray()) {}

    // Up to n bytes at the offset; fewer at the end of the file.
    QByteArrayView At(qint64 offset, qsizetype n);

private:
    static constexpr qsizetype kFirstWindow = 4096, kWindow = 65536;
    int fd_ = -1;
    qint64 start_ = 0;
    QByteArray window_;
};

} // namespace tuk
