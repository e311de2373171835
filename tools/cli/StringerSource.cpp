#include "tools/cli/StringerSource.h"

#include "files/StringerCsvFile.h"
#include "files/StringerFile.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace tarrowin::cli {
namespace {

bool hasExtension(const std::filesystem::path& file, std::string_view extension)
{
    std::string own = file.extension().string();
    std::transform(own.begin(), own.end(), own.begin(), [](unsigned char c) { return std::tolower(c); });
    return own == extension;
}

std::optional<FileProblem> readStringerFileEntry(const std::filesystem::path& file,
                                                 const std::function<void(const StringerEntry&)>& use)
{
    StringerFileReading reading = readStringerFile(file);
    if (reading.problem)
        return reading.problem;
    StringerEntry entry;
    entry.name = reading.file->report.member.empty() ? file.stem().string() : reading.file->report.member;
    entry.stringer = std::move(reading.file->stringer);
    entry.gradeText = steelGrade(entry.stringer.grade).name;
    use(entry);
    return std::nullopt;
}

}  // namespace

SourceKind sourceKindOf(const std::filesystem::path& file)
{
    if (hasExtension(file, ".tarrowin"))
        return SourceKind::StringerFile;
    if (hasExtension(file, ".csv"))
        return SourceKind::StringerCsv;
    return SourceKind::Unknown;
}

std::optional<FileProblem> readStringers(const std::filesystem::path& file,
                                         const std::function<void(const StringerEntry&)>& use)
{
    switch (sourceKindOf(file)) {
    case SourceKind::StringerFile: return readStringerFileEntry(file, use);
    case SourceKind::StringerCsv: return readStringerCsvFile(file, use);
    case SourceKind::Unknown: break;
    }
    return FileProblem{file.string(), 0, 0, "neither a stringer file (.tarrowin) nor a CSV of stringers (.csv)"};
}

}  // namespace tarrowin::cli
