// The CSV reader and the table of stringers on arbitrary bytes. Whatever a
// text holds, reading ends; and a text that is accepted, written back by the
// CSV writer and read again gives the same records, cell for cell, so that
// nothing a table held is lost or changed on its way through the tool. Every
// row of an accepted table of stringers either can be checked or says why
// not, and the check of those that can runs to its end.

#include "check/StringerCheck.h"
#include "files/CsvReader.h"
#include "files/CsvWriter.h"
#include "files/StringerCsv.h"
#include "fuzz/FuzzCheck.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

using tarrowin::fuzz::require;

std::vector<std::vector<std::string>> readAll(std::string_view text, bool& accepted)
{
    tarrowin::CsvReader reader(text);
    std::vector<std::vector<std::string>> records;
    tarrowin::CsvRecord record;
    std::size_t lastLine = 0;
    while (reader.next(record)) {
        require(record.line > lastLine, "records start on increasing lines");
        lastLine = record.line;
        require(!record.cells.empty(), "a record has at least one cell");
        records.push_back(record.cells);
    }
    accepted = !reader.problem();
    if (reader.problem())
        require(reader.problem()->line >= 1, "a problem names a line");
    return records;
}

void checkStringers(std::string_view text, std::size_t records)
{
    tarrowin::StringerCsvReader reader(text);
    tarrowin::StringerEntry entry;
    std::size_t rows = 0;
    while (reader.next(entry)) {
        ++rows;
        require(entry.line >= 2, "a row starts after the header");
        if (entry.checkable())
            [[maybe_unused]] const tarrowin::StringerCheck check(textsToCheck(entry.stringer));
    }
    if (!reader.refusal())
        require(rows + 1 == records, "every record after the header is a row");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    bool accepted = false;
    const auto records = readAll(text, accepted);
    if (!accepted)
        return 0;

    std::string written;
    tarrowin::CsvWriter writer(written);
    for (const auto& record : records) {
        for (const std::string& cell : record)
            writer.cell(cell);
        writer.endRecord();
    }
    bool acceptedAgain = false;
    const auto again = readAll(written, acceptedAgain);
    require(acceptedAgain, "what the writer writes is valid CSV", written);
    require(again == records, "written back and read again, the records are the same", written);

    checkStringers(text, records.size());
    return 0;
}
