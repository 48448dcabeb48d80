#pragma once

#include "base/Failure.h"

#include <QByteArray>
#include <QString>

namespace tuk {

// Checks of the per-user files (the settings store and the single-instance lock) that never
// block: a FIFO or a device at their place is told, never opened.

// Done when the path names a regular file (through links) or nothing at all; otherwise a
// clause naming the path and what is wrong: "/x/Tu_K.conf is not a regular file".
Done NotARegularFile(const QString& path);

// Reads a regular file whole, never blocking: a FIFO or device there is refused, not read.
// Otherwise a clause naming the path and the reason.
Result<QByteArray> ReadRegularFile(const QString& path);

// Writes the bytes to a file that must not exist yet (never through a link), on to the disk;
// a file left half written is removed. On failure the system's reason; EEXIST when the name
// was taken.
Done WriteNewFile(const QString& path, const QByteArray& bytes);

// Makes the folder and its missing parents (mode 0700); on failure a clause naming the path
// and the reason.
Done MakeFolders(const QString& folder);

// Why a file cannot be written at the path, found by doing what a write does: make its
// folder, open the file for writing (without changing it), make a file beside it and write a
// few kilobytes to it (removed again). Done when all of that works now.
Done WriteProblem(const QString& path);

} // namespace tuk
