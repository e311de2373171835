#include "tools/cli/Outcome.h"

namespace tarrowin::cli {

std::string_view outcomeWord(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Satisfied: return "satisfied";
    case Outcome::Exceeded: return "exceeded";
    case Outcome::Fault: return "fault";
    case Outcome::Error: break;
    }
    return "error";
}

}  // namespace tarrowin::cli
