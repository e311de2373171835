#include "catalogue/SteelGrades.h"

#include "sheet/FieldSheet.h"

namespace tarrowin {

// The strengths are kept and written as text; no number is converted.
void selectGradeQ235B(FieldSheet& sheet)
{
    sheet.write(Field::Text20, "215");
    sheet.write(Field::Text21, "125");
}

void selectGradeQ355B(FieldSheet& sheet)
{
    sheet.write(Field::Text20, "305");
    sheet.write(Field::Text21, "175");
}

}  // namespace tarrowin
