#include "generator/HeaderBytes.h"

#include <cerrno>
#include <unistd.h>

namespace tuk {

QByteArrayView HeaderBytes::At(qint64 offset, qsizetype n) {
    if (fd_ >= 0 && (offset < start_ || offset + n > start_ + window_.size())) {
        window_.resize(qMax<qsizetype>(n, window_.isEmpty() ? kFirstWindow : kWindow));
        ssize_t got;
        do
            got = pread(fd_, window_.data(), static_cast<size_t>(window_.size()), offset);
        while (got < 0 && errno == EINTR);
        window_.resize(got > 0 ? got : 0);
        start_ = offset;
    }
    const qint64 from = offset - start_;
    if (from < 0 || from >= window_.size())
        return {};
    return QByteArrayView(window_).sliced(from, qMin<qint64>(n, window_.size() - from));
}

} // namespace tuk
