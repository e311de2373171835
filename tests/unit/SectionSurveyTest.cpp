#include "survey/SectionSurvey.h"

#include "ui/model/WindowModel.h"

#include "FakeDateTime.h"
#include "SheetRecorder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tarrowin {
namespace {

using testing_support::FakeDateTimeFormat;
using testing_support::SheetRecorder;

// One row as the driver prints it: the texts of Text6, Text7, Text8 and
// Text22, the three verdict words and the three ratios.
struct ExpectedRow {
    std::string designation;
    std::vector<std::string> columns;
};

struct SurveyCase {
    const char* name;
    std::vector<std::pair<Field, std::string>> typed;
    std::optional<std::string> recommended;  // none when no section passes
    std::vector<ExpectedRow> handWorked;
    std::vector<std::string> faulting;  // sections whose calculation faults
};

std::vector<std::string> columnsOf(const SurveyRow& row)
{
    std::vector<std::string> columns;
    for (Quantity result :
         {Quantity::BendingStress, Quantity::ShearStress, Quantity::Deflection, Quantity::AllowableDeflection})
        columns.push_back(row.check.text(result));
    for (const Check& check : checks)
        columns.emplace_back(row.check.verdict(check) ? verdictWord(*row.check.verdict(check)) : "");
    for (const Check& check : checks)
        columns.push_back(utilisationText(row.check.utilisation(check)));
    return columns;
}

class SectionSurveyTest : public testing::TestWithParam<SurveyCase> {
protected:
    SectionSurveyTest()
    {
        for (const auto& [field, text] : GetParam().typed)
            model.typeInto(field, text);
    }

    // What the window shows after picking the section and pressing 计算.
    std::vector<std::string> shownAfterPicking(const std::string& designation, bool& faulted) const
    {
        WindowModel window(clock, format);
        for (const auto& [field, text] : GetParam().typed)
            window.typeInto(field, text);
        window.pickSection(designation);
        faulted = window.calculate().has_value();
        std::vector<std::string> shown;
        for (Field field : {Field::BendingStress, Field::ShearStress, Field::Deflection, Field::AllowableDeflection,
                            Field::BendingVerdict, Field::ShearVerdict, Field::DeflectionVerdict})
            shown.push_back(window.sheet().text(field));
        return shown;
    }

