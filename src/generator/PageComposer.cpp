#include "generator/PageComposer.h"

#include "base/Append.h"
#include "generator/Credit.h"
#include "generator/PageEncoding.h"
#include "generator/WebReadyLook.h"

namespace tuk {

namespace {

constexpr char kEol[] = "\r\n";

void Line(QByteArray& out, const char* text) {
    out.append(text);
    AppendLiteral(out, kEol);
}

// The credit line ends the comment that "<!--br>" opens when the credit is hidden; when it
// is shown, an empty comment takes up that end so that nothing of it shows on the page.
QByteArray CreditLine(bool shown) {
    QByteArray line;
    line.append("&#169; "); // the copyright sign
    AppendDecimal(line, kCopyrightYear);
    line.append(' ');
    line.append(kMakerName);
    line.append(" <a href=\"");
    line.append(kMakerHomePage);
    line.append("\">");
    line.append(kMakerHomePage);
    line.append("</a>");
    line.append(shown ? "<!-- -->" : "-->");
    line.append("</font>");
    AppendLiteral(line, kEol);
    return line;
}

void AppendOpenTags(QByteArray& out, const PageSettings& s) {
    if (s.lItal)
        Line(out, "<i>");
    if (s.lBold)
        Line(out, "<b>");
    if (s.lCenter)
        Line(out, "<center>");
}

void AppendCloseTags(QByteArray& out, const PageSettings& s) {
    if (s.lItal)
        Line(out, "</i>");
    if (s.lBold)
        Line(out, "</b>");
    if (s.lCenter)
        Line(out, "</center>");
}

// Six colours in four sizes, for judging how text reads over a background image.
void AppendSampleBlock(QByteArray& out, const PageSettings& s) {
    static const char* const colours[] = {"#ffffff", "#ffff00", "#ff0000",
                                          "#00ff00", "#0000ff", "#000000"};
    AppendCloseTags(out, s);
    for (int size = 2; size <= 5; ++size) {
        out.append("<p><font size=");
        AppendDecimal(out, size);
        Line(out, ">");
        for (const char* colour : colours) {
            out.append("<br><font color=");
            out.append(colour);
            out.append(">size=");
            AppendDecimal(out, size);
            out.append(" :: col=");
            out.append(colour);
            out.append(" ::  0123456789 abcdefghijklmnopqrstuvwxyz</font>");
            AppendLiteral(out, kEol);
        }
        Line(out, "</font></p>");
    }
    AppendOpenTags(out, s);
}

void AppendOpenLink(QByteArray& out, QByteArrayView link) {
    AppendLiteral(out, "<a href=\"");
    out.append(link);
    AppendLiteral(out, "\">");
}

// The picture; on a web-ready page a link to the original, with its size given so that its
// box is there before the picture.
void AppendImageLine(QByteArray& page, const PageFacts& f, QByteArrayView shown, bool webReady) {
    const bool linked = webReady && !f.originalRef.isEmpty();
    if (linked)
        AppendOpenLink(page, f.originalRef);
    AppendLiteral(page, "<img src=\"");
    page.append(shown);
    page.append('"');
    if (!f.caption.isEmpty()) {
        AppendLiteral(page, " alt=\"");
        AppendPageText(page, f.caption);
        page.append('"');
    }
    if (webReady && !f.shownSize.isEmpty()) {
        AppendLiteral(page, " width=");
        AppendDecimal(page, f.shownSize.width());
        AppendLiteral(page, " height=");
        AppendDecimal(page, f.shownSize.height());
    }
    page.append('>');
    if (linked)
        AppendLiteral(page, "</a>");
    AppendLiteral(page, kEol);
}

} // namespace

void AppendFontAndOpen(QByteArray& out, const PageSettings& s) {
    out.append("<font face=");
    AppendAttributeValue(out, s.sFontFace);
    out.append(" size=");
    AppendDecimal(out, s.nFontSize);
    Line(out, ">");
    if (s.lBold)
        Line(out, "<b>");
    if (s.lItal)
        Line(out, "<i>");
    if (s.lCenter)
        Line(out, "<center>");
}

void AppendPageEnd(QByteArray& out, const PageSettings& s) {
    AppendCloseTags(out, s);
    Line(out, s.lCopyr ? "<br>&nbsp;" : "<!--br>&nbsp;");
    Line(out, "<hr>");
    Line(out, "<font size=1>");
    out.append(CreditLine(s.lCopyr));
    Line(out, "</body>");
    Line(out, "</html>");
}

qint64 PageKiloBytes(qint64 bytes) {
    const qint64 kb = bytes / 1024;
    return kb == 0 ? 1 : kb;
}

QByteArray FolderNameText(const QString& folderName) {
    QByteArray text;
    AppendPageName(text, folderName);
    return text;
}

PageComposer::PageComposer(const PageSettings& s, const QString& body)
    : lLinx_(s.lLinx), lFDate_(s.lFDate), lFSize_(s.lFSize), lFolder_(s.lFolder),
      lBackGround_(s.lBackGround), lWebReady_(s.lWebReady) {
    AppendPageMarkup(body_, body);
    AppendLiteral(body_, kEol);
    AppendPageMarkup(bodyRest_, QStringView(body).mid(qMin<qsizetype>(6, body.size())));
    AppendLiteral(bodyRest_, kEol);

    AppendFontAndOpen(fontAndOpen_, s);

    if (s.lText)
        AppendSampleBlock(tail_, s);
    AppendPageEnd(tail_, s);
}

// The lines under the name: date, size and place in the folder, each when its box is on.
void PageComposer::AppendFacts(QByteArray& page, const PageFacts& f) const {
    if (lFDate_) {
        AppendLiteral(page, " :: ");
        page.append(f.date);
        AppendLiteral(page, kEol);
    }
    if (lFSize_) {
        AppendLiteral(page, " :: ");
        AppendDecimal(page, f.kiloBytes);
        AppendLiteral(page, "k\r\n");
    }
    if (lFolder_) {
        AppendLiteral(page, " :: [");
        page.append(f.folderName);
        page.append(' ');
        AppendDecimal(page, f.position);
        page.append('/');
        AppendDecimal(page, f.count);
        AppendLiteral(page, "]\r\n");
    }
    if (!f.camera.isEmpty()) {
        AppendLiteral(page, " :: ");
        AppendPageName(page, f.camera);
        AppendLiteral(page, kEol);
    }
}

// The head after the title. A web-ready page names its neighbours where it has them (the first
// page's "prev" and the last page's "next" lead to the page itself) and fits its picture.
void PageComposer::AppendHead(QByteArray& page, const PageFacts& f, QByteArrayView shown) const {
    if (!lWebReady_) {
        AppendHeadEnd(page, false);
        return;
    }
    HeadLinks links;
    if (lLinx_) {
        links.prev = f.position > 1 ? f.prevLink : QByteArrayView();
        links.next = f.position < f.count ? f.nextLink : QByteArrayView();
    }
    links.up = f.indexLink;
    QByteArray fit;
    if (!lBackGround_ && !shown.isEmpty())
        AppendPictureFit(fit, f.shownSize, int(!f.camera.isEmpty()) + int(!f.caption.isEmpty()));
    AppendHeadEnd(page, true, links, fit);
}

void PageComposer::AppendLinks(QByteArray& page, const PageFacts& f) const {
    if (!lLinx_ && f.indexLink.isEmpty())
        return;
    AppendButtonRowOpen(page, lWebReady_);
    if (lLinx_) {
        AppendLinkLine(page, f.firstLink, "first", lWebReady_);
        AppendLinkLine(page, f.prevLink, "prev", lWebReady_);
        AppendLinkLine(page, f.nextLink, "next", lWebReady_);
        AppendLinkLine(page, f.lastLink, "last", lWebReady_);
    }
    if (!f.indexLink.isEmpty())
        AppendLinkLine(page, f.indexLink, "index", lWebReady_);
    AppendButtonRowClose(page, lWebReady_);
}

void PageComposer::Compose(QByteArray& page, const PageFacts& f) const {
    page.resize(0); // keeps the buffer for the next page
    page.append("<html>\r\n<head><title>");
    AppendTitleName(page, f.image);
    page.append("</title>");
    const QByteArrayView shown = lWebReady_ && !f.shownRef.isEmpty() ? f.shownRef : f.imageRef;
    AppendHead(page, f, shown);
    if (lBackGround_ && !shown.isEmpty()) {
        page.append("<body background=\"");
        page.append(shown);
        AppendLiteral(page, "\" ");
        page.append(bodyRest_);
    } else {
        page.append(body_);
    }
    page.append(fontAndOpen_);
    AppendLinks(page, f);
    // Over a background the picture is no link: the name links the original.
    const bool nameLinks = lWebReady_ && lBackGround_ && !f.originalRef.isEmpty();
    if (nameLinks)
        AppendOpenLink(page, f.originalRef);
    AppendPageName(page, f.image);
    if (nameLinks)
        AppendLiteral(page, "</a>");
    AppendLiteral(page, kEol);
    AppendFacts(page, f);
    AppendLiteral(page, "<hr>\r\n");
    if (!lBackGround_ && !shown.isEmpty()) // no picture: a site could not hold the image
        AppendImageLine(page, f, shown, lWebReady_);
    if (!f.caption.isEmpty()) {
        AppendLiteral(page, "<p>");
        AppendPageName(page, f.caption);
        AppendLiteral(page, "</p>\r\n");
    }
    page.append(tail_);
}

} // namespace tuk
