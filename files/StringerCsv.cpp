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

void addProblem(std::string& problems, const std::string& problem)
{
    if (!problems.empty())
        problems += "; ";
    problems += problem;
}

std::string quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

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
    entry.name = cellOf(nameColumn);
    entry.gradeText = cellOf(gradeColumn);
    // Only the stringer's own fields are set: the rest keep their texts at
    // start, and building a whole sheet of texts anew for every row would
    // cost more than reading it.
    entry.stringer.grade = Grade::Q235B;
    entry.stringer.texts[Field::SectionDesignation] = cellOf(sectionColumn);
    for (std::size_t i = 0; i < flightInputs.size(); ++i)
        entry.stringer.texts[flightInputs[i].field] = cellOf(firstInputColumn + i);

    if (cells.size() < headerWidth_)
        addProblem(entry.problem, "the record has " + std::to_string(cells.size()) + " cells, the header "
                                      + std::to_string(headerWidth_));
    else if (std::any_of(cells.begin() + static_cast<std::ptrdiff_t>(headerWidth_), cells.end(),
                         [](const std::string& cell) { return !cell.empty(); }))
        addProblem(entry.problem, "the record has " + std::to_string(cells.size()) + " cells, the header only "
                                      + std::to_string(headerWidth_) + " (a comma that should be quoted?)");

    const std::string& section = cellOf(sectionColumn);
    const Section* found = section.empty() ? nullptr : findSection(section);
    if (section.empty())
        addProblem(entry.problem, "the section is empty");
    else if (!found)
        addProblem(entry.problem, "unknown section " + quoted(section));
    if (found)
        for (const PropertyText& property : propertyTexts(*found))
            entry.stringer.texts[property.field] = property.text;
    else
        for (const Input& property : sectionInputs)
            entry.stringer.texts[property.field].clear();  // none, rather than an earlier row's

    if (entry.gradeText.empty())
        addProblem(entry.problem, "the grade is empty");
    else if (const std::optional<Grade> grade = gradeNamed(entry.gradeText))
        entry.stringer.grade = *grade;
    else
        addProblem(entry.problem, unknownGradeProblem(entry.gradeText));
    return true;
}

}  // namespace tarrowin
