#pragma once

#include "files/FileProblem.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarrowin {

// One record of a CSV text and the line on which it starts.
struct CsvRecord {
    std::vector<std::string> cells;
    std::size_t line = 0;  // counting from 1
};

// Reads CSV as RFC 4180 has it, one record at a time. Cells are separated by
// commas and records by line breaks (CR LF, LF, or a lone CR, which old
// spreadsheets write). A cell in double quotes may hold commas, line breaks
// (kept as they are) and quotes written twice. A quote anywhere else, text
// after a closing quote and a quote never closed make the text invalid, since
// guessing there could shift cells into the wrong columns. Empty lines between
// records are skipped. The text must be UTF-8; a byte-order mark at its start
// is skipped. Lines are counted at LF, CR LF and lone CR alike, as editors do.
class CsvReader {
public:
    explicit CsvReader(std::string_view text);

    // A later part of a text, from the start of a record on line `firstLine`
    // to the end of a record; no byte-order mark is looked for.
    CsvReader(std::string_view part, std::size_t firstLine);

    // Reads the next record into `record`, reusing its storage. False at the
    // end of the text, or when the text turns out not to be valid CSV.
    bool next(CsvRecord& record);

    // Why the text is not valid CSV, once next() has met it; the problem's
    // file is left empty.
    const std::optional<FileProblem>& problem() const { return problem_; }

private:
    bool readCell(std::string& cell);
    bool readQuotedCell(std::string& cell);
    // Steps over the line break at the current position, if any.
    bool skipLineBreak();
    bool fail(std::size_t line, std::string what);

    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t line_ = 1;
    std::optional<FileProblem> problem_;
};

}  // namespace tarrowin
