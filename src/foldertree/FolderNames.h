#pragma once

#include <QString>

namespace tuk {

// The text up to (without) its first NUL character; the whole text when it holds none.
QString TrimAtNul(const QString& text);

// Every word gets an upper-case first letter and lower-case other letters. Words are separated
// only by blanks, tabs, line feeds, vertical tabs, form feeds, carriage returns and NULs:
// "PROGRAM FILES" -> "Program Files", "MyPics" -> "Mypics", "c:\windows" -> "C:\windows".
QString ProperCase(const QString& text);

} // namespace tuk
