#include "report/pdf/BookPdf.h"

#include "report/pdf/PdfPages.h"
#include "report/pdf/PdfSubsetTags.h"
#include "report/pdf/ReportLayout.h"
#include "report/pdf/ReportPdf.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

#include <deque>
#include <memory>
#include <numeric>

namespace tarrowin {
namespace {

// Parts laid out once, to count their pages, are kept for drawing up to
// this many; the rest are laid out again when their turn comes, so that a
// book of a thousand stringers does not hold a thousand layouts at once.
constexpr std::size_t keptLayouts = 160;

// As wide as any page number a book will have: the front is laid out with
// it before the numbers are known, and a narrower number never wraps where
// this did not, so the front keeps its pages when the numbers go in.
constexpr int widestPageNumber = 99999;

// The page on which each part starts, the front taking `frontPages`.
std::vector<int> startPages(int frontPages, const std::vector<int>& partPages)
{
    std::vector<int> starts;
    int next = frontPages + 1;
    for (int pages : partPages) {
        starts.push_back(next);
        next += pages;
    }
    return starts;
}

}  // namespace

QByteArray bookPdf(ReportBook book, const QString& family, const BookProgress& progress)
{
    if (book.parts.empty())
        return reportPdf(book.front, family);
    const auto tell = [&](const char* stage, std::size_t done) {
        if (progress)
            progress(stage, done, book.parts.size());
    };

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        const QSizeF body = preparePdfPages(writer, book.front.title, book.front.creator);

        std::vector<int> partPages;
        std::deque<std::unique_ptr<QTextDocument>> kept;
        for (const ReportDocument& part : book.parts) {
            std::unique_ptr<QTextDocument> text = layOutReport(part, family, writer, body);
            partPages.push_back(text->pageCount());
            if (kept.size() < keptLayouts)
                kept.push_back(std::move(text));
            tell("laying out", partPages.size());
        }

        // Two passes over the front: its pages with the widest numbers give
        // where the parts start; the numbers then go in.
        setSummaryPages(book, std::vector<int>(book.parts.size(), widestPageNumber));
        int frontPages = layOutReport(book.front, family, writer, body)->pageCount();
        setSummaryPages(book, startPages(frontPages, partPages));
        const std::unique_ptr<QTextDocument> front = layOutReport(book.front, family, writer, body);
        frontPages = front->pageCount();
        const std::vector<int> starts = startPages(frontPages, partPages);
        const int pageCount = std::accumulate(partPages.begin(), partPages.end(), frontPages);

        QPainter painter(&writer);
        drawPdfPages(writer, painter, *front, {book.front.footerNote, book.front.title}, family, 1, pageCount);
        for (std::size_t i = 0; i < book.parts.size(); ++i) {
            const ReportDocument& part = book.parts[i];
            std::unique_ptr<QTextDocument> text;
            if (!kept.empty()) {
                text = std::move(kept.front());
                kept.pop_front();
            } else {
                text = layOutReport(part, family, writer, body);
            }
            drawPdfPages(writer, painter, *text, {part.footerNote, book.front.title}, family, starts[i], pageCount);
            tell("writing", i + 1);
        }
    }
    return withSubsetTags(buffer.data());
}

}  // namespace tarrowin
