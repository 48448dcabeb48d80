#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <functional>

namespace tuk {

// A name a run would create that the file system of its output folder refuses.
struct RefusedName {
    qsizetype index = -1;  // among the names asked about; -1 when none is refused
    QByteArray characters; // the refused characters of that name, each once, in its order

    bool Found() const { return index >= 0; }
};

// Creates a file of the name once: 0 when the file system took the name, otherwise errno.
using NameTrial = std::function<int(const QByteArray& name)>;

// Creates the name in the folder (a descriptor, O_PATH will do) without replacing anything and
// removes it at once; a name already there was taken before (EEXIST).
int TryNameIn(int folderFd, const QByteArray& name);

// The first of the names (plain file names) holding a character the file system of the folder
// refuses in names, as FAT refuses ":" "?" "*" or bytes that are not UTF-8, found before
// anything is written. Only characters outside [A-Za-z0-9._-] are tried: every one of them in
// one probe name (a few when they are many), one by one only when that is refused; plain names
// cost nothing. A refusal that says nothing of characters (the folder cannot be written, even
// a plain probe name is refused) finds nothing: writing the run will tell why.
RefusedName FindRefusedName(int folderFd, const QList<QByteArrayView>& names);
// The same with the trial given.
RefusedName FindRefusedName(const QList<QByteArrayView>& names, const NameTrial& trial);

} // namespace tuk
