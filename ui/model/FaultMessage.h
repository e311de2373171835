#pragma once

#include "check/FaultWords.h"

#include <string>

namespace tarrowin {

// The title of the window's message box; its text is check/'s
// faultMessageText.
std::string faultMessageTitle();

}  // namespace tarrowin
