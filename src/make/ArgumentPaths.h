#pragma once

#include "base/Failure.h"
#include "base/FsName.h"

#include <QString>

namespace tuk {

// The folder an argument names, as a full path ending with "/". The argument is text from
// EscapedText, so bytes that are not UTF-8 survive. A relative path needs the current folder;
// when that cannot be told (deeper than the system can name, or removed), the path is refused
// rather than resolved against some other folder.
Result<FsName> AbsoluteFolder(const QString& argument);

// Why a folder cannot be listed, from the error of listing it.
QString FolderProblem(const FsName& folder, int error);

// Why the settings file, which exists, cannot be read: the whole message, naming the file.
QString SettingsReadProblem(const QString& file);

} // namespace tuk
