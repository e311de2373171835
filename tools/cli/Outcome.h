#pragma once

#include <algorithm>
#include <string_view>

namespace tarrowin::cli {

// How one stringer (or one surveyed section) came out, in the order of
// gravity that the exit status follows.
enum class Outcome {
    Satisfied,  // the message is 满足要求!
    Exceeded,   // some check is not satisfied
    Fault,      // an arithmetic fault stopped the check
    Error,      // it could not be checked at all
};

// "satisfied", "exceeded", "fault", "error": the status column's words.
std::string_view outcomeWord(Outcome outcome);

// The exit status: 0 when everything is satisfied, 1 when something is
// exceeded or faulted, 2 when something could not be checked or read, or the
// command line is wrong; the gravest wins.
enum ExitStatus { allSatisfied = 0, notAllSatisfied = 1, notAllChecked = 2 };

inline int exitStatusFor(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Satisfied: return allSatisfied;
    case Outcome::Exceeded:
    case Outcome::Fault: return notAllSatisfied;
    case Outcome::Error: break;
    }
    return notAllChecked;
}

}  // namespace tarrowin::cli
