#include "base/FsName.h"

namespace tuk {

qsizetype Utf8SequenceLength(QByteArrayView bytes, qsizetype i) {
    const auto at = [&](qsizetype k) { return static_cast<unsigned char>(bytes[k]); };
    const unsigned char lead = at(i);
    if (lead < 0x80)
        return 1;
    qsizetype length = 0;
    unsigned char low = 0x80, high = 0xBF; // range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + length > bytes.size() || at(i + 1) < low || at(i + 1) > high)
        return 0;
    for (qsizetype k = 2; k < length; ++k) {
        if (at(i + k) < 0x80 || at(i + k) > 0xBF)
            return 0;
    }
    return length;
}

namespace {

// Decodes the bytes; each byte outside valid UTF-8 becomes what stray(byte) gives.
template <typename Stray> QString Decode(QByteArrayView bytes, Stray stray) {
    QString text;
    text.reserve(bytes.size());
    qsizetype i = 0;
    while (i < bytes.size()) {
        qsizetype end = i;
        for (qsizetype n; end < bytes.size() && (n = Utf8SequenceLength(bytes, end)) > 0;)
            end += n;
        text += QString::fromUtf8(bytes.sliced(i, end - i));
        if (end < bytes.size())
            text += QChar(stray(static_cast<unsigned char>(bytes[end++])));
        i = end;
    }
    return text;
}

// Whether text[i] is a lone surrogate that EscapedText made of a byte.
bool IsEscapedByte(QStringView text, qsizetype i) {
    const char16_t unit = text[i].unicode();
    return unit >= 0xDC80 && unit <= 0xDCFF && (i == 0 || !text[i - 1].isHighSurrogate());
}

} // namespace

FsName::FsName(QByteArray fsBytes) : bytes(std::move(fsBytes)), text(ShownText(bytes)) {}

FsName::FsName(const QString& shown) : bytes(shown.toUtf8()), text(shown) {}

FsName WithTrailingSeparator(const FsName& folder) {
    FsName result = folder;
    if (!result.bytes.endsWith('/')) {
        result.bytes += '/';
        result.text += QLatin1Char('/');
    }
    return result;
}

QString ShownText(QByteArrayView bytes) {
    return Decode(bytes, [](unsigned char) { return char16_t{0xFFFD}; });
}

QString EscapedText(QByteArrayView bytes) {
    return Decode(bytes, [](unsigned char b) { return static_cast<char16_t>(0xDC00 + b); });
}

QByteArray EscapedBytes(QStringView text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        qsizetype end = i;
        while (end < text.size() && !IsEscapedByte(text, end))
            ++end;
        bytes += text.sliced(i, end - i).toUtf8();
        if (end < text.size())
            bytes += static_cast<char>(text[end++].unicode() - 0xDC00);
        i = end;
    }
    return bytes;
}

QByteArray LowerCased(QByteArrayView bytes) {
    QByteArray lower;
    lower.reserve(bytes.size());
    qsizetype i = 0;
    while (i < bytes.size()) {
        // Plain ASCII, the usual case, without a detour through text.
        for (; i < bytes.size() && static_cast<unsigned char>(bytes[i]) < 0x80; ++i) {
            const char c = bytes[i];
            lower += c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
        }
        qsizetype end = i;
        for (qsizetype n; end < bytes.size() && static_cast<unsigned char>(bytes[end]) >= 0x80 &&
                          (n = Utf8SequenceLength(bytes, end)) > 0;)
            end += n;
        lower += QString::fromUtf8(bytes.sliced(i, end - i)).toLower().toUtf8();
        i = end;
        if (i < bytes.size() && static_cast<unsigned char>(bytes[i]) >= 0x80)
            lower += bytes[i++]; // not UTF-8: kept
    }
    return lower;
}

} // namespace tuk
