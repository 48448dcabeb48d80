#pragma once

#include <QIcon>
#include <QString>

namespace tuk {

// The 16 x 16 images shared by the folder tree and the toolbar, by key: "open", "closed",
// "leaf", "floppy", "hard", "cdrom", "net", "desk", and the toolbar's "about", "copy",
// "default", "exit", "htmlmake", "htmlview", "refresh", "save", "target".
// A key without an image gives a null icon.
QIcon DirTreeIcon(const QString& key);

// Every key above, in the designed order.
const QStringList& DirTreeImageKeys();

} // namespace tuk
