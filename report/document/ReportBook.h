#pragma once

#include "check/ArithmeticFault.h"
#include "report/document/ReportDocument.h"
#include "report/document/ReportRequest.h"
#include "stringer/ReportHeader.h"
#include "stringer/Stringer.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tarrowin {

// One stringer of a book as its file or CSV row gave it.
struct BookStringer {
    std::string name;
    Stringer stringer;      // the texts as written
    std::string gradeText;  // the grade as written
    std::string problem;    // why it cannot be checked, such as "第 4 行：未知的截面“[14x”"; empty when it can
};

// The calculation book: a front (the title, the header, 1 设计依据 and the
// summary 验算汇总) and one part a stringer that could be checked, each part
// today's report body (sections 2 to 5) under the stringer's name, on pages
// of its own with the name in their footer.
struct ReportBook {
    ReportDocument front;
    std::vector<ReportDocument> parts;
    // For each row of the summary table, in order: the part that holds its
    // calculation, or none for a stringer that has no pages.
    std::vector<std::optional<std::size_t>> partOfRow;

    // The summary table of the front; its last column is left for the page
    // on which each part starts, which only a layout knows.
    const ReportTable& summaryTable() const;
    ReportTable& summaryTable();
};

// How the summary words a fault in a few Chinese words, such as
// "除零（计算正应力时）": the window model's wording, which stands beside
// this layer and is handed in.
using FaultWords = std::function<std::string(const ArithmeticFault&)>;

// The book of the stringers in their order. Each entry of the header that
// is empty is taken from `fileHeader` (the first stringer file's header);
// 构件 counts the stringers. Every text is visible text (see visibleText).
ReportBook buildBook(const std::vector<BookStringer>& stringers, const ReportHeader& header,
                     const ReportHeader& fileHeader, const CalendarDate& today, const FaultWords& faultWords);

// One report as a book of one: the front is the report itself, made visible,
// and there are no parts. Rendered as the report alone.
ReportBook bookOfOne(ReportDocument report);

// The page numbers that fill the summary's page column, one a row: the
// number where the row has a part, nothing where it has none.
void setSummaryPages(ReportBook& book, const std::vector<int>& partStartPages);

// "共 4 根，满足 1 根，超限 1 根，无法验算 2 根": the line under the summary.
std::string summaryCountText(std::size_t satisfied, std::size_t exceeded, std::size_t unchecked);

}  // namespace tarrowin
