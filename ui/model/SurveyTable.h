#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tarrowin {

class FieldTexts;
struct SectionSurvey;
enum class Grade;

// 截面优选 as the dialog shows it: one row a section in the survey's order
// (lightest first), each cell what the window would show after picking that
// section and pressing 计算. A section whose calculation faulted shows what
// it reached and, in the last column, the fault.
struct SurveyTable {
    // How a column's cells line up: text at the left, numbers at the right,
    // verdict words centred.
    enum class Alignment { Text, Number, Word };

    struct Column {
        std::string header;  // the unit, if any, on a line of its own
        Alignment alignment;
    };

    struct Cell {
        std::string text;
        // Sorts as the engineer expects: numbers as numbers, designations in
        // catalogue order, verdicts from 满足 to 不满足. A value that was never
        // reached, or a ratio that is not a finite number, is an infinity:
        // beyond every number, as the worst case.
        double sortValue;
        bool fails;  // drawn in the red of the overall message's failure
    };

    struct Row {
        std::string designation;  // as the picker lists it
        std::vector<Cell> cells;  // one for each column
    };

    std::vector<Column> columns;
    std::vector<Row> rows;
    // The lightest section that passes every check; none when no section does.
    std::optional<std::size_t> recommendedRow;
    // The column that ranks the sections by mass, the survey's own order.
    std::size_t massColumn = 0;
    // "计算条件：…": the five inputs, the grade and its strengths as typed.
    std::string basisLine;
    // "推荐截面：…" naming the recommendation, or "没有截面满足全部验算。".
    std::string conclusionLine;
};

// The survey laid out for the texts and the grade it was computed for.
SurveyTable surveyTable(const SectionSurvey& survey, const FieldTexts& texts, Grade grade);

}  // namespace tarrowin
