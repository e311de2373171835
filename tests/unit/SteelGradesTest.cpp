#include "catalogue/SteelGrades.h"

#include "sheet/FieldSheet.h"

#include "SheetRecorder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tarrowin {
namespace {

using testing::ElementsAre;
using testing_support::SheetRecorder;

// Q235B: f 215, fv 125; Q355B: f 305, fv 175 (N/mm2), written as these texts.
TEST(SteelGrades, WriteTheStrengthOfTheGradeThenItsShearStrengthAndNothingElse)
{
    FieldSheet sheet;
    SheetRecorder recorder(sheet);
    selectGrade(sheet, Grade::Q355B);
    selectGrade(sheet, Grade::Q235B);
    EXPECT_THAT(recorder.events, ElementsAre("Text20=305", "Text21=175", "Text20=215", "Text21=125"));
}

// Grade names in a file or a table of stringers are matched exactly.
TEST(SteelGrades, AreNamedExactly)
{
    EXPECT_EQ(gradeNamed("Q235B"), Grade::Q235B);
    EXPECT_EQ(gradeNamed("Q355B"), Grade::Q355B);
    for (const char* name : {"q235b", "Q235B ", "Q235", "Q345B", ""})
        EXPECT_EQ(gradeNamed(name), std::nullopt) << name;
}

}  // namespace
}  // namespace tarrowin
