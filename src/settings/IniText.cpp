#include "settings/IniText.h"

#include <QByteArrayView>
#include <QStringDecoder>

namespace tuk {

namespace {

// A quote opens or closes unless a backslash escapes it.
bool QuotesBalanced(QByteArrayView value) {
    bool open = false;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == '\\')
            ++i;
        else if (value[i] == '"')
            open = !open;
    }
    return !open;
}

bool IsIniLine(QByteArrayView line) {
    line = line.trimmed();
    if (line.isEmpty() || line.startsWith(';'))
        return true;
    if (line.startsWith('['))
        return line.size() > 2 && line.endsWith(']');
    const qsizetype equals = line.indexOf('=');
    return equals > 0 && QuotesBalanced(line.sliced(equals + 1));
}

} // namespace

bool IsIniText(const QByteArray& bytes) {
    if (bytes.contains('\0'))
        return false;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (utf8.hasError())
        return false;
    QByteArrayView rest(bytes);
    while (!rest.isEmpty()) {
        qsizetype end = 0;
        while (end < rest.size() && rest[end] != '\n' && rest[end] != '\r')
            ++end;
        if (!IsIniLine(rest.first(end)))
            return false;
        rest = rest.sliced(end < rest.size() ? end + 1 : end);
    }
    return true;
}

} // namespace tuk
