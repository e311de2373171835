#include "ui/model/WindowModel.h"

#include "catalogue/SectionCatalogue.h"
#include "catalogue/SteelGrades.h"
#include "check/CheckComputation.h"
#include "check/Verdicts.h"

namespace tarrowin {

WindowModel::WindowModel(const Clock& clock, const DateTimeFormat& format) : clock_(clock), format_(format)
{
    attachVerdicts(sheet_);
}

void WindowModel::windowLoad()
{
    // Full-width colon, no blank after it.
    sheet_.write(Field::Label19, "现在时间：" + generalDateTimeText(clock_.now(), format_));
}

void WindowModel::pickInCombo1() { lookUpSection(sheet_); }

void WindowModel::clickOption1() { selectGradeQ235B(sheet_); }

void WindowModel::clickOption2() { selectGradeQ355B(sheet_); }

std::optional<ArithmeticFault> WindowModel::clickCommand1() { return runCheckComputation(sheet_); }

void WindowModel::clickCommand2()
{
    // Blanking a result that held text runs its verdict in between; the
    // later blanks wipe those words again. The colour stays as the verdict
    // of the deflection left it.
    for (Field field : {Field::Text6, Field::Text7, Field::Text8, Field::Text9, Field::Text10, Field::Text11,
                        Field::Text12})
        sheet_.write(field, "");
}

}  // namespace tarrowin
