#pragma once

#include "check/Quantities.h"

namespace tarrowin {

class FieldSheet;

// The verdict step of one check on the sheet: its result on show against its
// limit, the word into its verdict field. The last check's step goes on to
// the overall message, decided on the three verdict words as they stand.
void judgeOnSheet(FieldSheet& sheet, const Check& check);

// Hangs each check's verdict step on the change notice of its result, so that
// it runs inside the write that changed the result.
void attachVerdicts(FieldSheet& sheet);

}  // namespace tarrowin
