#include "generator/PageEncoding.h"

#include "base/Append.h"
#include <QChar>
#include <algorithm>

namespace tuk {

namespace {

void AppendCharacterReference(QByteArray& out, char32_t c) {
    AppendLiteral(out, "&#");
    AppendDecimal(out, static_cast<qint64>(c));
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
    if (c < 0x80)
        out.append(static_cast<char>(c));
    else
        AppendCharacterReference(out, c);
}

void AppendTextCharacter(QByteArray& out, char32_t c) {
    switch (c) {
    case '&':
        AppendLiteral(out, "&amp;");
        return;
    case '<':
        AppendLiteral(out, "&lt;");
        return;
    case '>':
        AppendLiteral(out, "&gt;");
        return;
    case '"':
        AppendLiteral(out, "&quot;");
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

bool IsPlainWord(QStringView value) {
    return !value.isEmpty() && std::all_of(value.begin(), value.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') ||
               u == '-' || u == '.' || u == '_';
    });
}

} // namespace

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

bool NeedsBidiIsolation(QStringView name) {
    bool needs = false;
    ForEachCodePoint(name, [&needs](char32_t c) {
        if (c < 0x0590) // below Hebrew every character is left-to-right or neutral
            return;
        switch (QChar::direction(c)) {
        case QChar::DirR:
        case QChar::DirAL:
        case QChar::DirAN:
        case QChar::DirLRE:
        case QChar::DirLRO:
        case QChar::DirRLE:
        case QChar::DirRLO:
        case QChar::DirPDF:
        case QChar::DirLRI:
        case QChar::DirRLI:
        case QChar::DirFSI:
        case QChar::DirPDI:
            needs = true;
            break;
        default:
            break;
        }
    });
    return needs;
}

void AppendPageName(QByteArray& out, QStringView name) {
    const bool isolate = NeedsBidiIsolation(name);
    if (isolate)
        AppendLiteral(out, "<bdi>");
    AppendPageText(out, name);
    if (isolate)
        AppendLiteral(out, "</bdi>");
}

void AppendTitleName(QByteArray& out, QStringView name) {
    const bool isolate = NeedsBidiIsolation(name);
    if (isolate)
        AppendCharacterReference(out, 0x2068); // first strong isolate
    AppendPageText(out, name);
    if (isolate)
        AppendCharacterReference(out, 0x2069); // pop directional isolate
}

void AppendAttributeValue(QByteArray& out, QStringView value) {
    if (IsPlainWord(value)) {
        AppendAsciiRun(out, value);
        return;
    }
    out.append('"');
    AppendPageText(out, value);
    out.append('"');
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
