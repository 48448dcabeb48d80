#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>
#include <utility>

namespace tuk {

// Why a step below the widgets failed: the text shown to the user and the errno of the failed
// system call (0 when no system call failed). The errno is copied right after the call that
// set it, before any text is made: a translation or an .arg() may change errno.
struct Failure {
    QString text;
    int error = 0;
};

// What a step yields, or why it failed. Made implicitly from either, so a step returns its
// value or its Failure as they are.
template <typename T> class [[nodiscard]] Result {
public:
    Result(T value) : value_(std::move(value)) {}
    Result(Failure failure) : failure_(std::move(failure)) {}

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    T& value() {
        Q_ASSERT(ok());
        return *value_;
    }
    const T& value() const {
        Q_ASSERT(ok());
        return *value_;
    }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    // Empty text and no errno on success.
    const Failure& failure() const { return failure_; }

private:
    std::optional<T> value_;
    Failure failure_;
};

// A step that only does something: done, or why not.
template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Failure failure) : failure_(std::move(failure)), failed_(true) {}

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const Failure& failure() const { return failure_; }

private:
    Failure failure_;
    bool failed_ = false;
};

using Done = Result<void>;

} // namespace tuk
