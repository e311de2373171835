#pragma once

#include "stringer/ReportHeader.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <vector>

namespace tarrowin::cli {

// `report [-o OUT] [--project ...] FILE...` when it makes a book: every
// stringer of the FILEs, read as `check` reads them, in one calculation
// book (.pdf or .odt by OUT's suffix; "-o -" writes a PDF to `out`). The
// header's entries come from `header`, else from the first stringer file's
// report object. Returns the exit status of `check` for the same FILEs; a
// FILE refused as a whole refuses the book (2, nothing written), as does an
// OUT that is not given or names neither format. Progress goes to
// `messages` when `showProgress` says so. Needs a QGuiApplication.
int runBook(const std::vector<std::filesystem::path>& files, const std::optional<std::filesystem::path>& output,
            bool toStandardOutput, const ReportHeader& header, bool showProgress, std::ostream& out,
            std::ostream& messages);

}  // namespace tarrowin::cli
