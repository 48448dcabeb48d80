#include "generator/WebReadyLook.h"

#include "base/Append.h"

namespace tuk {

namespace {

// Long words wrap and pictures shrink, so that nothing is wider than a phone's screen; each
// link of a button row is at least 44 x 44 CSS pixels, the least a finger hits reliably.
constexpr char kSharedStyle[] =
    "body{overflow-wrap:break-word}img{max-width:100%;height:auto}"
    "nav a{display:inline-flex;align-items:center;justify-content:center;box-sizing:border-box;"
    "min-width:44px;min-height:44px;margin:2px 0;padding:0 .8em;border:1px solid;"
    "border-radius:.4em;background:rgba(255,255,255,.15);text-decoration:none}";

// Keys and swipes follow the head links. Nothing happens while a key goes to a text field or
// comes with a modifier (Alt+Left is the browser's Back), nor for a swipe of two fingers, a
// mostly vertical one or one on a zoomed-in page, which only pans.
constexpr char kScript[] =
    "<script>{let x,y,go=r=>{let l=document.querySelector('link[rel='+r+']');"
    "if(l&&l.href!=location.href)location=l.href};"
    "addEventListener('keydown',e=>{let t=e.target,r={ArrowLeft:'prev',ArrowRight:'next',"
    "Escape:'up'}[e.key];if(r&&!(e.altKey||e.ctrlKey||e.metaKey||e.shiftKey||"
    "t.isContentEditable||/^(INPUT|TEXTAREA|SELECT)$/.test(t.tagName)))go(r)});"
    "addEventListener('touchstart',e=>{let t=e.touches[0];"
    "x=e.touches.length>1?NaN:t.clientX;y=t.clientY});"
    "addEventListener('touchend',e=>{let t=e.changedTouches[0],dx=t.clientX-x;"
    "if(Math.abs(dx)>50&&Math.abs(dx)>2*Math.abs(t.clientY-y)&&"
    "!((window.visualViewport||{}).scale>1.01))go(dx<0?'next':'prev')})}</script>";

// The height left for a page's picture: the window's, less what the lines around it take at
// most (the button row, the name and facts, the rule under them: 3em and 64px; 1.2em more for
// each line of camera facts or caption) in the page's font. First of the whole window, then of
// the part a phone shows with its address bar, which the browsers that know that unit take
// instead.
constexpr const char* kPictureRooms[] = {"100vh", "100svh"};

void AppendHeadLink(QByteArray& out, const char* rel, QByteArrayView link) {
    if (link.isEmpty())
        return;
    AppendLiteral(out, "<link rel=\"");
    out.append(rel);
    AppendLiteral(out, "\" href=\"");
    out.append(link);
    AppendLiteral(out, "\">\r\n");
}

} // namespace

void AppendHeadEnd(QByteArray& out, bool webReady, const HeadLinks& links,
                   QByteArrayView ownStyle) {
    if (webReady) {
        AppendLiteral(out, "\r\n<meta name=\"viewport\" content=\"width=device-width, "
                           "initial-scale=1\">\r\n");
        AppendHeadLink(out, "prev", links.prev);
        AppendHeadLink(out, "next", links.next);
        AppendHeadLink(out, "up", links.up);
        AppendLiteral(out, "<style>");
        AppendLiteral(out, kSharedStyle);
        out.append(ownStyle);
        AppendLiteral(out, "</style>\r\n");
        AppendLiteral(out, kScript);
    }
    AppendLiteral(out, "</head>\r\n");
}

void AppendPictureFit(QByteArray& style, QSize shown, int moreLines) {
    AppendLiteral(style, "img{");
    for (const char* window : kPictureRooms) {
        const QByteArray room = window + QByteArrayLiteral(" - ") +
                                QByteArray::number(3 + 1.2 * moreLines, 'g', 3) + "em - 64px";
        AppendLiteral(style, "max-height:calc(");
        style.append(room);
        AppendLiteral(style, ");");
        if (shown.isEmpty())
            continue;
        // The width that keeps the height within the room, and so the box's proportions.
        AppendLiteral(style, "width:min(");
        AppendDecimal(style, shown.width());
        AppendLiteral(style, "px,(");
        style.append(room);
        AppendLiteral(style, ")*");
        AppendDecimal(style, shown.width());
        style.append('/');
        AppendDecimal(style, shown.height());
        AppendLiteral(style, ");");
    }
    style.back() = '}';
}

void AppendButtonRowOpen(QByteArray& out, bool webReady) {
    if (webReady)
        AppendLiteral(out, "<nav>\r\n");
}

void AppendButtonRowClose(QByteArray& out, bool webReady) {
    if (webReady)
        AppendLiteral(out, "</nav>\r\n");
}

void AppendLinkLine(QByteArray& out, QByteArrayView link, const char* label, bool webReady) {
    if (!webReady)
        out.append('[');
    AppendLiteral(out, "<a href=\"");
    out.append(link);
    AppendLiteral(out, "\">");
    out.append(label);
    AppendLiteral(out, "</a>");
    if (!webReady)
        out.append(']');
    AppendLiteral(out, "\r\n");
}

} // namespace tuk
