#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QSize>

// What web-ready pages and indexes add to the designed lines of a page: a head that fits the
// page to a phone's screen, one style and one small script for the whole page, and link lines
// shown as a row of buttons large enough to tap. Other pages get none of it.
namespace tuk {

// The pages a web-ready page or index names in its head, as ready link bytes; empty for none.
// The script follows them: Left arrow or a swipe to the right to prev, Right arrow or a swipe
// to the left to next, Escape to up. At an end the link is left out, so no key leads anywhere.
struct HeadLinks {
    QByteArrayView prev, next, up;
};

// What closes the head after the title. On web-ready pages and indexes, first the viewport
// line, the head links, the style (the rules every page shares, then ownStyle, the rules of
// this page alone) and the script of the keys and swipes.
void AppendHeadEnd(QByteArray& out, bool webReady, const HeadLinks& links = {},
                   QByteArrayView ownStyle = {});

// The rules that fit a page's picture into the window, below the lines above it: never wider
// than the page, never taller than the window, at most its own size, and with a known size
// its box laid out at the right proportions before the picture arrives. moreLines: lines
// beyond the name and the file's facts (camera facts, a caption) that should show with it.
void AppendPictureFit(QByteArray& style, QSize shown, int moreLines = 0);

// A row of link lines: on web-ready pages "<nav>" before the first link line and "</nav>"
// after the last one, which show the links as buttons; nothing on other pages.
void AppendButtonRowOpen(QByteArray& out, bool webReady);
void AppendButtonRowClose(QByteArray& out, bool webReady);

// A link line and CR LF: "[<a href="link">label</a>]", or in a button row, where the button
// is the frame, without the brackets.
void AppendLinkLine(QByteArray& out, QByteArrayView link, const char* label, bool webReady);

} // namespace tuk
