#include "files/CsvReader.h"

#include "text/ByteOrderMark.h"
#include "text/TextPosition.h"
#include "text/Utf8.h"

#include <algorithm>

namespace tarrowin {

CsvReader::CsvReader(std::string_view text) : CsvReader(withoutByteOrderMark(text), 1) {}

CsvReader::CsvReader(std::string_view part, std::size_t firstLine) : text_(part), line_(firstLine)
{
    // Checked once up front, so that no record of a text that is not UTF-8
    // (a spreadsheet saving in a legacy code page, say) is ever handed out.
    if (const std::size_t bad = firstInvalidUtf8(text_); bad != std::string_view::npos)
        fail(firstLine - 1 + positionOf(text_, bad).line, "not UTF-8 text (save the table as CSV in UTF-8)");
}

bool CsvReader::fail(std::size_t line, std::string what)
{
    problem_ = FileProblem{{}, line, 0, std::move(what)};
    return false;
}

bool CsvReader::skipLineBreak()
{
    if (pos_ < text_.size() && text_[pos_] == '\r') {
        ++pos_;
        if (pos_ < text_.size() && text_[pos_] == '\n')
            ++pos_;
    } else if (pos_ < text_.size() && text_[pos_] == '\n') {
        ++pos_;
    } else {
        return false;
    }
    ++line_;
    return true;
}

bool CsvReader::next(CsvRecord& record)
{
    if (problem_)
        return false;
    while (skipLineBreak()) {
    }
    if (pos_ == text_.size())
        return false;

    record.line = line_;
    std::size_t used = 0;
    for (;;) {
        if (used == record.cells.size())
            record.cells.emplace_back();
        std::string& cell = record.cells[used++];
        cell.clear();
        if (!readCell(cell))
            return false;
        if (pos_ < text_.size() && text_[pos_] == ',') {
            ++pos_;
            continue;
        }
        skipLineBreak();
        break;
    }
    record.cells.resize(used);
    return true;
}

bool CsvReader::readCell(std::string& cell)
{
    if (pos_ < text_.size() && text_[pos_] == '"')
        return readQuotedCell(cell);
    const std::size_t start = pos_;
    while (pos_ < text_.size()) {
        const char c = text_[pos_];
        if (c == ',' || c == '\r' || c == '\n')
            break;
        if (c == '"')
            return fail(line_, "a quote inside a cell that does not start with one (quote the whole cell and "
                               "write the quote twice)");
        ++pos_;
    }
    cell.assign(text_.substr(start, pos_ - start));
    return true;
}

bool CsvReader::readQuotedCell(std::string& cell)
{
    const std::size_t startLine = line_;
    ++pos_;  // the opening quote
    for (;;) {
        const std::size_t quote = text_.find('"', pos_);
        if (quote == std::string_view::npos)
            return fail(startLine, "a quoted cell that is never closed");
        const std::string_view run = text_.substr(pos_, quote - pos_);
        cell.append(run);
        line_ += lineBreaksIn(run);
        // A CR right before the quote was counted as a lone CR above, which it is.
        pos_ = quote + 1;
        if (pos_ < text_.size() && text_[pos_] == '"') {
            cell.push_back('"');
            ++pos_;
            continue;
        }
        break;
    }
    if (pos_ < text_.size() && text_[pos_] != ',' && text_[pos_] != '\r' && text_[pos_] != '\n')
        return fail(line_, "text after the closing quote of a cell");
    return true;
}

}  // namespace tarrowin
