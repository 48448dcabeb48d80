#include "generator/PageComposer.h"

#include "generator/Credit.h"
#include "generator/PageEncoding.h"

#include <charconv>

namespace tuk {

namespace {

constexpr char kEol[] = "\r\n";

void Line(QByteArray& out, const char* text) {
    out.append(text);
    out.append(kEol, 2);
}

void AppendNumber(QByteArray& out, qint64 value) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end - digits);
}

void LinkLine(QByteArray& out, QByteArrayView link, const char* label) {
    out.append("[<a href=\"", 10);
    out.append(link);
    out.append("\">", 2);
    out.append(label);
    out.append("</a>]\r\n", 7);
}

// The credit line ends the comment that "<!--br>" opens when the credit is hidden; when it
// is shown, an empty comment takes up that end so that nothing of it shows on the page.
QByteArray CreditLine(bool shown) {
    QByteArray line;
    line.append("&#169; "); // the copyright sign
    AppendNumber(line, kCopyrightYear);
    line.append(' ');
    line.append(kMakerName);
    line.append(" <a href=\"");
    line.append(kMakerHomePage);
    line.append("\">");
    line.append(kMakerHomePage);
    line.append("</a>");
    line.append(shown ? "<!-- -->" : "-->");
    line.append("</font>");
    line.append(kEol, 2);
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
        AppendNumber(out, size);
        Line(out, ">");
        for (const char* colour : colours) {
            out.append("<br><font color=");
            out.append(colour);
            out.append(">size=");
            AppendNumber(out, size);
            out.append(" :: col=");
            out.append(colour);
            out.append(" ::  0123456789 abcdefghijklmnopqrstuvwxyz</font>");
            out.append(kEol, 2);
        }
        Line(out, "</font></p>");
    }
    AppendOpenTags(out, s);
}

} // namespace

qint64 PageKiloBytes(qint64 bytes) {
    const qint64 kb = bytes / 1024;
    return kb == 0 ? 1 : kb;
}

PageComposer::PageComposer(const PageSettings& s, const QString& body, const QString& folderName)
    : lLinx_(s.lLinx), lFDate_(s.lFDate), lFSize_(s.lFSize), lFolder_(s.lFolder),
      lBackGround_(s.lBackGround) {
    AppendPageMarkup(body_, body);
    body_.append(kEol, 2);
    AppendPageMarkup(bodyRest_, QStringView(body).mid(qMin<qsizetype>(6, body.size())));
    bodyRest_.append(kEol, 2);

    fontAndOpen_.append("<font face=");
    AppendPageText(fontAndOpen_, s.sFontFace);
    fontAndOpen_.append(" size=");
    AppendNumber(fontAndOpen_, s.nFontSize);
    Line(fontAndOpen_, ">");
    if (s.lBold)
        Line(fontAndOpen_, "<b>");
    if (s.lItal)
        Line(fontAndOpen_, "<i>");
    if (s.lCenter)
        Line(fontAndOpen_, "<center>");

    folderPrefix_.append(" :: [");
    AppendPageText(folderPrefix_, folderName);
    folderPrefix_.append(' ');

    if (s.lText)
        AppendSampleBlock(tail_, s);
    AppendCloseTags(tail_, s);
    Line(tail_, s.lCopyr ? "<br>&nbsp;" : "<!--br>&nbsp;");
    Line(tail_, "<hr>");
    Line(tail_, "<font size=1>");
    tail_.append(CreditLine(s.lCopyr));
    Line(tail_, "</body>");
    Line(tail_, "</html>");
}

void PageComposer::Compose(QByteArray& page, const PageFacts& f) const {
    page.resize(0); // keeps the buffer for the next page
    page.append("<html>\r\n<head><title>");
    AppendPageText(page, f.image);
    page.append("</title></head>\r\n");
    if (lBackGround_) {
        page.append("<body background=\"");
        page.append(f.imageRef);
        page.append("\" ", 2);
        page.append(bodyRest_);
    } else {
        page.append(body_);
    }
    page.append(fontAndOpen_);
    if (lLinx_) {
        LinkLine(page, f.firstLink, "first");
        LinkLine(page, f.prevLink, "prev");
        LinkLine(page, f.nextLink, "next");
        LinkLine(page, f.lastLink, "last");
    }
    AppendPageText(page, f.image);
    page.append(kEol, 2);
    if (lFDate_) {
        page.append(" :: ", 4);
        page.append(f.date);
        page.append(kEol, 2);
    }
    if (lFSize_) {
        page.append(" :: ", 4);
        AppendNumber(page, f.kiloBytes);
        page.append("k\r\n", 3);
    }
    if (lFolder_) {
        page.append(folderPrefix_);
        AppendNumber(page, f.position);
        page.append('/');
        AppendNumber(page, f.count);
        page.append("]\r\n", 3);
    }
    page.append("<hr>\r\n", 6);
    if (!lBackGround_) {
        page.append("<img src=\"", 10);
        page.append(f.imageRef);
        page.append("\">\r\n", 4);
    }
    page.append(tail_);
}

} // namespace tuk
