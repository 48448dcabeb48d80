#pragma once

#include "settings/PageSettings.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QSize>
#include <QString>
#include <QStringView>

namespace tuk {

// What changes from one page of a run to the next. Links and the image reference are ready
// link bytes (see AppendLink); the date is ready page text.
struct PageFacts {
    QStringView image;       // the image's lower-cased name: title and image line
    QByteArrayView imageRef; // the image itself: image source or background; empty for none
    // Web-ready pages only: what the picture (or, over a background, the name) links to: the
    // original; empty for no link (a site without its originals).
    QByteArrayView originalRef;
    // Web-ready pages only: the picture shown instead (a screen-sized copy), empty for the
    // image itself, and its size in pixels, empty when unknown.
    QByteArrayView shownRef;
    QSize shownSize;
    QByteArrayView firstLink, prevLink, nextLink, lastLink;
    QByteArrayView indexLink; // the index page; empty when there is none
    QByteArrayView date;
    QByteArrayView folderName; // as FolderNameText gives it: the folder line's name
    // The photo's own words and its camera facts, as plain text; empty for none.
    QStringView caption, camera;
    qint64 kiloBytes = 1;
    int position = 1; // 1-based place of the image in the list
    int count = 1;    // images in the list
};

// Builds the bytes of the pages of one run: ASCII lines ending in CR LF. Everything
// that is the same on every page of the run, whatever its folder, is encoded once, up front.
class PageComposer {
public:
    // body is the BODY string as shown to the user, written as given.
    PageComposer(const PageSettings& settings, const QString& body);

    // Replaces the contents of page with the page for these facts.
    void Compose(QByteArray& page, const PageFacts& facts) const;

private:
    void AppendHead(QByteArray& page, const PageFacts& facts, QByteArrayView shown) const;
    void AppendLinks(QByteArray& page, const PageFacts& facts) const;
    void AppendFacts(QByteArray& page, const PageFacts& facts) const;

    bool lLinx_, lFDate_, lFSize_, lFolder_, lBackGround_, lWebReady_;
    QByteArray body_;        // line 3 without a background
    QByteArray bodyRest_;    // the BODY string after its "<body ", behind a background
    QByteArray fontAndOpen_; // the font line and the opening style tags
    QByteArray tail_;        // sample block and everything after it
};

// A folder's name as the folder line of its pages shows it, encoded once per folder.
QByteArray FolderNameText(const QString& folderName);

// The font line and the opening bold, italic and centre tags, as every page starts.
void AppendFontAndOpen(QByteArray& out, const PageSettings& settings);
// The closing style tags, the rule and the credit line (shown or commented out) and the end
// of the document, as every page ends.
void AppendPageEnd(QByteArray& out, const PageSettings& settings);

// Size in kilobytes as the pages show it: bytes / 1024, truncated, but never 0.
qint64 PageKiloBytes(qint64 bytes);

} // namespace tuk
