#include "ui/model/FaultMessage.h"

#include <gtest/gtest.h>

#include <string>

namespace tarrowin {
namespace {

struct SummaryCase {
    std::string name;
    ArithmeticFault fault;
    std::string summary;
};

class FaultSummaryTest : public testing::TestWithParam<SummaryCase> {};

TEST_P(FaultSummaryTest, NamesTheKindInShortAndWhatWasBeingComputed)
{
    EXPECT_EQ(faultSummaryInChinese(GetParam().fault), GetParam().summary);
}

// A check's quantity takes the check's Chinese name; the other quantities
// have words of their own.
INSTANTIATE_TEST_SUITE_P(
    Faults, FaultSummaryTest,
    testing::Values(
        SummaryCase{"DivisionInBendingStress", {FaultKind::DivisionByZero, Quantity::BendingStress}, "除零（计算正应力时）"},
        SummaryCase{"OverflowInShearStress", {FaultKind::Overflow, Quantity::ShearStress}, "溢出（计算剪应力时）"},
        SummaryCase{"OverflowInDeflection", {FaultKind::Overflow, Quantity::Deflection}, "溢出（计算挠度时）"},
        SummaryCase{"OverflowReadingGeometry", {FaultKind::Overflow, Quantity::InputGeometry}, "溢出（读取梯段尺寸时）"},
        SummaryCase{"DivisionInSlope", {FaultKind::DivisionByZero, Quantity::Slope}, "除零（计算斜长与坡度时）"}),
    [](const testing::TestParamInfo<SummaryCase>& info) { return info.param.name; });

}  // namespace
}  // namespace tarrowin
