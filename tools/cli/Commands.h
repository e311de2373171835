#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace tarrowin::cli {

class TableOutput;

// `check FILE...`: the header and one row per stringer of every file, in
// input order, written to `table` as they are checked. A file that is
// refused as a whole gives no rows; the others are still checked. Each file
// refused and each row that cannot be checked is also told on `messages`,
// naming the file and line. Returns the exit status.
int runCheck(const std::vector<std::filesystem::path>& files, TableOutput& table, std::ostream& messages);

// The same, the table appended to a text.
int runCheck(const std::vector<std::filesystem::path>& files, std::string& table, std::ostream& messages);

// `survey FILE`: the survey of the one stringer the file holds (a stringer
// file, or a CSV with exactly one row). Returns 0 when some section passes,
// 1 when none does, 2 when the file or its stringer cannot be read; the
// table is then left as it was. The table is appended to `table`.
int runSurvey(const std::filesystem::path& file, std::string& table, std::ostream& messages);

}  // namespace tarrowin::cli
