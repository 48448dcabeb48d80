#pragma once

#include "base/Failure.h"

#include <QByteArray>
#include <QString>
#include <sys/types.h>

namespace tuk {

// The system's text for an error number ("Read-only file system"); every message that reports
// a failed system call takes its reason from here.
QString ErrorText(int error);

// Makes the folder (file-system bytes, with or without a trailing "/") and every parent it
// lacks, each new one with `mode`. On failure a clause naming the folder whose making failed,
// or the part of the path that is not a folder, with the reason of that very call: "the
// folder /a/b cannot be made (Permission denied)".
Done MakeFolderPath(const QByteArray& folder, mode_t mode);

} // namespace tuk
