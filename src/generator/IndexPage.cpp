#include "generator/IndexPage.h"

#include "base/Append.h"
#include "generator/PageComposer.h"
#include "generator/PageEncoding.h"

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
    if (e.albumImages > 0) {
        AppendLiteral(out, "<br>");
        AppendDecimal(out, e.albumImages);
        AppendLiteral(out, " image");
        if (e.albumImages > 1)
            out.append('s');
        AppendLiteral(out, "\r\n");
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
    AppendLiteral(out, "</span>\r\n");
}

// The lines that lead from one index page (1-based) to the others: first, prev, next, last.
void AppendPageLinks(QByteArray& out, const QByteArray& prefix, int number, int count) {
    if (count == 1)
        return;
    const std::pair<int, const char*> links[] = {{1, "first"},
                                                 {qMax(1, number - 1), "prev"},
                                                 {qMin(count, number + 1), "next"},
                                                 {count, "last"}};
    for (const auto& [target, label] : links)
        AppendLinkLine(out, prefix + IndexPageName(target), label);
}

QByteArray ComposeIndexPage(const PageSettings& s, const QString& body, const IndexLayout& layout,
                            std::span<const IndexEntry> entries, int number, int count) {
    QByteArray page;
    page.reserve(1024 + static_cast<qsizetype>(entries.size()) * 400);
    AppendLiteral(page, "<html>\r\n");
    page.append(kIndexMarker);
    AppendLiteral(page, "\r\n<head><title>");
    AppendTitleName(page, layout.title);
    AppendLiteral(page, "</title>");
    AppendHeadEnd(page, s);
    AppendPageMarkup(page, body); // an index has no single image to lay under its text
    AppendLiteral(page, "\r\n");
    AppendFontAndOpen(page, s);
    if (!layout.upLink.isEmpty())
        AppendLinkLine(page, layout.upLink, "up");
    AppendPageLinks(page, layout.linkPrefix, number, count);
    for (const IndexEntry& entry : entries)
        AppendEntry(page, entry, s, layout.thumbSize);
    AppendPageLinks(page, layout.linkPrefix, number, count);
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
