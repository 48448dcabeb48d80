#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

namespace tuk {

// What the command line of the window asks for: tu_k [OPTION]... [FOLDER].
struct StartRequest {
    enum class Kind {
        Start,    // open the window, with `folder` chosen when one is given
        Help,     // print `text` on standard output, exit 0
        Version,  // likewise
        BadUsage, // print `text` on standard error, exit 2
    };
    Kind kind = Kind::Start;
    QString folder; // the FOLDER argument as given: a path or a file:// address; empty: none
    QString text;
};

// Parses the arguments after the program's name (text from EscapedText, so any bytes pass).
// The options Qt's application object takes for itself (-style fusion, -platform xcb, ...)
// are let through for it; any other option is bad usage.
StartRequest ParseStartArguments(const QStringList& arguments);

// The full, clean path a FOLDER argument names: a file:// address (with an empty host or
// "localhost", percent-decoded) or a path, a relative one taken from `currentFolder`. An
// address of anything but a local file is given back as it is, for FolderProblem to name.
QString FolderFromArgument(const QString& argument, const QString& currentFolder);

// Why the full path cannot be chosen as the current folder ("Tu_K cannot open the folder /x:
// it is not a folder."), or empty when it is a folder that can be read.
QString FolderProblem(const QString& path);

// The folder that dropped items stand for: one folder, or image files of one folder (then
// that folder). Empty for anything else, which a drop refuses.
QString DroppedFolder(const QList<QUrl>& urls);

} // namespace tuk
