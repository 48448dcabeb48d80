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

// One entry of an index page; links are ready link bytes (see AppendLink), the dates are ready
// page text. An entry is an image, or, with albumImages > 0, a sub-album: then image holds the
// folder's name, pageLink leads to its index page and the picture is its cover.
struct IndexEntry {
    QString image; // the image's lower-cased name, shown under its thumbnail
    QByteArray pageLink;
    QByteArray thumbLink;   // the thumbnail, or the image itself when it is that small
    QByteArray thumb2xLink; // its twin of twice the pixels; empty when the image has none
    QSize thumb;            // as the page shows it; empty: the entry has no picture
    QByteArray date;
    qint64 kiloBytes = 1;
    int albumImages = 0; // a sub-album's images, its own and those below it
    // A sub-album's first and last photo dates ("5/2/24 - 5/9/24"), shown on web-ready indexes
    // with the date flag; empty when unknown.
    QByteArray dateRange{};
    QString caption{}; // the photo's own words, the entry's title; empty for none
};

// What the index pages of one folder share besides the page options.
struct IndexLayout {
    QString title; // the folder's name
    int thumbSize = 0;
    QByteArray upLink;     // the parent album's index page; empty when there is none
    QByteArray linkPrefix; // put before the names of the index pages when they link each other
};

// Entries on one page of a web-ready index; other indexes are one page.
inline constexpr int kIndexEntriesPerPage = 200;

// The file name of the index page (1-based): "index.html", "index-2.html", ...
QByteArray IndexPageName(int page);

// The index pages, the first named index.html: ASCII lines ending in CR LF, titled with the
// folder's name, in the style of the pages (BODY string, font, bold, italic, centre, credit
// line), one entry per image or album in the given order, each a thumbnail linking to its page
// with the name (and the date and size when those flags are on, or an album's count of images)
// under it. Every page starts with the "up" link when there is one; pages of a web-ready index
// link each other at their top and bottom. A web-ready index shows the folder's name as its
// heading, its links as buttons, and its albums as stacks of pictures with their date range.
std::vector<QByteArray> ComposeIndexPages(const PageSettings& settings, const QString& body,
                                          const IndexLayout& layout,
                                          const std::vector<IndexEntry>& entries);

} // namespace tuk
