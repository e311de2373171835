#include "ui/model/SurveyTable.h"

#include "catalogue/SectionCatalogue.h"
#include "catalogue/SteelGrades.h"
#include "check/Checks.h"
#include "check/StringerCheck.h"
#include "check/Verdict.h"
#include "sheet/FieldTexts.h"
#include "survey/SectionSurvey.h"
#include "text/Utf8.h"
#include "ui/model/FaultMessage.h"

#include <array>
#include <limits>
#include <string_view>

namespace tarrowin {
namespace {

enum class Shows { Designation, Mass, Result, Verdict, Ratio, Remark };

struct ColumnLayout {
    Shows shows;
    std::string_view header;
    Quantity result = Quantity::BendingStress;  // for a result
    const Check* check = nullptr;               // for a verdict or a ratio
};

// The section, then each check as its result, verdict and utilisation (the
// deflection with the allowable deflection it is judged against), then the
// recommendation or the fault.
constexpr std::array columnLayouts{
    ColumnLayout{.shows = Shows::Designation, .header = "截面"},
    ColumnLayout{.shows = Shows::Mass, .header = "每米质量\nkg/m"},
    ColumnLayout{.shows = Shows::Result, .header = "正应力\nN/mm2", .result = Quantity::BendingStress},
    ColumnLayout{.shows = Shows::Verdict, .header = "正应力\n验算", .check = &checks[0]},
    ColumnLayout{.shows = Shows::Ratio, .header = "正应力\n利用率", .check = &checks[0]},
    ColumnLayout{.shows = Shows::Result, .header = "剪应力\nN/mm2", .result = Quantity::ShearStress},
    ColumnLayout{.shows = Shows::Verdict, .header = "剪应力\n验算", .check = &checks[1]},
    ColumnLayout{.shows = Shows::Ratio, .header = "剪应力\n利用率", .check = &checks[1]},
    ColumnLayout{.shows = Shows::Result, .header = "挠度\nmm", .result = Quantity::Deflection},
    ColumnLayout{.shows = Shows::Result, .header = "允许挠度\nmm", .result = Quantity::AllowableDeflection},
    ColumnLayout{.shows = Shows::Verdict, .header = "挠度\n验算", .check = &checks[2]},
    ColumnLayout{.shows = Shows::Ratio, .header = "挠度\n利用率", .check = &checks[2]},
    ColumnLayout{.shows = Shows::Remark, .header = "备注"},
};

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

struct InputCaption {
    Field field;
    std::string_view caption;
    std::string_view unit;
};

// The inputs as the window captions them.
constexpr std::array inputCaptions{
    InputCaption{Field::HorizontalLength, "水平长度", "mm"},
    InputCaption{Field::VerticalHeight, "垂直高度", "mm"},
    InputCaption{Field::FlightWidth, "梯段宽度", "mm"},
    InputCaption{Field::DeadLoad, "恒荷载标准值", "kN/m2"},
    InputCaption{Field::LiveLoad, "活荷载标准值", "kN/m2"},
};

// What the survey read: the five inputs, and the grade on show with the
// strengths as the strength fields hold them.
std::string basisLine(const FieldTexts& texts, Grade grade)
{
    std::string line = "计算条件：";
    for (const InputCaption& input : inputCaptions) {
        line += input.caption;
        line += ' ';
        line += shownText(texts[input.field]);
        line += ' ';
        line += input.unit;
        line += "，";
    }
    line += "材质 ";
    line += steelGrade(grade).name;
    line += "（f = " + shownText(texts[Field::DesignStrength]);
    line += "，fv = " + shownText(texts[Field::DesignShearStrength]);
    line += " N/mm2）。";
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
    table.columns.reserve(columnLayouts.size());
    for (std::size_t column = 0; column < columnLayouts.size(); ++column) {
        const ColumnLayout& layout = columnLayouts[column];
        table.columns.push_back({std::string(layout.header), alignmentOf(layout.shows)});
        if (layout.shows == Shows::Mass)
            table.massColumn = column;
    }
    table.rows.reserve(survey.rows.size());
    for (const SurveyRow& row : survey.rows) {
        if (row.recommended)
            table.recommendedRow = table.rows.size();
        SurveyTable::Row& shown = table.rows.emplace_back();
        shown.designation = row.section->designation;
        shown.cells.reserve(columnLayouts.size());
        for (const ColumnLayout& layout : columnLayouts)
            shown.cells.push_back({cellText(row, layout), sortValue(row, layout), fails(row, layout)});
    }
    table.basisLine = basisLine(texts, grade);
    table.conclusionLine = conclusionLine(survey);
    return table;
}

}  // namespace tarrowin
