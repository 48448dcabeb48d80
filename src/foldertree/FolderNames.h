#pragma once

#include <QString>

namespace tuk {

// The text up to (without) its first NUL character; the whole text when it holds none.
QString TrimAtNul(const QString& text);

// Every word gets an upper-case first letter and lower-case other letters. Words are separated
// only by blanks, tabs, line feeds, vertical tabs, form feeds, carriage returns and NULs:
// "PROGRAM FILES" -> "Program Files", "MyPics" -> "Mypics", "c:\windows" -> "C:\windows".
QString ProperCase(const QString& text);

// The text the tree shows for a folder's real name: up to its first NUL, in proper case.
QString FolderText(const QString& name);

// The tree's one order of folders: by the shown texts compared character by character, then
// by the real names, so names that differ only in letter case keep a fixed order. Listing a
// folder and inserting its nodes both sort by it.
bool TreeOrderLess(const QString& textA, const QString& nameA, const QString& textB,
                   const QString& nameB);

} // namespace tuk
