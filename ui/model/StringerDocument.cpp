#include "ui/model/StringerDocument.h"

#include <algorithm>
#include <cctype>

namespace tarrowin {
namespace {

bool endsWithIgnoringCase(std::string_view text, std::string_view end)
{
    return text.size() >= end.size()
           && std::equal(end.begin(), end.end(), text.end() - static_cast<std::ptrdiff_t>(end.size()),
                         [](char a, char b) { return std::tolower(static_cast<unsigned char>(a))
                                                     == std::tolower(static_cast<unsigned char>(b)); });
}

// A member such as "TL-1/2" as one file name: a separator would make it a folder.
std::string fileNameOf(std::string member)
{
    std::replace_if(member.begin(), member.end(), [](char c) { return c == '/' || c == '\\' || c == '\0'; }, '-');
    return member;
}

}  // namespace

void StringerDocument::opened(const std::filesystem::path& path, const Stringer& shown, ReportHeader report,
                              std::string otherKeys)
{
    path_ = path;
    lastStored_ = shown;
    report_ = std::move(report);
    otherKeys_ = std::move(otherKeys);
}

void StringerDocument::saved(const std::filesystem::path& path, const Stringer& shown)
{
    path_ = path;
    lastStored_ = shown;
}

std::string StringerDocument::reportFileName(const Stringer& shown) const
{
    return path_ && shown == lastStored_ ? path_->filename().string() : std::string();
}

std::filesystem::path StringerDocument::besideFile(std::string_view extension) const
{
    if (path_)
        return std::filesystem::path(*path_).replace_extension(extension);
    if (!report_.member.empty())
        return fileNameOf(report_.member + std::string(extension));
    return {};
}

std::filesystem::path StringerDocument::suggestedStringerPath() const
{
    return path_ ? *path_ : besideFile(stringerFileExtension);
}

std::filesystem::path StringerDocument::suggestedReportPath() const
{
    std::filesystem::path suggested = besideFile(reportFileExtension);
    return suggested.empty() ? std::filesystem::path("计算书.pdf") : suggested;
}

std::filesystem::path withExtension(const std::filesystem::path& path, std::string_view extension)
{
    if (path.empty() || endsWithIgnoringCase(path.filename().string(), extension))
        return path;
    return std::filesystem::path(path).concat(extension);
}

}  // namespace tarrowin
