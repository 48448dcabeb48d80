#pragma once

#include <QIcon>
#include <QString>

namespace tuk {

// The 16 x 16 images of the folder tree, by key: "open", "closed", "leaf", "floppy", "hard",
// "cdrom", "net", "desk", "ram" (RAM-disk volumes) and "unknown" (volumes of any other kind).
// The pictures are SVG drawn on the 16 pixel grid; they need Qt's SVG image plugin at run
// time. A key without an image gives a null icon.
QIcon DirTreeIcon(const QString& key);

// Every key above, in the designed order.
const QStringList& DirTreeImageKeys();

} // namespace tuk
