#include "files/StringerCsv.h"

#include "catalogue/SectionCatalogue.h"
#include "catalogue/SteelGrades.h"
#include "files/StringerKeys.h"

#include <algorithm>

namespace tarrowin {
namespace {

constexpr std::size_t nameColumn = 0;
constexpr std::size_t sectionColumn = 1;
constexpr std::size_t gradeColumn = 2;
constexpr std::size_t firstInputColumn = 3;
constexpr std::size_t absent = static_cast<std::size_t>(-1);

// Adds a reason the row cannot be checked, in English for the command
// line's messages and in Chinese for the calculation book's summary.
void addProblem(StringerEntry& entry, const std::string& english, const std::string& chinese)
{
    if (!entry.problem.empty()) {
        entry.problem += "; ";
        entry.chineseProblem += "；";
    }
    entry.problem += english;
    entry.chineseProblem += chinese;
}

std::string quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }
std::string quotedInChinese(std::string_view text) { return "“" + std::string(text) + "”"; }

std::string chineseGradeNames()
{
    std::string names;
    for (const SteelGrade& known : steelGrades())
        names += (names.empty() ? "" : "、") + std::string(known.name);
    return names;
}

}  // namespace

StringerCsvReader::StringerCsvReader(std::string_view text) : reader_(text)
{
    columnOf_.fill(absent);
    if (!reader_.next(record_)) {
        if (!reader_.problem())
            headerProblem_ = FileProblem{{}, 1, 0, "no header row"};
        return;
    }
    headerWidth_ = record_.cells.size();
    for (std::size_t cell = 0; cell < record_.cells.size(); ++cell) {
        const auto column = std::ranges::find(stringerColumns, record_.cells[cell]);
        if (column == stringerColumns.end())
            continue;
        std::size_t& index = columnOf_[static_cast<std::size_t>(column - stringerColumns.begin())];
        if (index != absent) {
            headerProblem_ = FileProblem{{}, record_.line, 0, "the header names the column " + quoted(*column) + " twice"};
            return;
        }
        index = cell;
    }
    std::string missing;
    for (std::size_t column = 0; column < stringerColumns.size(); ++column)
        if (columnOf_[column] == absent)
            missing += (missing.empty() ? "" : ", ") + std::string(stringerColumns[column]);
    if (!missing.empty())
        headerProblem_ = FileProblem{{}, record_.line, 0, "the header lacks the column(s) " + missing};
}

void StringerCsvReader::continueWith(std::string_view part, std::size_t firstLine)
{
    if (!headerProblem_ && !reader_.problem())
        reader_ = CsvReader(part, firstLine);
}

const std::optional<FileProblem>& StringerCsvReader::refusal() const
{
    return headerProblem_ ? headerProblem_ : reader_.problem();
}

bool StringerCsvReader::next(StringerEntry& entry)
{
    if (headerProblem_ || !reader_.next(record_))
        return false;

    const std::vector<std::string>& cells = record_.cells;
    const auto cellOf = [&](std::size_t column) -> const std::string& {
        static const std::string none;
        const std::size_t index = columnOf_[column];
        return index < cells.size() ? cells[index] : none;
    };

    entry.line = record_.line;
    entry.problem.clear();
    entry.chineseProblem.clear();
    entry.name = cellOf(nameColumn);
    entry.gradeText = cellOf(gradeColumn);
    // Only the stringer's own fields are set: the rest keep their texts at
    // start, and building a whole sheet of texts anew for every row would
    // cost more than reading it.
    entry.stringer.grade = Grade::Q235B;
    entry.stringer.texts[Field::SectionDesignation] = cellOf(sectionColumn);
    for (std::size_t i = 0; i < flightInputs.size(); ++i)
        entry.stringer.texts[flightInputs[i].field] = cellOf(firstInputColumn + i);

    const std::string cellCount = std::to_string(cells.size());
    const std::string headerCount = std::to_string(headerWidth_);
    if (cells.size() < headerWidth_)
        addProblem(entry, "the record has " + cellCount + " cells, the header " + headerCount,
                   "该行有 " + cellCount + " 个单元格，表头有 " + headerCount + " 列");
    else if (std::any_of(cells.begin() + static_cast<std::ptrdiff_t>(headerWidth_), cells.end(),
                         [](const std::string& cell) { return !cell.empty(); }))
        addProblem(entry,
                   "the record has " + cellCount + " cells, the header only " + headerCount
                       + " (a comma that should be quoted?)",
                   "该行有 " + cellCount + " 个单元格，表头只有 " + headerCount + " 列（是否有逗号未加引号？）");

    const std::string& section = cellOf(sectionColumn);
    const Section* found = section.empty() ? nullptr : findSection(section);
    if (section.empty())
        addProblem(entry, "the section is empty", "截面为空");
    else if (!found)
        addProblem(entry, "unknown section " + quoted(section), "未知的截面" + quotedInChinese(section));
    if (found)
        for (const PropertyText& property : propertyTexts(*found))
            entry.stringer.texts[property.field] = property.text;
    else
        for (const Input& property : sectionInputs)
            entry.stringer.texts[property.field].clear();  // none, rather than an earlier row's

    if (entry.gradeText.empty())
        addProblem(entry, "the grade is empty", "材质为空");
    else if (const std::optional<Grade> grade = gradeNamed(entry.gradeText))
        entry.stringer.grade = *grade;
    else
        addProblem(entry, unknownGradeProblem(entry.gradeText),
                   "未知的材质" + quotedInChinese(entry.gradeText) + "（可选的材质为 " + chineseGradeNames() + "）");
    return true;
}

}  // namespace tarrowin
