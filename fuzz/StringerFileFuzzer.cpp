// The stringer file reader on arbitrary bytes. Whatever they hold, reading
// ends with a file or with a problem naming the file, never both. A file that
// is accepted holds texts that can be saved (UTF-8 throughout), and written
// out and read again it gives the same stringer, report and kept keys; the
// second writing gives the same bytes as the first, so that opening and
// saving a file again and again changes nothing. What is written with one of
// its lines given twice, at the top or inside an object, is refused, naming
// the key and the line of the copy.

#include "files/StringerFile.h"
#include "fuzz/FuzzCheck.h"
#include "text/Utf8.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using tarrowin::fuzz::require;

void requireUtf8(const tarrowin::StringerFile& file)
{
    for (tarrowin::Field field : tarrowin::stringerFields)
        require(tarrowin::isValidUtf8(file.stringer.texts[field]), "every text read is UTF-8");
    const tarrowin::ReportHeader& r = file.report;
    for (const std::string* entry : {&r.project, &r.member, &r.designer, &r.checker, &r.reviewer, &r.date})
        require(tarrowin::isValidUtf8(*entry), "every report entry read is UTF-8");
}

// The written text with the line of the key, at that indent and after the
// line that opens its object, given twice.
void requireRefusedWithLineTwice(const std::string& written, const std::string& opening, const std::string& indent,
                                 const std::string& key, const std::string& path)
{
    const std::string start = "\n" + indent + "\"" + key + "\": ";
    const std::size_t at = written.find(start, written.find(opening));
    require(at != std::string::npos, "every key is written", written);
    const std::size_t end = written.find('\n', at + 1);
    std::string twice = written;
    twice.insert(end, written.substr(at, end - at));
    // The copy stands on the line after the original's.
    const auto line = static_cast<std::size_t>(std::count(written.begin(), written.begin() + at, '\n')) + 3;

    const tarrowin::StringerFileReading read = tarrowin::parseStringerFile(twice, "twice.tarrowin");
    require(!read.file && read.problem, "a key given twice is refused", twice);
    require(read.problem->kind == tarrowin::FileProblemKind::DuplicateKey && read.problem->subject == path
                && read.problem->line == line && read.problem->column == indent.size() + 1,
            "the refusal names the key and where the copy stands", read.problem->message());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const tarrowin::StringerFileReading read = tarrowin::parseStringerFile(bytes, "fuzz.tarrowin");
    require(read.file.has_value() != read.problem.has_value(), "a file or a problem, never both");
    if (read.problem) {
        require(read.problem->file == "fuzz.tarrowin" && !read.problem->what.empty(), "a problem names the file");
        return 0;
    }
    requireUtf8(*read.file);

    const std::string written = tarrowin::stringerFileText(*read.file);
    const tarrowin::StringerFileReading again = tarrowin::parseStringerFile(written, "again.tarrowin");
    require(again.file.has_value(), "what is written reads again",
            again.problem ? again.problem->message() : std::string{});
    require(*again.file == *read.file, "written and read again, the file is the same", written);
    require(tarrowin::stringerFileText(*again.file) == written, "writing it again gives the same bytes", written);
    requireRefusedWithLineTwice(written, "{\n", "    ", "section", "section");
    requireRefusedWithLineTwice(written, "\n    \"section_properties\": {\n", "        ", "mass",
                                "section_properties.mass");
    return 0;
}