    FixedClock clock{LocalDateTime{2026, 12, 9, 8, 30, 0}};
    FakeDateTimeFormat format;
    WindowModel model{clock, format};
};

TEST_P(SectionSurveyTest, EachRowIsWhatTheWindowShowsForThatSection)
{
    const SectionSurvey survey = model.survey();
    ASSERT_EQ(survey.rows.size(), sectionCatalogue().size());
    for (const SurveyRow& row : survey.rows) {
        const std::string designation(row.section->designation);
        bool faulted = false;
        const std::vector<std::string> shown = shownAfterPicking(designation, faulted);
        EXPECT_EQ(row.check.fault().has_value(), faulted) << designation;
        if (faulted)
            continue;
        std::vector<std::string> columns = columnsOf(row);
        columns.resize(shown.size());  // the ratios are not on show
        EXPECT_EQ(columns, shown) << designation;
    }
}

TEST_P(SectionSurveyTest, RowsGoLightestFirstAndTheLightestThatPassesIsRecommended)
{
    const SectionSurvey survey = model.survey();
    for (std::size_t i = 1; i < survey.rows.size(); ++i)
        EXPECT_LE(survey.rows[i - 1].section->mass, survey.rows[i].section->mass) << i;
    const SurveyRow* recommended = survey.recommended();
    ASSERT_EQ(recommended != nullptr, GetParam().recommended.has_value());
    if (recommended) {
        EXPECT_EQ(recommended->section->designation, *GetParam().recommended);
        EXPECT_TRUE(recommended->passes());
        for (const SurveyRow& row : survey.rows) {
            if (&row == recommended)
                break;
            EXPECT_FALSE(row.passes()) << row.section->designation << " is lighter and passes";
        }
    }
    EXPECT_EQ(
        std::count_if(survey.rows.begin(), survey.rows.end(), [](const SurveyRow& row) { return row.recommended; }),
        recommended ? 1 : 0);
}

TEST_P(SectionSurveyTest, HandWorkedRowsAndFaults)
{
    const SectionSurvey survey = model.survey();
    const auto rowOf = [&survey](const std::string& designation) -> const SurveyRow& {
        return *std::find_if(survey.rows.begin(), survey.rows.end(),
                             [&](const SurveyRow& row) { return row.section->designation == designation; });
    };
    for (const ExpectedRow& expected : GetParam().handWorked)
        EXPECT_EQ(columnsOf(rowOf(expected.designation)), expected.columns) << expected.designation;
    for (const SurveyRow& row : survey.rows) {
        const std::string designation(row.section->designation);
        const bool faults = std::ranges::count(GetParam().faulting, designation) != 0;
        EXPECT_EQ(row.check.fault().has_value(), faults) << designation;
        if (faults) {
            EXPECT_EQ(row.check.fault(), (ArithmeticFault{FaultKind::Overflow, Quantity::Deflection})) << designation;
            EXPECT_FALSE(row.passes());
        }
    }
}

TEST_P(SectionSurveyTest, WritesNothingAndLeavesTheNextCalculationAsItWas)
{
    const FieldTexts before = model.sheet().texts();
    {
        SheetRecorder recorder(model);
        (void)model.survey();
        EXPECT_THAT(recorder.events, testing::IsEmpty());
    }
    EXPECT_EQ(model.sheet().texts(), before);

    WindowModel alone(clock, format);
    for (const auto& [field, text] : GetParam().typed)
        alone.typeInto(field, text);
    EXPECT_EQ(model.calculate(), alone.calculate());
    EXPECT_EQ(model.sheet().texts(), alone.sheet().texts());
    EXPECT_EQ(model.sheet().messageColour(), alone.sheet().messageColour());
}

INSTANTIATE_TEST_SUITE_P(
    Stringers, SectionSurveyTest,
    testing::Values(
        // The texts at start: [14a is the worked example (67.89 / 215 = 0.316,
        // 9.606 / 125 = 0.077, 4.4657 / 13.4164 = 0.333); 口150x100x3, the
        // lightest, passes too: q = 0.975 + 0.14937 + 3.9375 = 5.06187,
        // M = 5694603.75, sigma = M / 66286.5 = 85.909 (0.400).
        SurveyCase{"TextsAtStart",
                   {},
                   "口150x100x3",
                   {{"[14a",
                     {"67.89", "9.61", "4.47", "13.4164078649987", "满足", "满足", "满足", "0.316", "0.077", "0.333"}}},
                   {}},
        // qk = 14: 口150x100x3 and [14a are overstressed; [14b's deflection,
        // 13.4139 (w = 11.417), shows "13.41" within 13.4164 and reads "1.000".
        SurveyCase{
            "LightestSectionsFail",
            {{Field::LiveLoad, "14"}},
            "[14b",
            {{"口150x100x3",
              {"286.39", "29.96", "17.17", "13.4164078649987", "不满足", "满足", "不满足", "1.332", "0.240", "1.280"}},
             {"[14b",
              {"208.41", "24.45", "13.41", "13.4164078649987", "满足", "满足", "满足", "0.969", "0.196", "1.000"}}},
            {}},
        // Text20 holding "67.89": 口150x100x3 (85.91) fails; [14a's stress
        // 67.8926 shows "67.89", equal to the limit, so it passes and is the
        // lightest that does, while its ratio 1.0000376 reads "1.000".
        SurveyCase{"StressOnItsLimit",
                   {{Field::DesignStrength, "67.89"}},
                   "[14a",
                   {{"[14a",
                     {"67.89", "9.61", "4.47", "13.4164078649987", "满足", "满足", "满足", "1.000", "0.077", "0.333"}}},
                   {}},
        // A zero strength leaves no ratio: "-".
        SurveyCase{
            "NoStrength",
            {{Field::DesignStrength, "abc"}},
            std::nullopt,
            {{"[14a", {"67.89", "9.61", "4.47", "13.4164078649987", "不满足", "满足", "满足", "-", "0.077", "0.333"}}},
            {}},
        SurveyCase{"NothingPasses", {{Field::LiveLoad, "1000"}}, std::nullopt, {}, {}},
        // L = 1E77, nothing else: S^2 = 1E308, and S^2 * 5g passes the double
        // range for the two sections heavier than 35.95 kg/m.
        SurveyCase{"FaultsInHeavySections",
                   {{Field::HorizontalLength, "1E77"},
                    {Field::VerticalHeight, "0"},
                    {Field::FlightWidth, "0"},
                    {Field::DeadLoad, "0"},
                    {Field::LiveLoad, "0"}},
                   std::nullopt,
                   {},
                   {"HN300x150", "HN350x175"}}),
    [](const testing::TestParamInfo<SurveyCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarrowin
