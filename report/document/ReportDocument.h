#pragma once

#include "report/document/RichText.h"
#include "sheet/Field.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace tarrowin {

// One entry of the report's header: a label and what the engineer entered.
struct HeaderEntry {
    std::string label;  // 工程名称, 设计, ...
    std::string value;  // verbatim; may be empty
    bool signature = false;  // 设计, 校对, 审核: room to sign, a blank line when empty
};

enum class ParagraphKind {
    Text,
    Item,  // begins with its number, "1. "; its further lines stand clear of the number
    Note,  // set smaller, under what it explains
};

// Running text: a sentence, a numbered reference, a note under a table.
struct Paragraph {
    RichText text;
    ParagraphKind kind = ParagraphKind::Text;
};

enum class ColumnAlignment { Left, Centre, Right };

struct ReportColumn {
    std::string heading;
    double width;  // share of the text width; a table's shares add up to 1
    ColumnAlignment alignment;
};

struct ReportTable {
    std::vector<ReportColumn> columns;
    std::vector<std::vector<RichText>> rows;  // one cell per column
    // Ruled, with the columns' headings above the rows; otherwise the rows
    // alone, aligned in their columns without rules or headings.
    bool ruled = true;
    // Rows the reader must not miss, such as a stringer that fails, set in
    // red; one flag a row, or none at all.
    std::vector<bool> alarming;
};

// One step of the computation, read as
// "symbol = formula = numbers substituted = result unit".
struct FormulaLine {
    std::string description;  // what is computed, in words
    RichText symbol;
    RichText formula;
    std::string substituted;  // the formula with the numbers it used
    std::string result;       // the value as a text
    std::string unit;         // empty for a pure number
    // The field of the window that holds the result, when the result is that
    // field's text exactly as the window writes it after 计算.
    std::optional<Field> shownIn;
};

// Steps set one under another, their equals signs aligned.
struct Formulas {
    std::vector<FormulaLine> lines;
};

using ReportBlock = std::variant<Paragraph, ReportTable, Formulas>;

struct ReportSection {
    std::string heading;  // numbered: "1 设计依据"
    std::vector<ReportBlock> blocks;
};

// The calculation report as plain values: what it says, in order, with no
// layout but the order, the tables' columns and the notes' smaller type.
struct ReportDocument {
    std::string title;
    std::vector<HeaderEntry> header;
    std::vector<ReportSection> sections;
    std::string footerNote;  // the stringer file's name; empty when there is none
    std::string creator;     // the program's name and version
};

// The page number of every page's footer: "第 1 页 共 2 页".
std::string pageNumberText(int page, int pageCount);

}  // namespace tarrowin
