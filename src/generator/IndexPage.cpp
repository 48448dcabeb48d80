#include "generator/IndexPage.h"

#include "base/Append.h"
#include "generator/PageComposer.h"
#include "generator/PageEncoding.h"

namespace tuk {

bool IsOwnIndexPage(QByteArrayView head) {
    // The marker stands in the second line; a few hundred bytes hold it whatever came first.
    return head.first(qMin<qsizetype>(head.size(), 512)).toByteArray().contains(kIndexMarker);
}

namespace {

void AppendPicture(QByteArray& out, const IndexEntry& e) {
    AppendLiteral(out, "<img src=\"");
    out.append(e.thumbLink);
    if (!e.thumb2xLink.isEmpty()) {
        AppendLiteral(out, "\" srcset=\"");
        out.append(e.thumbLink);
        AppendLiteral(out, " 1x, ");
        out.append(e.thumb2xLink);
        AppendLiteral(out, " 2x");
    }
    AppendLiteral(out, "\" width=");
    AppendDecimal(out, e.thumb.width());
    AppendLiteral(out, " height=");
    AppendDecimal(out, e.thumb.height());
    AppendLiteral(out, " alt=\"");
    AppendPageText(out, e.image);
    AppendLiteral(out, "\" loading=\"lazy\">");
}

void AppendEntry(QByteArray& out, const IndexEntry& e, const PageSettings& s, int thumbSize) {
    AppendLiteral(out, "<span style=\"display:inline-block;vertical-align:top;margin:6px;width:");
    AppendDecimal(out, thumbSize);
    AppendLiteral(out, "px\">\r\n<a href=\"");
    out.append(e.pageLink);
    AppendLiteral(out, "\">");
    if (!e.thumb.isEmpty()) {
        AppendPicture(out, e);
        AppendLiteral(out, "</a><br>");
        AppendPageName(out, e.image);
    } else {
        AppendPageName(out, e.image); // no picture: the name is the link
        AppendLiteral(out, "</a>");
    }
    AppendLiteral(out, "\r\n");
    if (s.lFDate || s.lFSize) {
        AppendLiteral(out, "<br>");
        if (s.lFDate)
            out.append(e.date);
        if (s.lFDate && s.lFSize)
            AppendLiteral(out, " :: ");
        if (s.lFSize) {
            AppendDecimal(out, e.kiloBytes);
            AppendLiteral(out, "k");
        }
        AppendLiteral(out, "\r\n");
    }
    AppendLiteral(out, "</span>\r\n");
}

} // namespace

QByteArray ComposeIndexPage(const PageSettings& s, const QString& body, const QString& folderName,
                            int thumbSize, const std::vector<IndexEntry>& entries) {
    QByteArray page;
    page.reserve(1024 + static_cast<qsizetype>(entries.size()) * 400);
    AppendLiteral(page, "<html>\r\n");
    page.append(kIndexMarker);
    AppendLiteral(page, "\r\n<head><title>");
    AppendTitleName(page, folderName);
    AppendLiteral(page, "</title></head>\r\n");
    AppendPageMarkup(page, body); // an index has no single image to lay under its text
    AppendLiteral(page, "\r\n");
    AppendFontAndOpen(page, s);
    for (const IndexEntry& entry : entries)
        AppendEntry(page, entry, s, thumbSize);
    AppendLiteral(page, "<hr>\r\n");
    AppendPageEnd(page, s);
    return page;
}

} // namespace tuk
