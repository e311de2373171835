#pragma once

#include "files/FileProblem.h"
#include "files/StringerEntry.h"

#include <filesystem>
#include <functional>
#include <optional>

namespace tarrowin::cli {

// What a FILE named on the command line holds, told apart by its extension
// in either case: a stringer file (.tarrowin) or a CSV of stringers (.csv).
enum class SourceKind { StringerFile, StringerCsv, Unknown };

SourceKind sourceKindOf(const std::filesystem::path& file);

// Reads the stringers of one FILE named on the command line, told apart by
// the extension (either case): a stringer file (.tarrowin), named by its
// report's member or else by its file name without the extension, or a CSV
// of stringers (.csv). Hands each stringer to `use` in order, and returns the
// problem if the file is refused as a whole. A CSV can turn out invalid after
// rows were handed out, so callers take rows back when it is refused.
std::optional<FileProblem> readStringers(const std::filesystem::path& file,
                                         const std::function<void(const StringerEntry&)>& use);

}  // namespace tarrowin::cli
