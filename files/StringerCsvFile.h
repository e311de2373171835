#pragma once

#include "files/FileProblem.h"
#include "files/StringerEntry.h"

#include <filesystem>
#include <functional>
#include <optional>

namespace tarrowin {

// Reads the CSV of stringers in a file as StringerCsvReader does, handing
// each row to `use` in order, and returns the problem if the file cannot be
// read or is refused as a whole. The file is read a part at a time, each
// part ending with a record, so that a table of millions of rows is never
// held in memory whole; a part that turns out invalid may therefore come
// after rows of the same file were handed out.
std::optional<FileProblem> readStringerCsvFile(const std::filesystem::path& path,
                                               const std::function<void(const StringerEntry&)>& use);

}  // namespace tarrowin
