#pragma once

#include "report/document/ReportRequest.h"

#include <filesystem>
#include <optional>
#include <string>

namespace tarrowin {

// Every report the window writes goes through here, so that a new format
// needs only a new branch on the path's extension: .odt writes OpenDocument
// Text, any other a PDF.
// Writes the stringer's calculation report at the path, or writes nothing
// and returns why, in Chinese, ready to show. Needs a QGuiApplication.
std::optional<std::string> writeReportFile(const ReportRequest& request, const std::filesystem::path& path);

}  // namespace tarrowin
