#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tarrowin {

// Appends CSV records, RFC 4180, to a text: each record ends in CR LF, as the
// RFC has it. A cell is written in double quotes, its quotes doubled, when it
// holds a comma, a quote, a CR or an LF, when it starts or ends with a blank
// or a tab (which some readers trim), or starts with a byte-order mark; a
// record of one empty cell is written as "" so that it is no empty line.
// Everything else is written as it is.
class CsvWriter {
public:
    explicit CsvWriter(std::string& out) : out_(out) {}

    void cell(std::string_view text);
    void endRecord();

private:
    std::string& out_;
    std::size_t cellsInRecord_ = 0;
    bool lastCellEmpty_ = false;
};

}  // namespace tarrowin
