#pragma once

#include "files/FileProblem.h"

#include <string>

namespace tarrowin {

// The problem as the window tells it, in Chinese: the file as it was named,
// the line and column where they are known, and what is wrong, such as
// "文件“s.tarrowin”第 2 行第 19 列：不是有效的 JSON 格式。". Words that come
// from the system (why a file could not be read or written) are the
// system's own, in the user's language where the system has it.
std::string fileProblemMessageText(const FileProblem& problem);

}  // namespace tarrowin
