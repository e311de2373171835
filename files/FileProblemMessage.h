#pragma once

#include "files/FileProblem.h"

#include <string>

namespace tarrowin {

// The problem as the window tells it, in Chinese: the file as it was named,
// the line and column where they are known, and what is wrong, such as
// "文件“s.tarrowin”第 2 行第 19 列：不是有效的 JSON 格式。". Why the system
// would not read or write a file is said in Chinese for the common reasons
// (no such file, no permission, no space left, a read-only file system, a
// folder, a file too large), and in the system's own words after "系统提示："
// for any other.
std::string fileProblemMessageText(const FileProblem& problem);

// Why the system would not read or write a file (CannotRead, CannotSave), as
// the message above says it: "没有访问权限", or "系统提示：" and the system's words.
std::string systemReasonText(const FileProblem& problem);

}  // namespace tarrowin
