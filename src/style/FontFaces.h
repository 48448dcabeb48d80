#pragma once

#include <QString>
#include <QStringList>

namespace tuk {

// The face names the font combo box offers, in list order: "Arial", "Courier", "Times".
const QStringList& FontFaceChoice();

// What a typed face name becomes when the combo box loses the focus: itself when it is
// exactly one of the three names (letter case and blanks count), else "Arial".
QString NormalizeFontFace(const QString& typed);

// The family the preview shows a face name with: "Times" -> "Times New Roman",
// "Courier" -> "Courier New", anything else -> "Arial" (exact, case-sensitive).
QString PreviewFontFamily(const QString& face);

// Point size of the preview for an HTML font size: 1 shows at 8 points, 128 at 135.
int PreviewPointSize(int htmlSize);

} // namespace tuk
