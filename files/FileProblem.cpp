#include "files/FileProblem.h"

namespace tarrowin {

std::string FileProblem::message() const
{
    std::string text = file;
    if (line > 0) {
        text += ':' + std::to_string(line);
        if (column > 0)
            text += ':' + std::to_string(column);
    }
    return text + ": " + what;
}

}  // namespace tarrowin
