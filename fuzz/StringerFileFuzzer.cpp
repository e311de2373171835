// The stringer file reader on arbitrary bytes. Whatever they hold, reading
// ends with a file or with a problem naming the file, never both. A file that
// is accepted holds texts that can be saved (UTF-8 throughout), and written
// out and read again it gives the same stringer, report and kept keys; the
// second writing gives the same bytes as the first, so that opening and
// saving a file again and again changes nothing.

#include "files/StringerFile.h"
#include "fuzz/FuzzCheck.h"
#include "text/Utf8.h"

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
    return 0;
}
