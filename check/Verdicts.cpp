#include "check/Verdicts.h"

#include "sheet/FieldSheet.h"
#include "sheet/NumberText.h"

namespace tarrowin {
namespace {

void judge(FieldSheet& sheet, Field demandField, Field limitField, Field verdictField)
{
    const double limit = parseLeadingNumber(sheet.text(limitField)).value;
    const double demand = parseLeadingNumber(sheet.text(demandField)).value;
    sheet.write(verdictField, limit >= demand ? satisfied : notSatisfied);
}

// Judged on the verdict words, not the numbers: whatever the three verdict
// fields hold now, compared exactly, all three compared.
void writeOverallMessage(FieldSheet& sheet)
{
    const bool bendingOk = sheet.text(Field::Text9) == satisfied;
    const bool shearOk = sheet.text(Field::Text10) == satisfied;
    const bool deflectionOk = sheet.text(Field::Text11) == satisfied;
    // The colour goes first, so the message never shows in the other one.
    if (bendingOk && shearOk && deflectionOk) {
        sheet.setMessageColour(magenta);
        sheet.write(Field::Text12, allSatisfiedMessage);
    } else {
        sheet.setMessageColour(red);
        sheet.write(Field::Text12, limitExceededMessage);
    }
}

}  // namespace

void judgeBendingStress(FieldSheet& sheet) { judge(sheet, Field::Text6, Field::Text20, Field::Text9); }

void judgeShearStress(FieldSheet& sheet) { judge(sheet, Field::Text7, Field::Text21, Field::Text10); }

void judgeDeflection(FieldSheet& sheet)
{
    judge(sheet, Field::Text8, Field::Text22, Field::Text11);
    writeOverallMessage(sheet);
}

void attachVerdicts(FieldSheet& sheet)
{
    sheet.setChangeListener(Field::Text6, [&sheet] { judgeBendingStress(sheet); });
    sheet.setChangeListener(Field::Text7, [&sheet] { judgeShearStress(sheet); });
    sheet.setChangeListener(Field::Text8, [&sheet] { judgeDeflection(sheet); });
}

}  // namespace tarrowin
