#include "files/CsvReader.h"

#include "sheet/Utf8.h"

#include <algorithm>

namespace tarrowin {
namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

std::size_t lineOfOffset(std::string_view text, std::size_t offset)
{
    std::size_t line = 1;
    for (std::size_t i = 0; i < offset; ++i)
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
            ++line;
    return line;
}

}  // namespace

CsvReader::CsvReader(std::string_view text) : text_(text)
{
    if (text_.starts_with(byteOrderMark))
        text_.remove_prefix(byteOrderMark.size());
    // Checked once up front, so that no record of a text that is not UTF-8
    // (a spreadsheet saving in a legacy code page, say) is ever handed out.
    if (const std::size_t bad = firstInvalidUtf8(text_); bad != std::string_view::npos)
        fail(lineOfOffset(text_, bad), "not UTF-8 text (save the table as CSV in UTF-8)");
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
        for (std::size_t i = 0; i < run.size(); ++i)
            if (run[i] == '\n' || (run[i] == '\r' && (i + 1 == run.size() || run[i + 1] != '\n')))
                ++line_;
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
