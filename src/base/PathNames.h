#pragma once

#include <QString>

namespace tuk {

// The one separator the program puts between folders and names.
inline constexpr char16_t kPathSeparator = u'/';

// The part of a path behind its last separator; the whole text when it holds none.
QString GetFileName(const QString& path);

// The part of a name in front of its last "."; empty when it holds no ".".
QString GetFileBase(const QString& name);

// The part of a name behind its last "."; the whole text when it holds no ".".
QString GetFileExt(const QString& name);

// The folder with one separator at its end ("" gives "/", as a stored empty folder does).
QString WithTrailingSeparator(const QString& folder);

// The folder without its trailing separator, except for the root "/" itself.
QString WithoutTrailingSeparator(const QString& folder);

// Whether the absolute path is the folder itself or lies below it ("/" holds every absolute
// path; "/mnt/a" holds "/mnt/a/b" but not "/mnt/ab").
bool IsSameOrBelow(const QString& path, const QString& folder);

// A folder and a name joined by exactly one separator.
QString JoinPath(const QString& folder, const QString& name);

} // namespace tuk
