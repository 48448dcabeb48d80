#pragma once

#include <QByteArray>
#include <charconv>
#include <cstddef>

namespace tuk {

// Appends a string literal without its terminating NUL; the length comes from the array, so
// it is never counted by hand.
template <std::size_t N> void AppendLiteral(QByteArray& out, const char (&text)[N]) {
    out.append(text, static_cast<qsizetype>(N - 1));
}

// Appends the decimal digits of a number, with "-" in front when it is negative.
inline void AppendDecimal(QByteArray& out, qint64 value) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end - digits);
}

} // namespace tuk
