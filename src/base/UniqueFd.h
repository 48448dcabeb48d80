#pragma once

#include <cerrno>
#include <unistd.h>

namespace tuk {

// Owns one descriptor and closes it when it goes out of scope, leaving errno as it was, so a
// failure read after the owner is gone still tells the call that failed. Made from the result
// of an open, it keeps that call's errno when the open failed: `UniqueFd fd(openat(...))`.
class UniqueFd {
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd), error_(fd < 0 ? errno : 0) {}
    ~UniqueFd() { Reset(); }
    UniqueFd(UniqueFd&& other) noexcept : fd_(other.release()), error_(other.error_) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept {
        if (this != &other) {
            Reset();
            error_ = other.error_;
            fd_ = other.release();
        }
        return *this;
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;

    int get() const { return fd_; }
    bool IsOpen() const { return fd_ >= 0; }
    // The errno of the open that made this owner when it failed; 0 otherwise.
    int error() const { return error_; }
    // Gives the descriptor up without closing it.
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }
    // Closes now and answers as close() does, errno telling why: the last chance to hear of a
    // write that failed late (network file systems).
    int Close() { return close(release()); }

private:
    void Reset() {
        if (fd_ < 0)
            return;
        const int saved = errno;
        close(release());
        errno = saved;
    }

    int fd_ = -1;
    int error_ = 0;
};

} // namespace tuk
