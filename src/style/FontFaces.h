#pragma once

#include <QString>

namespace tuk {

// The family the preview shows a face name with: "Times" -> "Times New Roman",
// "Courier" -> "Courier New", anything else -> "Arial" (exact, case-sensitive).
QString PreviewFontFamily(const QString& face);

// Point size of the preview for an HTML font size: 1 shows at 8 points, 128 at 135.
int PreviewPointSize(int htmlSize);

} // namespace tuk
