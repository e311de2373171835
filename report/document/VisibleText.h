#pragma once

#include "report/document/ReportDocument.h"

#include <string>
#include <string_view>

namespace tarrowin {

// The text with every character that a reader cannot see, and that a PDF or
// an XML file must not hold raw, replaced by U+FFFD: C0 and C1 controls
// (tab and line feed too, since a cell or a name is one line), DEL, the
// non-characters U+FFFE and U+FFFF, and each byte of bad UTF-8, which is how
// a lone surrogate arrives. What is left is valid UTF-8 of visible text.
std::string visibleText(std::string_view text);

// The same for every text of the document, what the engineer typed and the
// program's own words alike, so that no renderer meets a control character.
void makeVisible(ReportDocument& document);

}  // namespace tarrowin
