#pragma once

namespace tarrowin {

class FieldSheet;

// Q235B: f 215 and fv 125 N/mm2 into Text20, then Text21.
void selectGradeQ235B(FieldSheet& sheet);
// Q355B: f 305 and fv 175 N/mm2 into Text20, then Text21.
void selectGradeQ355B(FieldSheet& sheet);

}  // namespace tarrowin
