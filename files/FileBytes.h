#pragma once

#include "files/FileProblem.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace tarrowin {

// The whole content of a file, or why it cannot be read; a problem names the
// file as the path is written.
std::variant<std::string, FileProblem> readFileBytes(const std::filesystem::path& path);

// Reads the file a block at a time, handing each block to `use` in order
// until the file ends or `use` returns false; the problem if the file cannot
// be read, as readFileBytes tells it.
std::optional<FileProblem> readFileBlocks(const std::filesystem::path& path,
                                          const std::function<bool(std::string_view)>& use);

}  // namespace tarrowin
