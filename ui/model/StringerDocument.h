#pragma once

#include "stringer/ReportHeader.h"
#include "stringer/Stringer.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tarrowin {

// The stringer file the window works on in this run, if any: where it lies,
// what the file keeps besides the stringer (the report header and the keys a
// later version wrote, both written back on saving), and the stringer as it
// was last opened or saved, which tells whether there is anything to save.
class StringerDocument {
public:
    // A file was opened; `shown` is the stringer the window shows after it.
    void opened(const std::filesystem::path& path, const Stringer& shown, ReportHeader report, std::string otherKeys);
    // The window's stringer was saved under the path, which is now the file's.
    void saved(const std::filesystem::path& path, const Stringer& shown);

    bool hasFile() const { return path_.has_value(); }
    // The file's path; empty when no file was opened or saved.
    std::filesystem::path path() const { return path_.value_or(std::filesystem::path()); }

    const ReportHeader& reportHeader() const { return report_; }
    // The header last entered for a report; the next save writes it.
    void keepReportHeader(ReportHeader header) { report_ = std::move(header); }
    const std::string& otherKeys() const { return otherKeys_; }

    // Whether leaving the window's stringer should offer to save it: only
    // once a file was opened or saved in this run, and only when the stringer
    // (section texts, grade, inputs) differs from the one opened or saved.
    // Before that the window keeps nothing, and leaving it asks nothing.
    bool offersToSave(const Stringer& shown) const { return path_ && shown != lastStored_; }

    // The file's name for the footer of a report on the stringer shown: only
    // while the file holds that stringer, so that a report never names a file
    // whose numbers differ from its own. Empty otherwise.
    std::string reportFileName(const Stringer& shown) const;

    // What the save dialog suggests: the file itself; else the member (构件)
    // of the report header as a name in the working folder; else nothing.
    std::filesystem::path suggestedStringerPath() const;
    // What the report's save dialog suggests: the file's name with ".pdf"
    // beside it; else the member's; else "计算书.pdf".
    std::filesystem::path suggestedReportPath() const;

private:
    std::filesystem::path besideFile(std::string_view extension) const;

    std::optional<std::filesystem::path> path_;
    Stringer lastStored_;
    ReportHeader report_;
    std::string otherKeys_;
};

inline constexpr std::string_view stringerFileExtension = ".tarrowin";
inline constexpr std::string_view reportFileExtension = ".pdf";

// The path with the extension added unless its name already ends in it, in
// any case: "TL-1.2" becomes "TL-1.2.tarrowin", "a.TARROWIN" stays.
std::filesystem::path withExtension(const std::filesystem::path& path, std::string_view extension);

}  // namespace tarrowin
