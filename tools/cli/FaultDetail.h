#pragma once

#include "check/ArithmeticFault.h"

#include <string>

namespace tarrowin::cli {

// Which fault stopped a check and what was being computed, for the detail
// column: "division-by-zero: design line load q".
std::string faultDetail(const ArithmeticFault& fault);

}  // namespace tarrowin::cli
