#pragma once

#include "generator/Pictures.h"
#include "settings/PageSettings.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QSize>
#include <QString>
#include <vector>

namespace tuk {

// The comment in the second line of every index page the program writes; an index.html
// without it is the user's own and is never written over.
inline constexpr char kIndexMarker[] = "<!-- index page made by Tu_K -->";
inline constexpr char kIndexFileName[] = "index.html";

// Whether the first bytes of a file show it as an index page of the program's own.
bool IsOwnIndexPage(QByteArrayView head);

// One image on the index page; links are ready link bytes (see AppendLink), the date is
// ready page text.
struct IndexEntry {
    QString image; // the image's lower-cased name, shown under its thumbnail
    QByteArray pageLink;
    QByteArray thumbLink;   // the thumbnail, or the image itself when it is that small
    QByteArray thumb2xLink; // its twin of twice the pixels; empty when the image has none
    QSize thumb;            // as the page shows it; empty: the entry has no picture
    QByteArray date;
    qint64 kiloBytes = 1;
    int albumImages = 0; // > 0: a sub-album (image holds its name), with this many images below
};

// The index page: ASCII lines ending in CR LF, titled with the folder's name, in the style of
// the pages (BODY string, font, bold, italic, centre, credit line), one entry per image in
// list order, each a thumbnail linking to its page with the name (and the date and size when
// those flags are on) under it.
QByteArray ComposeIndexPage(const PageSettings& settings, const QString& body,
                            const QString& folderName, int thumbSize,
                            const std::vector<IndexEntry>& entries);

} // namespace tuk
