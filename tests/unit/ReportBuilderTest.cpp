#include "report/document/ReportBuilder.h"
#include "report/document/ReportNumbers.h"
#include "report/document/ReportText.h"

#include "FakeDateTime.h"
#include "check/FaultWords.h"
#include "ui/model/WindowModel.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace tarrowin {
namespace {

using testing::HasSubstr;
using testing::Not;
using testing_support::FakeDateTimeFormat;

constexpr CalendarDate reportDay{2026, 12, 8};

ReportRequest requestFor(const Stringer& stringer)
{
    return ReportRequest{stringer, ReportHeader{}, "", reportDay};
}

Stringer stringerAtStart() { return stringerFrom(FieldTexts(), Grade::Q235B); }

ReportDocument documentOf(const ReportRequest& request)
{
    auto built = buildReport(request);
    if (const ArithmeticFault* fault = std::get_if<ArithmeticFault>(&built))
        ADD_FAILURE() << "the check faulted: " << faultKindName(fault->kind);
    return std::get<ReportDocument>(std::move(built));
}

const ReportSection& sectionHeaded(const ReportDocument& document, std::string_view heading)
{
    for (const ReportSection& section : document.sections)
        if (section.heading == heading)
            return section;
    throw std::runtime_error("no section " + std::string(heading));
}

std::vector<FormulaLine> steps(const ReportDocument& document)
{
    for (const ReportBlock& block : sectionHeaded(document, "3 计算过程").blocks)
        if (const Formulas* formulas = std::get_if<Formulas>(&block))
            return formulas->lines;
    return {};
}

const ReportTable& firstTable(const ReportSection& section)
{
    for (const ReportBlock& block : section.blocks)
        if (const ReportTable* table = std::get_if<ReportTable>(&block))
            return *table;
    throw std::runtime_error("no table in " + section.heading);
}

std::vector<std::string> stepTexts(const ReportDocument& document)
{
    std::vector<std::string> texts;
    for (const FormulaLine& line : steps(document))
        texts.push_back(formulaLineText(line));
    return texts;
}

// ---------------------------------------------------------------------------
// Working values: six significant digits, worked out by hand.

struct WorkingValueCase {
    double value;
    const char* text;
    friend std::ostream& operator<<(std::ostream& out, const WorkingValueCase& c)
    {
        char shortest[32];
        return out << std::string_view(shortest, std::to_chars(shortest, shortest + sizeof shortest, c.value).ptr);
    }
};

class WorkingValueTextTest : public testing::TestWithParam<WorkingValueCase> {};

TEST_P(WorkingValueTextTest, ShowsSixSignificantDigits)
{
    EXPECT_EQ(workingValueText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    HandRounded, WorkingValueTextTest,
    testing::Values(WorkingValueCase{750, "750"}, WorkingValueCase{0.145, "0.145"},
                    // Ls of the worked example, 3354.10196...: the sixth digit is a zero.
                    WorkingValueCase{3354.1019662496847, "3354.1"},
                    WorkingValueCase{0.8944271909999159, "0.894427"},
                    WorkingValueCase{123456.75, "123457"},
                    // From a million up, a power of ten: S = 1.125E7.
                    WorkingValueCase{11250000, "1.125×10⁷"},
                    // S² = 126562500000000 lies exactly halfway: the even 2 stays.
                    WorkingValueCase{126562500000000, "1.26562×10¹⁴"},
                    // Rounds up to a seventh digit, so the next power of ten.
                    WorkingValueCase{999999.7, "1×10⁶"}, WorkingValueCase{0.00123456789, "0.00123457"},
                    WorkingValueCase{0.000123456, "1.23456×10⁻⁴"}, WorkingValueCase{-0.5, "-0.5"},
                    WorkingValueCase{0, "0"}, WorkingValueCase{-0.0, "0"}));

// A computed limit beside its demand: six significant digits unless the
// written numbers would then compare otherwise than the values do.
struct LimitCase {
    const char* label;
    double limit;
    double demand;  // as the verdict reads the demand's two-decimal text
    const char* text;
    friend std::ostream& operator<<(std::ostream& out, const LimitCase& c) { return out << c.label; }
};

class LimitValueTextTest : public testing::TestWithParam<LimitCase> {};

TEST_P(LimitValueTextTest, ReadsTheWayTheVerdictGoes)
{
    const LimitCase& c = GetParam();
    const std::string text = limitValueText(c.limit, c.demand);
    EXPECT_EQ(text, c.text);
    // What a reader compares: the demand against the number written.
    double written = 0;
    std::from_chars(text.data(), text.data() + text.size(), written);
    if (text.find("×10") == std::string::npos) {
        EXPECT_EQ(written >= c.demand, c.limit >= c.demand) << text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Borderline, LimitValueTextTest,
    testing::Values(
        // The worked example: [δ] = 3354.1019662496847 / 250, far above δ.
        LimitCase{"far_above", 13.416407864998739, 4.47, "13.4164"},
        // 4993 / 250 exactly, against a δ just above it and one just below.
        LimitCase{"six_digits_below", 19.972, 19.98, "19.972"},
        LimitCase{"six_digits_above", 19.972, 19.97, "19.972"},
        LimitCase{"equal_passes", 19.98, 19.98, "19.98"},
        // Six digits give 19.9800, equal to δ, and δ passes: that reads right.
        LimitCase{"just_above_passes", 19.9800001, 19.98, "19.98"},
        // Six digits would give "19.98 > 19.98": it takes nine to show why δ fails.
        LimitCase{"just_below_fails", 19.9799999, 19.98, "19.9799999"},
        // The double just below 19.98 needs all seventeen digits.
        LimitCase{"one_step_below_fails", 19.979999999999997, 19.98, "19.979999999999997"},
        LimitCase{"far_below_fails", 19.98, 19.99, "19.98"},
        // A long deflection: six digits round 12345.649 down to 12345.6, under
        // δ = 12345.64 that it passes, and round 12345.64 itself down too.
        LimitCase{"rounds_down_under_a_demand_it_passes", 12345.649, 12345.64, "12345.65"},
        LimitCase{"equal_with_seven_digits", 12345.64, 12345.64, "12345.64"},
        // Six digits round 12345.66 up to 12345.7, over δ = 12345.67 that it fails.
        LimitCase{"rounds_up_over_a_demand_it_fails", 12345.66, 12345.67, "12345.66"},
        // Beyond a million the power of ten stays, with the digits it needs.
        LimitCase{"power_of_ten", 1234567.4, 1234567.5, "1.234567×10⁶"}));

struct ReadingCase {
    const char* text;
    bool asWritten;
    friend std::ostream& operator<<(std::ostream& out, const ReadingCase& c)
    {
        out << '"';
        for (const char* each = c.text; *each; ++each)
            out << (*each == '\r' ? "\\r" : std::string(1, *each));
        return out << '"';
    }
};

class ReadsAsWrittenTest : public testing::TestWithParam<ReadingCase> {};

TEST_P(ReadsAsWrittenTest, TellsATextThatIsWhollyOneNumber)
{
    EXPECT_EQ(readsAsWritten(GetParam().text), GetParam().asWritten) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadsAsWrittenTest,
    testing::Values(ReadingCase{"1.0", true}, ReadingCase{"-3.5", true}, ReadingCase{" 2E3", true},
                    // The parse skips blanks inside a number: 1500.
                    ReadingCase{"1 500", true}, ReadingCase{"5.", true}, ReadingCase{".5", true},
                    ReadingCase{"+5", true}, ReadingCase{"1D3", true}, ReadingCase{"1,500", false},
                    ReadingCase{"12.5kN", false}, ReadingCase{"", false}, ReadingCase{"&H10", false},
                    ReadingCase{"1.5.2", false}, ReadingCase{"1e", false}, ReadingCase{"-", false},
                    ReadingCase{"Text22", false}, ReadingCase{"1\r", false}));

TEST(OperandTextTest, BracketsNegativeNumbersAndPowersOfTen)
{
    EXPECT_EQ(operandText("750"), "750");
    EXPECT_EQ(operandText("-3000"), "(-3000)");
    EXPECT_EQ(operandText("1.125×10⁷"), "(1.125×10⁷)");
    EXPECT_EQ(operandText("1.5E+15"), "(1.5E+15)");
}

TEST(RichTextTest, NotationSetsLettersAfterAnUnderscoreAsASubscript)
{
    const RichText text = RichText::notation("M / (γ_x × W_x)_");
    const std::vector<TextRun> expected = {{"M / (γ", RunStyle::Normal},
                                           {"x", RunStyle::Subscript},
                                           {" × W", RunStyle::Normal},
                                           {"x", RunStyle::Subscript},
                                           {")_", RunStyle::Normal}};
    EXPECT_EQ(text.runs(), expected);
    EXPECT_EQ(RichText::plain("W_x").runs(), (std::vector<TextRun>{{"W_x", RunStyle::Normal}}));
}

// ---------------------------------------------------------------------------
// The computation, step by step.

TEST(ReportStepsTest, WorkTheExampleOutWithItsNumbers)
{
    // The worked example's doubles: a 750, g 0.145, q 5.101, w 3.52,
    // S 11250000, Ls 3354.1019662496847, c 0.8944271909999159; [δ]
    // 13.4164078649987 to six digits, and the window's texts 5738625,
    // 6843.70965193586, 67.89, 9.61, 4.47.
    const std::vector<std::string> expected = {
        "a = B × 0.5 = 1500 × 0.5 = 750 mm",
        "g = m × 0.01 = 14.5 × 0.01 = 0.145 N/mm",
        "q = a × 1.3 × gk / 1000 + g × 1.3 + a × 1.5 × qk / 1000"
        " = 750 × 1.3 × 1 / 1000 + 0.145 × 1.3 + 750 × 1.5 × 3.5 / 1000 = 5.101 N/mm",
        "w = gk × a / 1000 + g + a × qk / 1000 = 1 × 750 / 1000 + 0.145 + 750 × 3.5 / 1000 = 3.52 N/mm",
        "S = L² + H² = 3000² + 1500² = 1.125×10⁷ mm²",
        "Ls = √S = √(1.125×10⁷) = 3354.1 mm",
        "cos α = L / Ls = 3000 / 3354.1 = 0.894427",
        "[δ] = Ls / 250 = 3354.1 / 250 = 13.4164 mm",
        "M = q / 8 × L² = 5.101 / 8 × 3000² = 5738625 N·mm",
        "V = q / 2 × L × cos α = 5.101 / 2 × 3000 × 0.894427 = 6843.70965193586 N",
        "σ = M / (γx × Wx) = 5738625 / (1.05 × 80500) = 67.89 N/mm²",
        "τ = V × Sx / (tw × Ix) = 6843.70965193586 × 47500 / (6 × 5640000) = 9.61 N/mm²",
        "δ = S² × (5 × w × cos α) / (384 × E) / Ix"
        " = (1.125×10⁷)² × (5 × 3.52 × 0.894427) / (384 × 206000) / 5640000 = 4.47 mm",
    };
    EXPECT_EQ(stepTexts(documentOf(requestFor(stringerAtStart()))), expected);
}

TEST(ReportStepsTest, BracketANegativeLengthWhereverItIsUsed)
{
    // L = -3000 turns the sign of c, which stays in δ: -4.47.
    Stringer stringer = stringerAtStart();
    stringer.texts[Field::HorizontalLength] = "-3000";
    const std::vector<std::string> texts = stepTexts(documentOf(requestFor(stringer)));
    ASSERT_EQ(texts.size(), 13u);
    EXPECT_EQ(texts[4], "S = L² + H² = (-3000)² + 1500² = 1.125×10⁷ mm²");
    EXPECT_EQ(texts[6], "cos α = L / Ls = (-3000) / 3354.1 = -0.894427");
    EXPECT_EQ(texts[12], "δ = S² × (5 × w × cos α) / (384 × E) / Ix"
                         " = (1.125×10⁷)² × (5 × 3.52 × (-0.894427)) / (384 × 206000) / 5640000 = -4.47 mm");
}

// ---------------------------------------------------------------------------
// The report's results are the window's: the same stringer entered into the
// window model and calculated there.

struct WindowCase {
    const char* name;
    const char* section;
    Grade grade;
    std::array<const char*, 5> inputs;  // L, H, B, gk, qk as typed
    friend std::ostream& operator<<(std::ostream& out, const WindowCase& c) { return out << c.name; }
};

class ReportAgreesWithWindowTest : public testing::TestWithParam<WindowCase> {
protected:
    const FixedClock clock{LocalDateTime{2026, 12, 8, 9, 30, 0}};
    const FakeDateTimeFormat format;
};

TEST_P(ReportAgreesWithWindowTest, ResultsVerdictsAndMessageAreTheWindowsTexts)
{
    const WindowCase& entered = GetParam();
    WindowModel model(clock, format);
    model.load();
    model.pickSection(entered.section);
    model.chooseGrade(entered.grade);
    for (std::size_t i = 0; i < inputFields.size(); ++i)
        model.typeInto(inputFields[i], entered.inputs[i]);
    ASSERT_FALSE(model.calculate());
    const FieldSheet& window = model.sheet();

    const ReportDocument document = documentOf(requestFor(model.stringer()));
    std::size_t shownResults = 0;
    for (const FormulaLine& line : steps(document)) {
        if (!line.shownIn)
            continue;
        ++shownResults;
        EXPECT_EQ(line.result, window.text(*line.shownIn)) << fieldName(*line.shownIn);
    }
    // All but the allowable deflection, which the window never shows and the
    // report writes to six digits.
    EXPECT_EQ(shownResults, results.size() - 1);

    const ReportTable& summary = firstTable(sectionHeaded(document, "5 验算结论"));
    ASSERT_EQ(summary.rows.size(), checks.size());
    for (std::size_t i = 0; i < checks.size(); ++i) {
        EXPECT_THAT(summary.rows[i][1].text(), testing::StartsWith(window.text(checks[i].demandField()) + " "));
        EXPECT_EQ(summary.rows[i][4].text(), window.text(checks[i].verdict));
    }
    EXPECT_THAT(reportText(document), HasSubstr("结论：" + window.text(Field::OverallMessage) + "\n"));
}

INSTANTIATE_TEST_SUITE_P(
    Stringers, ReportAgreesWithWindowTest,
    testing::Values(WindowCase{"WorkedExample", "[14a", Grade::Q235B, {"3000", "1500", "1500", "1.0", "3.5"}},
                    // Twice the span: σ 271.57 and δ 71.45 exceed their limits.
                    WindowCase{"TooLong", "[14a", Grade::Q235B, {"6000", "3000", "1500", "1.0", "3.5"}},
                    WindowCase{"TypedTexts", "HN250x125", Grade::Q355B, {"4,200", "1 800", "1,500", "1.5kN", "3.5"}},
                    WindowCase{"BoxUnderHeavyLoad", "口200x100x4", Grade::Q355B, {"4800", "2400", "1600", "2.5", "12"}},
                    WindowCase{"NegativeLength", "[14a", Grade::Q235B, {"-3000", "1500", "1500", "1.0", "3.5"}}),
    [](const testing::TestParamInfo<WindowCase>& info) { return info.param.name; });

// ---------------------------------------------------------------------------
// Inputs as typed and as read.

struct InputCase {
    Field field;
    const char* text;
    const char* row;  // the row of the inputs table, its cells joined by tabs
    bool noted;       // whether the note under the table quotes the text
    friend std::ostream& operator<<(std::ostream& out, const InputCase& c) { return out << '"' << c.text << '"'; }
};

class ReportInputsTest : public testing::TestWithParam<InputCase> {};

TEST_P(ReportInputsTest, ShowTheTextTheValueReadAndSaySoWhereTheyDiffer)
{
    Stringer stringer = stringerAtStart();
    stringer.texts[GetParam().field] = GetParam().text;
    const std::string text = reportText(documentOf(requestFor(stringer)));
    EXPECT_THAT(text, HasSubstr("\n" + std::string(GetParam().row) + "\n"));
    if (GetParam().noted)
        EXPECT_THAT(text, HasSubstr("\n注：输入不是一个完整的数时，计算取其开头的数，如“" + std::string(GetParam().text)));
    else
        EXPECT_THAT(text, Not(HasSubstr("注：输入不是一个完整的数")));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReportInputsTest,
    testing::Values(InputCase{Field::FlightWidth, "1,500", "梯段宽度\tB\t1,500\t1\tmm\t取开头的数", true},
                    InputCase{Field::LiveLoad, "3.5kN/m2", "活荷载标准值\tqk\t3.5kN/m2\t3.5\tkN/m²\t取开头的数", true},
                    InputCase{Field::VerticalHeight, "", "垂直高度\tH\t\t0\tmm\t未填写，取 0", false},
                    InputCase{Field::DeadLoad, "1.0", "恒荷载标准值\tgk\t1.0\t1\tkN/m²\t", false},
                    InputCase{Field::HorizontalLength, "3 000", "水平长度\tL\t3 000\t3000\tmm\t", false},
                    InputCase{Field::SectionMass, "1.45E1", "截面每米质量\tm\t1.45E1\t14.5\tkg/m\t", false}));

TEST(ReportInputsTest, TheNoteQuotesTheFirstTextNotReadAsWritten)
{
    Stringer stringer = stringerAtStart();
    stringer.texts[Field::SecondMomentOfArea] = "5,640,000";
    stringer.texts[Field::LiveLoad] = "3.5kN";
    EXPECT_THAT(reportText(documentOf(requestFor(stringer))),
                HasSubstr("\n注：输入不是一个完整的数时，计算取其开头的数，如“5,640,000”读作 5。\n"));
}

TEST(ReportInputsTest, SayWhenTheSectionsNameDoesNotMatchItsProperties)
{
    Stringer typed = stringerAtStart();
    typed.texts[Field::SectionDesignation] = "[14";
    EXPECT_THAT(reportText(documentOf(requestFor(typed))),
                HasSubstr("注：截面“[14”不在截面目录中，计算采用上表所列的截面特性。"));

    Stringer otherRow = stringerAtStart();
    otherRow.texts[Field::SectionDesignation] = "[14b";
    EXPECT_THAT(reportText(documentOf(requestFor(otherRow))),
                HasSubstr("注：上表的截面特性与截面目录中“[14b”的不同，计算采用上表所列的数值。"));

    EXPECT_THAT(reportText(documentOf(requestFor(stringerAtStart()))), Not(HasSubstr("截面目录中")));
}

TEST(ReportInputsTest, ShowTheGradeAndTheStrengthsItGives)
{
    const std::string text = reportText(documentOf(requestFor(stringerFrom(FieldTexts(), Grade::Q355B))));
    EXPECT_THAT(text, HasSubstr("\n材质\t\tQ355B\t\t\t\n"));
    EXPECT_THAT(text, HasSubstr("\n抗弯强度设计值\tf\t305\t305\tN/mm²\t\n"));
    EXPECT_THAT(text, HasSubstr("\n抗剪强度设计值\tfv\t175\t175\tN/mm²\t\n"));
}

// ---------------------------------------------------------------------------
// Header, checks and conclusion.

TEST(ReportHeaderTest, LeavesRoomToSignAndDatesTheReportToday)
{
    ReportRequest request = requestFor(stringerAtStart());
    request.header = {"鑫淼大厦", "LT-2", "欧阳翀", "", "", ""};
    request.stringerFileName = "一层楼梯.tarrowin";
    const ReportDocument document = documentOf(request);
    const std::string text = reportText(document);
    EXPECT_THAT(text, testing::StartsWith("钢楼梯斜梁验算计算书\n工程名称：鑫淼大厦\n构件：LT-2\n日期：2026年12月8日\n"
                                          "计算程序：Tarrowin 1.0\n设计：欧阳翀\n校对：________\n审核：________\n"));
    EXPECT_EQ(document.footerNote, "一层楼梯.tarrowin");
    EXPECT_EQ(document.creator, "Tarrowin 1.0");
    EXPECT_EQ(pageNumberText(1, 2), "第 1 页 共 2 页");

    request.header.date = "2027-01-05";
    EXPECT_THAT(reportText(documentOf(request)), HasSubstr("\n日期：2027-01-05\n"));
}

TEST(ReportChecksTest, StateEachCheckWithItsLimitRatioAndVerdict)
{
    // σ/f = 67.8926/215 = 0.316, τ/fv = 9.6063/125 = 0.077,
    // δ/[δ] = 4.4657/13.4164 = 0.333.
    const std::string text = reportText(documentOf(requestFor(stringerAtStart())));
    EXPECT_THAT(text, HasSubstr("\n正应力\t式 (6.1.1)\tσ = 67.89 N/mm² ≤ f = 215 N/mm²\tσ / f = 0.316\t满足\n"));
    EXPECT_THAT(text, HasSubstr("\n剪应力\t式 (6.1.3)\tτ = 9.61 N/mm² ≤ fv = 125 N/mm²\tτ / fv = 0.077\t满足\n"));
    EXPECT_THAT(text, HasSubstr("\n挠度\t表 B.1.1\tδ = 4.47 mm ≤ [δ] = 13.4164 mm\tδ / [δ] = 0.333\t满足\n"));
    EXPECT_THAT(text, HasSubstr("\n正应力 σ\t67.89 N/mm²\t215 N/mm²\t0.316\t满足\n"));
    EXPECT_THAT(text, HasSubstr("\n挠度 δ\t4.47 mm\t13.4164 mm\t0.333\t满足\n"));
    EXPECT_THAT(text, HasSubstr("GB 50017-2017《钢结构设计标准》"));
}

TEST(ReportConclusionTest, NamesTheLightestSectionThatPassesWhenThisOneDoesNot)
{
    // Twice the worked example's span on [14a: σ = 4.5E6 × 5.101 / 84525
    // = 271.57 > 215. Of the lighter sections all bend too far; HN200x100
    // (20.9 kg/m) is the first to pass: δ = 1.14483E8 × 3.584 / 18100000
    // = 22.67 ≤ 6708.2 / 250 = 26.83, σ = 122.75, τ = 13.98.
    Stringer tooLong = stringerAtStart();
    tooLong.texts[Field::HorizontalLength] = "6000";
    tooLong.texts[Field::VerticalHeight] = "3000";
    const std::string text = reportText(documentOf(requestFor(tooLong)));
    EXPECT_THAT(text, HasSubstr("σ = 271.57 N/mm² > f = 215 N/mm²"));
    EXPECT_THAT(text, HasSubstr("\n结论：超限,请重选截面!\n"));
    EXPECT_THAT(text, HasSubstr("\n截面优选：同一梯段、荷载与材质下，满足要求的最轻截面为 HN200x100（20.9 kg/m）。\n"));

    Stringer hopeless = tooLong;
    hopeless.texts[Field::HorizontalLength] = "30000";
    EXPECT_THAT(reportText(documentOf(requestFor(hopeless))),
                HasSubstr("\n截面优选：截面目录中的 19 个截面在同一梯段、荷载与材质下均不满足要求。\n"));

    EXPECT_THAT(reportText(documentOf(requestFor(stringerAtStart()))), Not(HasSubstr("截面优选")));
}

struct FaultCase {
    Field field;
    const char* text;
    ArithmeticFault fault;
    friend std::ostream& operator<<(std::ostream& out, const FaultCase& c)
    {
        return out << fieldName(c.field) << " \"" << c.text << '"';
    }
};

class ReportFaultTest : public testing::TestWithParam<FaultCase> {};

TEST_P(ReportFaultTest, AFaultMakesNoReport)
{
    Stringer stringer = stringerAtStart();
    stringer.texts[GetParam().field] = GetParam().text;
    if (GetParam().field == Field::VerticalHeight)
        stringer.texts[Field::HorizontalLength] = "";
    const auto built = buildReport(requestFor(stringer));
    ASSERT_TRUE(std::holds_alternative<ArithmeticFault>(built));
    EXPECT_EQ(std::get<ArithmeticFault>(built), GetParam().fault);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ReportFaultTest,
    testing::Values(
        // L and H both empty: c = 0 / 0.
        FaultCase{Field::VerticalHeight, "", {FaultKind::Overflow, Quantity::Slope}},
        FaultCase{Field::SectionModulus, "", {FaultKind::DivisionByZero, Quantity::BendingStress}},
        FaultCase{Field::WebThickness, "0", {FaultKind::DivisionByZero, Quantity::ShearStress}},
        FaultCase{Field::DeadLoad, "1E400", {FaultKind::Overflow, Quantity::InputLoads}}));

}  // namespace
}  // namespace tarrowin
