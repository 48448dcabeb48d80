#pragma once

#include <QByteArray>
#include <QString>

namespace tuk {

// Checks of the per-user files (the settings store and the single-instance lock) that never
// block: a FIFO or a device at their place is told, never opened.

// Empty when the path names a regular file (through links) or nothing at all; otherwise a
// clause naming the path and what is wrong: "/x/Tu_K.conf is not a regular file".
QString NotARegularFile(const QString& path);

// Reads a regular file whole, never blocking: a FIFO or device there is refused, not read.
// False with a clause naming the path and the reason otherwise.
bool ReadRegularFile(const QString& path, QByteArray& bytes, QString& problem);

// Writes the bytes to a file that must not exist yet (never through a link), on to the disk;
// a file left half written is removed. Empty on success, else the system's reason, with
// `exists` telling whether the name was taken.
QString WriteNewFile(const QString& path, const QByteArray& bytes, bool& exists);

// Makes the folder and its missing parents (mode 0700); empty on success, else a clause
// naming the path and the reason.
QString MakeFolders(const QString& folder);

// Why a file cannot be written at the path, found by doing what a write does: make its
// folder, open the file for writing (without changing it), make a file beside it and write a
// few kilobytes to it (removed again). Empty when all of that works now.
QString WriteProblem(const QString& path);

} // namespace tuk
