#include "generator/PageEncoding.h"

#include <QChar>
#include <array>

namespace tuk {

namespace {

// The characters of bytes 0x80..0x9F; 0 marks the five bytes the code page leaves undefined.
constexpr std::array<char16_t, 32> kHighControls{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendCharacterReference(QByteArray& out, char32_t c) {
    char digits[16];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + c % 10);
        c /= 10;
    } while (c != 0);
    out.append("&#", 2);
    while (n > 0)
        out.append(digits[--n]);
    out.append(';');
}

// Walks the text by code points; a lone surrogate stands for U+FFFD.
template <typename Visit> void ForEachCodePoint(QStringView text, Visit visit) {
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t unit = text[i].unicode();
        if (QChar::isHighSurrogate(unit) && i + 1 < size &&
            QChar::isLowSurrogate(text[i + 1].unicode())) {
            visit(QChar::surrogateToUcs4(unit, text[i + 1].unicode()));
            ++i;
        } else if (QChar::isSurrogate(unit)) {
            visit(char32_t{0xFFFD});
        } else {
            visit(char32_t{unit});
        }
    }
}

void AppendEncoded(QByteArray& out, char32_t c) {
    const int byte = Windows1252Byte(c);
    if (byte < 0)
        AppendCharacterReference(out, c);
    else
        out.append(static_cast<char>(byte));
}

void AppendTextCharacter(QByteArray& out, char32_t c) {
    switch (c) {
    case '&':
        out.append("&amp;", 5);
        return;
    case '<':
        out.append("&lt;", 4);
        return;
    case '>':
        out.append("&gt;", 4);
        return;
    case '"':
        out.append("&quot;", 6);
        return;
    default:
        break;
    }
    if (c < 0x20 || c == 0x7F)
        AppendCharacterReference(out, c);
    else
        AppendEncoded(out, c);
}

// Printable ASCII that goes into a page unchanged. The encoders copy runs of it at once and
// take the slow road only for the characters in between.
bool IsPlainText(char16_t c) {
    return c >= 0x20 && c < 0x7F && c != '&' && c != '<' && c != '>' && c != '"';
}

bool IsPlainLinkByte(unsigned char b) {
    if (b <= 0x20 || b >= 0x7F)
        return false;
    switch (b) {
    case '"':
    case '#':
    case '%':
    case '&':
    case ':':
    case '<':
    case '>':
    case '?':
    case '[':
    case '\\':
    case ']':
    case '^':
    case '`':
    case '{':
    case '|':
    case '}':
        return false;
    default:
        return true;
    }
}

void AppendAsciiRun(QByteArray& out, QStringView run) {
    const qsizetype start = out.size();
    out.resize(start + run.size());
    char* data = out.data() + start;
    for (const QChar c : run)
        *data++ = static_cast<char>(c.unicode());
}

} // namespace

int Windows1252Byte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<int>(c);
    for (size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] != 0 && kHighControls[i] == c)
            return static_cast<int>(0x80 + i);
    }
    return -1;
}

void AppendPageText(QByteArray& out, QStringView text) {
    qsizetype i = 0;
    while (i < text.size()) {
        qsizetype end = i;
        while (end < text.size() && IsPlainText(text[end].unicode()))
            ++end;
        AppendAsciiRun(out, text.mid(i, end - i));
        i = end;
        while (end < text.size() && !IsPlainText(text[end].unicode()))
            ++end;
        ForEachCodePoint(text.mid(i, end - i), [&out](char32_t c) { AppendTextCharacter(out, c); });
        i = end;
    }
}

void AppendPageMarkup(QByteArray& out, QStringView text) {
    ForEachCodePoint(text, [&out](char32_t c) { AppendEncoded(out, c); });
}

void AppendLink(QByteArray& out, QByteArrayView bytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    qsizetype i = 0;
    while (i < bytes.size()) {
        qsizetype end = i;
        while (end < bytes.size() && IsPlainLinkByte(static_cast<unsigned char>(bytes[end])))
            ++end;
        out.append(bytes.data() + i, end - i);
        for (i = end; i < bytes.size() && !IsPlainLinkByte(static_cast<unsigned char>(bytes[i]));
             ++i) {
            const auto b = static_cast<unsigned char>(bytes[i]);
            const char escaped[3] = {'%', kHex[b >> 4], kHex[b & 0xF]};
            out.append(escaped, 3);
        }
    }
}

} // namespace tuk
