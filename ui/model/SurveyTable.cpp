#include "ui/model/SurveyTable.h"

#include "catalogue/SectionCatalogue.h"
#include "catalogue/SteelGrades.h"
#include "check/Quantities.h"
#include "check/FaultWords.h"
#include "check/StringerCheck.h"
#include "check/Verdict.h"
#include "sheet/FieldTexts.h"
#include "survey/SectionSurvey.h"
#include "text/Utf8.h"

#include <limits>
#include <string_view>
#include <vector>

namespace tarrowin {
namespace {

enum class Shows { Designation, Mass, Result, Verdict, Ratio, Remark };

struct ColumnLayout {
    Shows shows;
    std::string header;
    Quantity result = Quantity::BendingStress;  // for a result
    const Check* check = nullptr;               // for a verdict or a ratio
};

std::string resultHeader(Quantity quantity)
{
    const Result& result = resultOf(quantity);
    return std::string(result.caption) + "\n" + std::string(result.unit);
}

// The section, then each check as its result, verdict and utilisation (with
// the limit before the verdict where the calculation computes it, as the
// allowable deflection), then the recommendation or the fault.
std::vector<ColumnLayout> makeColumnLayouts()
{
    std::vector<ColumnLayout> layouts{{.shows = Shows::Designation, .header = "截面"},
                                      {.shows = Shows::Mass, .header = "每米质量\nkg/m"}};
    for (const Check& check : checks) {
        const std::string name(check.caption());
        layouts.push_back({.shows = Shows::Result, .header = resultHeader(check.demand), .result = check.demand});
        if (const Result* limit = resultShownIn(check.limit))
            layouts.push_back({.shows = Shows::Result, .header = resultHeader(limit->quantity), .result = limit->quantity});
        layouts.push_back({.shows = Shows::Verdict, .header = name + "\n验算", .check = &check});
        layouts.push_back({.shows = Shows::Ratio, .header = name + "\n利用率", .check = &check});
    }
    layouts.push_back({.shows = Shows::Remark, .header = "备注"});
    return layouts;
}

const std::vector<ColumnLayout>& columnLayouts()
{
    static const std::vector<ColumnLayout> layouts = makeColumnLayouts();
    return layouts;
}

constexpr double beyondEveryNumber = std::numeric_limits<double>::infinity();

SurveyTable::Alignment alignmentOf(Shows shows)
{
    switch (shows) {
    case Shows::Mass:
    case Shows::Result:
    case Shows::Ratio: return SurveyTable::Alignment::Number;
    case Shows::Verdict: return SurveyTable::Alignment::Word;
    case Shows::Designation:
    case Shows::Remark: break;
    }
    return SurveyTable::Alignment::Text;
}

std::string cellText(const SurveyRow& row, const ColumnLayout& column)
{
    switch (column.shows) {
    case Shows::Designation: return std::string(row.section->designation);
    case Shows::Mass: return row.massText;
    case Shows::Result: return row.check.text(column.result);
    case Shows::Verdict:
        if (const auto verdict = row.check.verdict(*column.check))
            return std::string(verdictWord(*verdict));
        return {};
    case Shows::Ratio:
        // A check that the run never reached has no ratio to show, not even "-".
        if (row.check.verdict(*column.check))
            return utilisationText(row.check.utilisation(*column.check));
        return {};
    case Shows::Remark:
        if (row.recommended)
            return "推荐";
        if (const auto& fault = row.check.fault())
            return faultSummaryInChinese(*fault);
        return {};
    }
    return {};
}

double sortValue(const SurveyRow& row, const ColumnLayout& column)
{
    switch (column.shows) {
    case Shows::Designation: return double(row.section - sectionCatalogue().data());
    case Shows::Mass: return row.section->mass;
    case Shows::Result:
        if (row.check.text(column.result).empty())
            return beyondEveryNumber;
        return row.check.outcome().values.*resultOf(column.result).value;
    case Shows::Verdict:
        if (const auto verdict = row.check.verdict(*column.check))
            return *verdict == Verdict::Satisfied ? 0 : 1;
        return 2;
    case Shows::Ratio: return row.check.utilisation(*column.check).value_or(beyondEveryNumber);
    case Shows::Remark: return row.recommended ? 0 : row.check.fault() ? 2 : 1;
    }
    return beyondEveryNumber;
}

bool fails(const SurveyRow& row, const ColumnLayout& column)
{
    switch (column.shows) {
    case Shows::Verdict: return row.check.verdict(*column.check) == Verdict::NotSatisfied;
    // A ratio is red when it reads above 1 as written: "1.000" is not, so a
    // stress that shows equal to its strength (and passes) is never red.
    // Every double above the decimal 1.0005 rounds to "1.001" or more, and
    // the double nearest 1.0005 lies below it.
    case Shows::Ratio: return row.check.utilisation(*column.check) > 1.0005;
    case Shows::Remark: return row.check.fault().has_value();
    case Shows::Designation:
    case Shows::Mass:
    case Shows::Result: break;
    }
    return false;
}

// A text shows as typed, except that one longer than a line's share shows its
// first 19 characters and an ellipsis: a pasted page must not stretch the
// dialog. A character is one Unicode code point of the UTF-8 text, so a cut
// never falls inside one (a combining mark may still part from its letter).
std::string shownText(const std::string& text)
{
    constexpr std::size_t longest = 20;
    std::size_t characters = 0;
    std::size_t cut = 0;  // where the character after the kept ones starts
    for (std::size_t byte = 0; byte < text.size(); ++byte) {
        if (!startsCharacter(text[byte]))
            continue;
        if (characters == longest - 1)
            cut = byte;
        if (++characters > longest)
            return text.substr(0, cut) + "…";
    }
    return text;
}

// What the survey read: the flight's inputs, and the grade on show with the
// strengths as the strength fields hold them (which share their unit).
std::string basisLine(const FieldTexts& texts, Grade grade)
{
    std::string line = "计算条件：";
    for (const Input& input : flightInputs) {
        line += input.caption;
        line += ' ';
        line += shownText(texts[input.field]);
        line += ' ';
        line += input.unit;
        line += "，";
    }
    line += "材质 ";
    line += steelGrade(grade).name;
    for (const Input& strength : strengthInputs) {
        line += &strength == &strengthInputs.front() ? "（" : "，";
        line += plainSymbol(strength.symbol) + " = " + shownText(texts[strength.field]);
    }
    line += " " + std::string(strengthInputs.back().unit) + "）。";
    return line;
}

std::string conclusionLine(const SectionSurvey& survey)
{
    if (const SurveyRow* recommended = survey.recommended())
        return "推荐截面：" + std::string(recommended->section->designation) + "，满足全部验算的最轻截面。";
    return "没有截面满足全部验算。";
}

}  // namespace

SurveyTable surveyTable(const SectionSurvey& survey, const FieldTexts& texts, Grade grade)
{
    SurveyTable table;
    const std::vector<ColumnLayout>& layouts = columnLayouts();
    table.columns.reserve(layouts.size());
    for (std::size_t column = 0; column < layouts.size(); ++column) {
        const ColumnLayout& layout = layouts[column];
        table.columns.push_back({layout.header, alignmentOf(layout.shows)});
        if (layout.shows == Shows::Mass)
            table.massColumn = column;
    }
    table.rows.reserve(survey.rows.size());
    for (const SurveyRow& row : survey.rows) {
        if (row.recommended)
            table.recommendedRow = table.rows.size();
        SurveyTable::Row& shown = table.rows.emplace_back();
        shown.designation = row.section->designation;
        shown.cells.reserve(layouts.size());
        for (const ColumnLayout& layout : layouts)
            shown.cells.push_back({cellText(row, layout), sortValue(row, layout), fails(row, layout)});
    }
    table.basisLine = basisLine(texts, grade);
    table.conclusionLine = conclusionLine(survey);
    return table;
}

}  // namespace tarrowin
