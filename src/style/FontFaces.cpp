#include "style/FontFaces.h"

namespace tuk {

const QStringList& FontFaceChoice() {
    static const QStringList faces{QStringLiteral("Arial"), QStringLiteral("Courier"),
                                   QStringLiteral("Times")};
    return faces;
}

QString NormalizeFontFace(const QString& typed) {
    return FontFaceChoice().contains(typed, Qt::CaseSensitive) ? typed : QStringLiteral("Arial");
}

QString PreviewFontFamily(const QString& face) {
    if (face == QLatin1String("Times"))
        return QStringLiteral("Times New Roman");
    if (face == QLatin1String("Courier"))
        return QStringLiteral("Courier New");
    return QStringLiteral("Arial");
}

int PreviewPointSize(int htmlSize) {
    return htmlSize + 7;
}

} // namespace tuk
