#pragma once

#include "check/ArithmeticFault.h"

#include <string>

namespace tarrowin {

// The report shown to the user after an arithmetic fault, in Chinese: the
// kind of fault and what was being computed.
std::string faultMessageText(const ArithmeticFault& fault);

// The title of the report's message box.
std::string faultMessageTitle();

}  // namespace tarrowin
