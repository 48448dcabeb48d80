#include "style/FontFaces.h"

namespace tuk {

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
