#include "check/FaultWords.h"

#include <gtest/gtest.h>

#include <string>

namespace tarrowin {
namespace {

struct WordsCase {
    std::string name;
    ArithmeticFault fault;
    std::string detail;   // English, for the command line
    std::string summary;  // Chinese, for a table cell
};

class FaultWordsTest : public testing::TestWithParam<WordsCase> {};

TEST_P(FaultWordsTest, NameTheKindAndWhatWasBeingComputed)
{
    EXPECT_EQ(faultDetail(GetParam().fault), GetParam().detail);
    EXPECT_EQ(faultSummaryInChinese(GetParam().fault), GetParam().summary);
}

// A result's quantity takes the result's names; a stage before the first
// result has words of its own.
INSTANTIATE_TEST_SUITE_P(
    Faults, FaultWordsTest,
    testing::Values(
        WordsCase{"DivisionInBendingStress", {FaultKind::DivisionByZero, Quantity::BendingStress},
                  "division-by-zero: bending stress", "除零（计算正应力时）"},
        WordsCase{"OverflowInShearStress", {FaultKind::Overflow, Quantity::ShearStress}, "overflow: shear stress",
                  "溢出（计算剪应力时）"},
        WordsCase{"OverflowInDeflection", {FaultKind::Overflow, Quantity::Deflection}, "overflow: deflection",
                  "溢出（计算挠度时）"},
        WordsCase{"DivisionInMoment", {FaultKind::DivisionByZero, Quantity::BendingMoment},
                  "division-by-zero: bending moment M", "除零（计算弯矩M时）"},
        WordsCase{"OverflowReadingGeometry", {FaultKind::Overflow, Quantity::InputGeometry},
                  "overflow: reading the flight geometry", "溢出（读取梯段尺寸时）"},
        WordsCase{"DivisionInSlope", {FaultKind::DivisionByZero, Quantity::Slope},
                  "division-by-zero: inclined length and slope cosine", "除零（计算斜长与坡度时）"}),
    [](const testing::TestParamInfo<WordsCase>& info) { return info.param.name; });

TEST(FaultMessageTest, SaysWhatStoppedAndThatTheInputsAreKept)
{
    EXPECT_EQ(faultMessageText({FaultKind::DivisionByZero, Quantity::DesignLineLoad}),
              "运行时错误：除数为零（计算设计线荷载时）。\n计算已中止，已输入的数据均保留，请检查输入后重新计算。");
}

}  // namespace
}  // namespace tarrowin
