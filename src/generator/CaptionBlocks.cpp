#include "generator/CaptionBlocks.h"

#include "generator/ByteOrder.h"
#include "generator/PhotoTexts.h"

#include <optional>
#include <utility>

namespace tuk {

namespace {

// The longest character reference: "&#x10FFFF;".
constexpr qsizetype kLongestReference = 10;
constexpr int kIptcResource = 0x0404;
constexpr char kIptcTag = 0x1C;

// The character of an XML reference's name ("amp", "#233", "#xE9"); empty for a number that is
// no character, none for a name XML does not define. A NUL goes later, with the other control
// characters.
std::optional<QString> Referenced(QStringView name) {
    static const std::pair<QLatin1String, char> kNamed[] = {{QLatin1String("amp"), '&'},
                                                            {QLatin1String("lt"), '<'},
                                                            {QLatin1String("gt"), '>'},
                                                            {QLatin1String("quot"), '"'},
                                                            {QLatin1String("apos"), '\''}};
    for (const auto& [named, c] : kNamed) {
        if (name == named)
            return QString(QLatin1Char(c));
    }
    if (!name.startsWith(QLatin1Char('#')))
        return std::nullopt;
    const bool hex = name.startsWith(QLatin1String("#x"));
    bool ok = false;
    const char32_t code = name.sliced(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
    if (!ok)
        return std::nullopt;
    if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return QString();
    return QString::fromUcs4(&code, 1);
}

// XML character data as text: UTF-8, its references decoded.
QString XmlText(QByteArrayView data) {
    const QString text = TextOfBytes(data, kLongestCaption, true);
    QString decoded;
    decoded.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QStringView ahead =
            QStringView(text).sliced(i, qMin(kLongestReference, text.size() - i));
        const qsizetype end =
            ahead.startsWith(QLatin1Char('&')) ? ahead.indexOf(QLatin1Char(';')) : -1;
        const std::optional<QString> c =
            end > 1 ? Referenced(ahead.sliced(1, end - 1)) : std::nullopt;
        if (c) {
            decoded += *c;
            i += end;
        } else {
            decoded += text[i];
        }
    }
    return decoded;
}

// The data of the Photoshop resource with the id, or none.
QByteArrayView PhotoshopResource(QByteArrayView block, int id) {
    for (qsizetype at = 0; at + 12 <= block.size() && block.sliced(at).startsWith("8BIM");) {
        const qsizetype sizeAt = at + 6 + ((Byte(block, at + 6) + 2) & ~1); // the padded name
        if (sizeAt + 4 > block.size())
            break;
        const qsizetype dataAt = sizeAt + 4;
        const qint64 size = BigEndian32(block, sizeAt);
        if (size > block.size() - dataAt)
            break;
        if (BigEndian16(block, at + 4) == id)
            return block.sliced(dataAt, size);
        at = dataAt + ((size + 1) & ~1);
    }
    return {};
}

} // namespace

QString XmpDescription(QByteArrayView packet) {
    const qsizetype start = packet.indexOf("<dc:description");
    const qsizetype end = start < 0 ? -1 : packet.indexOf("</dc:description>", start);
    if (end < 0)
        return {};
    const QByteArrayView description = packet.sliced(start, end - start);
    std::optional<QByteArrayView> chosen;
    for (qsizetype at = description.indexOf("<rdf:li"); at >= 0;
         at = description.indexOf("<rdf:li", at + 1)) {
        const qsizetype tagEnd = description.indexOf('>', at);
        if (tagEnd < 0)
            break;
        const QByteArrayView tag = description.sliced(at, tagEnd - at);
        const qsizetype close = description.indexOf("</rdf:li>", tagEnd);
        const QByteArrayView text = tag.endsWith('/') || close < 0
                                        ? QByteArrayView()
                                        : description.sliced(tagEnd + 1, close - tagEnd - 1);
        const bool byDefault = tag.contains("x-default");
        if (!chosen || byDefault)
            chosen = text;
        if (byDefault)
            break;
    }
    return chosen ? XmlText(*chosen) : QString();
}

QString IptcCaption(QByteArrayView resources) {
    const QByteArrayView iim = PhotoshopResource(resources, kIptcResource);
    std::optional<QByteArrayView> caption;
    bool utf8 = false;
    for (qsizetype at = 0; at + 5 <= iim.size() && iim[at] == kIptcTag;) {
        const int record = Byte(iim, at + 1), dataset = Byte(iim, at + 2);
        const int size = BigEndian16(iim, at + 3); // an extended size is too large for a text
        if ((size & 0x8000) != 0 || at + 5 + size > iim.size())
            break;
        const QByteArrayView data = iim.sliced(at + 5, size);
        if (record == 1 && dataset == 90)
            utf8 = data == "\x1b%G"; // ISO 2022's escape to UTF-8
        else if (record == 2 && dataset == 120 && !caption)
            caption = data;
        at += 5 + size;
    }
    return caption ? TextOfBytes(*caption, kLongestCaption, utf8) : QString();
}

} // namespace tuk
