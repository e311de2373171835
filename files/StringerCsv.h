#pragma once

#include "files/CsvReader.h"
#include "files/FileProblem.h"
#include "files/StringerEntry.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace tarrowin {

// The columns a CSV of stringers must name in its header row, in any order;
// other columns are ignored.
// The name, the section and the grade, then the flight's inputs by their keys.
inline constexpr auto stringerColumns = [] {
    std::array<std::string_view, 3 + flightInputs.size()> columns{"name", "section", "grade"};
    std::ranges::transform(flightInputs, columns.begin() + 3, &Input::key);
    return columns;
}();

// Reads a CSV of stringers one row at a time. The section must be a catalogue
// designation exactly (its five properties then come from the catalogue;
// without one the property texts are empty) and
// the grade one of the grades' names exactly; an empty input cell is the empty
// text, read as 0 as in the window. A row with fewer cells than the header, an
// empty or unknown section or grade, or cells beyond the header that are not
// empty (a comma left unquoted, as in 1,500, shifts every cell after it) gives
// an entry with its problem. The CSV itself is refused when it is not valid,
// when its header lacks one of the columns or names one twice.
class StringerCsvReader {
public:
    // Reads the header row.
    explicit StringerCsvReader(std::string_view text);

    // The next row; false at the end or once the CSV is refused.
    bool next(StringerEntry& entry);

    // Goes on with the next part of the same CSV, which starts a record on
    // line `firstLine`, once every row of the part before has been read.
    void continueWith(std::string_view part, std::size_t firstLine);

    // Why the whole CSV is refused, once known; the problem's file is empty.
    const std::optional<FileProblem>& refusal() const;

private:
    CsvReader reader_;
    std::optional<FileProblem> headerProblem_;
    std::array<std::size_t, stringerColumns.size()> columnOf_{};
    std::size_t headerWidth_ = 0;
    CsvRecord record_;
};

}  // namespace tarrowin
