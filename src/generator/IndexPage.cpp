#include "generator/IndexPage.h"

#include "base/Append.h"
#include "generator/PageComposer.h"
#include "generator/PageEncoding.h"
#include "generator/WebReadyLook.h"

#include <span>
#include <utility>

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

// The rules of a web-ready index beside those every page has: entries side by side, at least
// two abreast even on a phone, and an album's cover on a stack of two more prints, with room
// below for them.
constexpr char kIndexStyle[] =
    "h1{font-size:1.6em;margin:.3em 0}"
    "span{display:inline-block;vertical-align:top;margin:6px;max-width:calc(50% - 20px)}"
    ".album img{max-width:calc(100% - 8px);margin-bottom:8px;box-shadow:4px 4px 0 -1px #fff,"
    "4px 4px 0 #888,8px 8px 0 -1px #fff,8px 8px 0 #888}";

// The lines under an entry's name: an album's count of images and date range, or an image's
// date and size when their flags are on.
void AppendEntryFacts(QByteArray& out, const IndexEntry& e, const PageSettings& s) {
    if (e.albumImages > 0) {
        AppendLiteral(out, "<br>");
        AppendDecimal(out, e.albumImages);
        AppendLiteral(out, " image");
        if (e.albumImages > 1)
            out.append('s');
        AppendLiteral(out, "\r\n");
        if (s.lWebReady && s.lFDate && !e.dateRange.isEmpty()) {
            AppendLiteral(out, "<br>");
            out.append(e.dateRange);
            AppendLiteral(out, "\r\n");
        }
    } else if (s.lFDate || s.lFSize) {
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
}

// An entry's box: on a web-ready index its look is in the style, once for the page.
void AppendEntry(QByteArray& out, const IndexEntry& e, const PageSettings& s, int thumbSize) {
    if (!s.lWebReady) {
        AppendLiteral(out, "<span style=\"display:inline-block;vertical-align:top;margin:6px;"
                           "width:");
        AppendDecimal(out, thumbSize);
        AppendLiteral(out, "px\">");
    } else if (e.albumImages > 0) {
        AppendLiteral(out, "<span class=album>");
    } else {
        AppendLiteral(out, "<span>");
    }
    AppendLiteral(out, "\r\n<a href=\"");
    out.append(e.pageLink);
    if (!e.caption.isEmpty()) {
        AppendLiteral(out, "\" title=\"");
        AppendPageText(out, e.caption);
    }
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
    AppendEntryFacts(out, e, s);
    AppendLiteral(out, "</span>\r\n");
}

// The lines that lead from one index page (1-based) to the others: first, prev, next, last.
void AppendPageLinks(QByteArray& out, const QByteArray& prefix, int number, int count,
                     bool webReady) {
    if (count == 1)
        return;
    const std::pair<int, const char*> links[] = {{1, "first"},
                                                 {qMax(1, number - 1), "prev"},
                                                 {qMin(count, number + 1), "next"},
                                                 {count, "last"}};
    for (const auto& [target, label] : links)
        AppendLinkLine(out, prefix + IndexPageName(target), label, webReady);
}

// The head after the title: on a web-ready index the neighbouring index pages, the album above
// and the look of the entries.
void AppendIndexHead(QByteArray& out, const PageSettings& s, const IndexLayout& layout, int number,
                     int count) {
    if (!s.lWebReady) {
        AppendHeadEnd(out, false);
        return;
    }
    const QByteArray prev = number > 1 ? layout.linkPrefix + IndexPageName(number - 1) : "";
    const QByteArray next = number < count ? layout.linkPrefix + IndexPageName(number + 1) : "";
    QByteArray style(kIndexStyle);
    AppendLiteral(style, "span{width:");
    AppendDecimal(style, layout.thumbSize);
    AppendLiteral(style, "px}");
    AppendHeadEnd(out, true, {prev, next, layout.upLink}, style);
}

QByteArray ComposeIndexPage(const PageSettings& s, const QString& body, const IndexLayout& layout,
                            std::span<const IndexEntry> entries, int number, int count) {
    const bool web = s.lWebReady;
    QByteArray page;
    page.reserve(2048 + static_cast<qsizetype>(entries.size()) * 400);
    AppendLiteral(page, "<html>\r\n");
    page.append(kIndexMarker);
    AppendLiteral(page, "\r\n<head><title>");
    AppendTitleName(page, layout.title);
    AppendLiteral(page, "</title>");
    AppendIndexHead(page, s, layout, number, count);
    AppendPageMarkup(page, body); // an index has no single image to lay under its text
    AppendLiteral(page, "\r\n");
    AppendFontAndOpen(page, s);
    const bool topRow = !layout.upLink.isEmpty() || count > 1;
    AppendButtonRowOpen(page, web && topRow);
    if (!layout.upLink.isEmpty())
        AppendLinkLine(page, layout.upLink, "up", web);
    AppendPageLinks(page, layout.linkPrefix, number, count, web);
    AppendButtonRowClose(page, web && topRow);
    if (web) {
        AppendLiteral(page, "<h1>");
        AppendPageName(page, layout.title);
        AppendLiteral(page, "</h1>\r\n");
    }
    for (const IndexEntry& entry : entries)
        AppendEntry(page, entry, s, layout.thumbSize);
    AppendButtonRowOpen(page, web && count > 1);
    AppendPageLinks(page, layout.linkPrefix, number, count, web);
    AppendButtonRowClose(page, web && count > 1);
    AppendLiteral(page, "<hr>\r\n");
    AppendPageEnd(page, s);
    return page;
}

} // namespace

QByteArray IndexPageName(int page) {
    if (page <= 1)
        return QByteArray(kIndexFileName);
    QByteArray name("index-");
    AppendDecimal(name, page);
    AppendLiteral(name, ".html");
    return name;
}

std::vector<QByteArray> ComposeIndexPages(const PageSettings& s, const QString& body,
                                          const IndexLayout& layout,
                                          const std::vector<IndexEntry>& entries) {
    const size_t perPage = s.lWebReady ? kIndexEntriesPerPage : qMax<size_t>(1, entries.size());
    const int count = int(qMax<size_t>(1, (entries.size() + perPage - 1) / perPage));
    std::vector<QByteArray> pages;
    for (int number = 1; number <= count; ++number) {
        const size_t first = size_t(number - 1) * perPage;
        pages.push_back(ComposeIndexPage(
            s, body, layout,
            std::span(entries).subspan(first, qMin(perPage, entries.size() - first)), number,
            count));
    }
    return pages;
}

} // namespace tuk
