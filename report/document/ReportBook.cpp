#include "report/document/ReportBook.h"

#include "check/StringerCheck.h"
#include "report/document/ReportBuilder.h"
#include "report/document/VisibleText.h"
#include "survey/SectionSurvey.h"


namespace tarrowin {
namespace {

enum class Standing { Satisfied, Exceeded, Unchecked };

struct SummaryRow {
    std::vector<RichText> cells;
    Standing standing;
    bool alarming;
};

std::string lightestPassing(const FieldTexts& texts)
{
    // The survey outlives the row it recommends: the row points into it.
    const SectionSurvey survey = surveySections(texts);
    if (const SurveyRow* lightest = survey.recommended())
        return std::string(lightest->section->designation);
    return "无";
}

std::vector<RichText> leadingCells(const BookStringer& entry)
{
    return {RichText::plain(entry.name), RichText::plain(entry.stringer.texts[Field::SectionDesignation]),
            RichText::plain(entry.gradeText)};
}

SummaryRow uncheckedRow(const BookStringer& entry, std::string why)
{
    std::vector<RichText> cells = leadingCells(entry);
    for (std::size_t i = 0; i < checks.size(); ++i)
        cells.push_back(RichText::plain("-"));
    cells.push_back(RichText::plain(std::move(why)));
    cells.push_back({});
    cells.push_back({});
    return {std::move(cells), Standing::Unchecked, true};
}

// The summary's row of a stringer that was checked, or faulted on the way.
SummaryRow checkedRow(const BookStringer& entry, const FieldTexts& texts, const StringerCheck& check,
                      const FaultWords& faultWords)
{
    if (check.fault()) {
        SummaryRow row = uncheckedRow(entry, "无法验算：" + faultWords(*check.fault()));
        row.cells[3 + checks.size() + 1] = RichText::plain(lightestPassing(texts));
        return row;
    }
    std::vector<RichText> cells = leadingCells(entry);
    bool passes = true;
    for (const Check& each : checks) {
        cells.push_back(RichText::plain(utilisationText(check.utilisation(each))));
        passes = passes && check.verdict(each) == Verdict::Satisfied;
    }
    cells.push_back(RichText::plain(passes ? "满足要求" : "超限", RunStyle::Strong));
    cells.push_back(RichText::plain(passes ? "" : lightestPassing(texts)));
    cells.push_back({});
    return {std::move(cells), passes ? Standing::Satisfied : Standing::Exceeded, !passes};
}

ReportTable summaryTableHead()
{
    // The section columns hold the widest designation (口250x150x5) on one
    // line: a designation broken in two reads as another section.
    return {{{"斜梁", 0.10, ColumnAlignment::Left},
             {"截面", 0.17, ColumnAlignment::Left},
             {"材质", 0.09, ColumnAlignment::Left},
             {"σ/f", 0.08, ColumnAlignment::Right},
             {"τ/fv", 0.08, ColumnAlignment::Right},
             {"δ/[δ]", 0.08, ColumnAlignment::Right},
             {"结论", 0.16, ColumnAlignment::Left},
             {"建议截面", 0.17, ColumnAlignment::Left},
             {"页码", 0.07, ColumnAlignment::Centre}},
            {},
            true,
            {}};
}

// A stringer's report without the design basis, which the book states once,
// under the stringer's name.
ReportDocument partOf(ReportDocument report, const std::string& name)
{
    report.sections.erase(report.sections.begin());
    report.title = name;
    report.header.clear();
    report.footerNote = name;
    return report;
}

}  // namespace

const ReportTable& ReportBook::summaryTable() const
{
    return std::get<ReportTable>(front.sections.back().blocks.front());
}

ReportTable& ReportBook::summaryTable() { return std::get<ReportTable>(front.sections.back().blocks.front()); }

std::string summaryCountText(std::size_t satisfied, std::size_t exceeded, std::size_t unchecked)
{
    return "共 " + std::to_string(satisfied + exceeded + unchecked) + " 根，满足 " + std::to_string(satisfied)
           + " 根，超限 " + std::to_string(exceeded) + " 根，无法验算 " + std::to_string(unchecked) + " 根";
}

ReportBook buildBook(const std::vector<BookStringer>& stringers, const ReportHeader& header,
                     const ReportHeader& fileHeader, const CalendarDate& today, const FaultWords& faultWords)
{
    const auto either = [](const std::string& given, const std::string& kept) { return given.empty() ? kept : given; };
    ReportHeader bookHeader{either(header.project, fileHeader.project),
                            "共 " + std::to_string(stringers.size()) + " 根斜梁",
                            either(header.designer, fileHeader.designer),
                            either(header.checker, fileHeader.checker),
                            either(header.reviewer, fileHeader.reviewer),
                            either(header.date, fileHeader.date)};

    ReportBook book;
    ReportTable summary = summaryTableHead();
    std::size_t counts[3] = {};
    for (const BookStringer& entry : stringers) {
        SummaryRow row;
        std::optional<std::size_t> part;
        if (!entry.problem.empty()) {
            row = uncheckedRow(entry, "无法验算：" + entry.problem);
        } else {
            const FieldTexts texts = textsToCheck(entry.stringer);
            row = checkedRow(entry, texts, StringerCheck(texts), faultWords);
            auto built = buildReport({entry.stringer, {}, entry.name, today});
            if (ReportDocument* report = std::get_if<ReportDocument>(&built)) {
                part = book.parts.size();
                book.parts.push_back(partOf(std::move(*report), entry.name));
                makeVisible(book.parts.back());
            }
        }
        ++counts[static_cast<std::size_t>(row.standing)];
        summary.rows.push_back(std::move(row.cells));
        summary.alarming.push_back(row.alarming);
        book.partOfRow.push_back(part);
    }

    // The front opens as every report does, with the book's header, and
    // the summary follows the design basis.
    book.front = reportOpening(bookHeader, today);
    book.front.sections.push_back(
        {"验算汇总",
         {std::move(summary), Paragraph{RichText::plain(summaryCountText(counts[0], counts[1], counts[2]))}}});
    makeVisible(book.front);
    return book;
}

ReportBook bookOfOne(ReportDocument report)
{
    ReportBook book;
    book.front = std::move(report);
    makeVisible(book.front);
    return book;
}

void setSummaryPages(ReportBook& book, const std::vector<int>& partStartPages)
{
    ReportTable& table = book.summaryTable();
    for (std::size_t row = 0; row < book.partOfRow.size(); ++row)
        if (const auto part = book.partOfRow[row])
            table.rows[row].back() = RichText::plain(std::to_string(partStartPages[*part]));
}

}  // namespace tarrowin
