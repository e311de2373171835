#pragma once

#include "files/FileProblem.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace tarrowin {

// The whole content of a file, or why it cannot be read; a problem names the
// file as the path is written.
std::variant<std::string, FileProblem> readFileBytes(const std::filesystem::path& path);

// Writes the bytes to a temporary file in the file's folder and renames it
// over the file only once everything is written, so that a crash, a full disk
// or a missing permission never leaves half a file: on any failure the old
// file, if there was one, is as it was. Returns the problem if it failed.
std::optional<FileProblem> writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace tarrowin
