#include "files/CsvWriter.h"

#include "text/ByteOrderMark.h"

namespace tarrowin {
namespace {

bool needsQuotes(std::string_view text)
{
    if (text.empty())
        return false;
    // A plain loop: find_first_of calls memchr once for every character.
    for (const char c : text)
        if (c == ',' || c == '"' || c == '\r' || c == '\n')
            return true;
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    return isBlank(text.front()) || isBlank(text.back()) || text.starts_with(byteOrderMark);
}

}  // namespace

void CsvWriter::cell(std::string_view text)
{
    if (cellsInRecord_ > 0)
        out_ += ',';
    ++cellsInRecord_;
    lastCellEmpty_ = text.empty();
    if (!needsQuotes(text)) {
        out_ += text;
        return;
    }
    out_ += '"';
    for (std::size_t start = 0;;) {
        const std::size_t quote = text.find('"', start);
        if (quote == std::string_view::npos) {
            out_ += text.substr(start);
            break;
        }
        out_ += text.substr(start, quote + 1 - start);
        out_ += '"';
        start = quote + 1;
    }
    out_ += '"';
}

void CsvWriter::endRecord()
{
    if (cellsInRecord_ == 1 && lastCellEmpty_)
        out_ += "\"\"";
    out_ += "\r\n";
    cellsInRecord_ = 0;
}

}  // namespace tarrowin
