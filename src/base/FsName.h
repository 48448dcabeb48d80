#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace tuk {

// A name or path as the file system holds it: its bytes, which need not be UTF-8, and the
// text shown for them. The bytes are what the program opens and links to; the text is only
// ever shown, so a name that is not UTF-8 still gets its page.
struct FsName {
    FsName() = default;
    // The text comes from the bytes (see ShownText).
    explicit FsName(QByteArray fsBytes);
    // The bytes are the UTF-8 of the text.
    explicit FsName(const QString& shown);

    QByteArray bytes;
    QString text;

    friend bool operator==(const FsName& a, const FsName& b) { return a.bytes == b.bytes; }
};

// The folder with one "/" at its end, in bytes and text.
FsName WithTrailingSeparator(const FsName& folder);

// The text of file-system bytes: valid UTF-8 decoded, every other byte as U+FFFD.
QString ShownText(QByteArrayView bytes);

// The length of the valid UTF-8 sequence that starts at bytes[i], or 0 when none does (a stray
// continuation byte, an overlong form, a surrogate, beyond U+10FFFF, cut short).
qsizetype Utf8SequenceLength(QByteArrayView bytes, qsizetype i);

// The bytes with each character of their valid UTF-8 lower-cased and every other byte kept
// as it is, so different names stay different and a name always gives the same result.
QByteArray LowerCased(QByteArrayView bytes);

// Text that keeps any bytes: valid UTF-8 decoded, every other byte as the lone surrogate
// U+DC80 + byte. EscapedBytes gives the bytes back, so a path that is not UTF-8 survives
// code that works on text (a command-line parser, cleaning a path).
QString EscapedText(QByteArrayView bytes);
QByteArray EscapedBytes(QStringView text);

} // namespace tuk
