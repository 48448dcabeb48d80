#include "foldertree/FolderNames.h"

namespace tuk {

QString TrimAtNul(const QString& text) {
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    return nul < 0 ? text : text.left(nul);
}

namespace {

bool IsWordSeparator(QChar c) {
    switch (c.unicode()) {
    case u' ':
    case u'\t':
    case u'\n':
    case u'\v':
    case u'\f':
    case u'\r':
    case u'\0':
        return true;
    default:
        return false;
    }
}

} // namespace

QString ProperCase(const QString& text) {
    QString result = text.toLower();
    bool wordStart = true;
    for (qsizetype i = 0; i < result.size(); ++i) {
        const QChar c = result.at(i);
        if (IsWordSeparator(c)) {
            wordStart = true;
            continue;
        }
        if (wordStart) {
            result[i] = c.toTitleCase();
            wordStart = false;
        }
    }
    return result;
}

QString FolderText(const QString& name) {
    return ProperCase(TrimAtNul(name));
}

bool TreeOrderLess(const QString& textA, const QString& nameA, const QString& textB,
                   const QString& nameB) {
    const int byText = QString::compare(textA, textB, Qt::CaseSensitive);
    return byText != 0 ? byText < 0 : nameA < nameB;
}

} // namespace tuk
