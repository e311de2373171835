#include "check/SheetVerdicts.h"

#include "check/Verdict.h"
#include "sheet/FieldSheet.h"

namespace tarrowin {
namespace {

// Judged on the verdict words, not the numbers: whatever the verdict fields
// hold now, compared exactly, all of them compared.
void writeOverallMessage(FieldSheet& sheet)
{
    bool allSatisfied = true;
    for (const Check& check : checks)
        allSatisfied = isSatisfiedWord(sheet.text(check.verdict)) && allSatisfied;
    // The colour goes first, so the message never shows in the other one.
    const OverallMessage message = overallMessage(allSatisfied);
    sheet.setMessageColour(message.colour);
    sheet.write(Field::OverallMessage, message.text);
}

}  // namespace

void judgeOnSheet(FieldSheet& sheet, const Check& check)
{
    sheet.write(check.verdict, verdictWord(judge(sheet.text(check.demandField()), sheet.text(check.limit))));
    if (&check == &checks.back())
        writeOverallMessage(sheet);
}

void attachVerdicts(FieldSheet& sheet)
{
    for (const Check& check : checks)
        sheet.setChangeListener(check.demandField(), [&sheet, &check] { judgeOnSheet(sheet, check); });
}

}  // namespace tarrowin
