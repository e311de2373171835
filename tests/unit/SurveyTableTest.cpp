// 截面优选 as the dialog shows it: each row the survey's own, failures
// flagged, sort values that order numbers as numbers, and the two lines above
// the table.
#include "ui/model/SurveyTable.h"

#include "ui/model/WindowModel.h"

#include "FakeDateTime.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace tarrowin {
namespace {

using testing::ElementsAreArray;
using testing_support::FakeDateTimeFormat;

enum class Inputs {
    AtStart,         // the window's texts at start: the worked example's flight and loads
    LiveLoad20,      // qk = 20: the light sections fail, 口200x100x4 is the lightest that passes
    LiveLoad200,     // qk = 200: every section fails
    ShearOverflows,  // V·Sx beyond the double range for the two deepest H sections
    StressAtLimit,   // f = 67.89: [14a's 67.8926 shows "67.89" and passes, its ratio reads "1.000"
};

std::vector<std::pair<Field, std::string>> typedFor(Inputs inputs)
{
    switch (inputs) {
    case Inputs::AtStart: return {};
    case Inputs::LiveLoad20: return {{Field::LiveLoad, "20"}};
    case Inputs::LiveLoad200: return {{Field::LiveLoad, "200"}};
    case Inputs::ShearOverflows:
        return {{Field::HorizontalLength, "1"},
                {Field::VerticalHeight, "0"},
                {Field::FlightWidth, "2"},
                {Field::LiveLoad, "1e306"}};
    case Inputs::StressAtLimit: return {{Field::DesignStrength, "67.89"}};
    }
    return {};
}

// Column by column: section, mass, then for each check its result, verdict
// and ratio, the allowable deflection before the deflection's verdict, and
// the remark.
enum Column : std::size_t {
    Designation, Mass, Bending, BendingVerdict, BendingRatio, Shear, ShearVerdict, ShearRatio,
    Deflection, AllowableDeflection, DeflectionVerdict, DeflectionRatio, Remark, ColumnCount
};

// A window model with the grade chosen first and the texts typed after it:
// choosing a grade writes the strength fields, and a typed strength must stand.
class WindowWithTexts {
public:
    explicit WindowWithTexts(const std::vector<std::pair<Field, std::string>>& typed, Grade grade = Grade::Q235B)
    {
        if (grade != model.selectedGrade())
            model.chooseGrade(grade);
        for (const auto& [field, text] : typed)
            model.typeInto(field, text);
    }
    explicit WindowWithTexts(Inputs inputs) : WindowWithTexts(typedFor(inputs)) {}

    FixedClock clock{LocalDateTime{2026, 12, 9, 8, 30, 0}};
    FakeDateTimeFormat format;
    WindowModel model{clock, format};
};

std::vector<std::string> textsOf(const SurveyTable::Row& row)
{
    std::vector<std::string> texts;
    for (const SurveyTable::Cell& cell : row.cells)
        texts.push_back(cell.text);
    return texts;
}

const SurveyTable::Row* rowOf(const SurveyTable& table, std::string_view designation)
{
    const auto found = std::ranges::find(table.rows, designation, &SurveyTable::Row::designation);
    return found == table.rows.end() ? nullptr : &*found;
}

// --- Rows worked by hand -----------------------------------------------------

struct HandWorkedRow {
    const char* name;
    Inputs inputs;
    std::vector<std::string> cells;
    std::optional<std::string> recommended;
};

void PrintTo(const HandWorkedRow& row, std::ostream* out) { *out << row.name; }

class SurveyTableRowTest : public testing::TestWithParam<HandWorkedRow> {};

TEST_P(SurveyTableRowTest, ShowsWhatTheWindowWouldShow)
{
    const WindowWithTexts window(GetParam().inputs);
    const SurveyTable table = window.model.surveyTable();

    ASSERT_EQ(table.columns.size(), std::size_t(ColumnCount));
    ASSERT_EQ(table.rows.size(), sectionCatalogue().size());
    const SurveyTable::Row* row = rowOf(table, GetParam().cells.front());
    ASSERT_NE(row, nullptr);
    EXPECT_THAT(textsOf(*row), ElementsAreArray(GetParam().cells));
    ASSERT_EQ(table.recommendedRow.has_value(), GetParam().recommended.has_value());
    if (table.recommendedRow) {
        EXPECT_EQ(table.rows[*table.recommendedRow].designation, *GetParam().recommended);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sections, SurveyTableRowTest,
    testing::Values(
        // 口150x100x3, 11.49 kg/m, the lightest: q = 0.975 + 1.3 x 0.1149 + 3.9375
        // = 5.06187 N/mm, M = 3000² x q / 8 = 5694604, sigma = M / (1.05 x 63130)
        // = 85.91 (0.400 of 215); V = q/2 x 3000 x 0.894427 = 6791.2, tau = V x
        // 37600 / (6 x 4734800) = 8.99 (0.072 of 125); w = 0.75 + 0.1149 + 2.625 =
        // 3.4899, delta = 11.25e6² x 5w x 0.894427 / 79104000 / 4734800 = 5.27
        // (0.393 of 3354.10 / 250 = 13.4164).
        HandWorkedRow{"TheLightestPasses",
                      Inputs::AtStart,
                      {"口150x100x3", "11.49", "85.91", "满足", "0.400", "8.99", "满足", "0.072", "5.27",
                       "13.4164078649987", "满足", "0.393", "推荐"},
                      "口150x100x3"},
        // [14a, second lightest: the worked example 67.8926, 9.6063 and 4.4657,
        // that is 0.316 of 215, 0.077 of 125 and 0.333 of 13.4164.
        HandWorkedRow{"TheWorkedExampleNotRecommended",
                      Inputs::AtStart,
                      {"[14a", "14.5", "67.89", "满足", "0.316", "9.61", "满足", "0.077", "4.47", "13.4164078649987",
                       "满足", "0.333", ""},
                      "口150x100x3"},
        // qk = 200, HN350x175 (largest Wx): q = 0.975 + 1.3 x 0.494 + 225 = 226.6172,
        // sigma = 9e6 x q / 8 / (1.05 x 771000) = 314.921 > 215 (1.465); tau =
        // q/2 x 3000 x 0.894427 x 420420 / (7 x 135e6) = 135.264 > 125 (1.082);
        // w = 0.75 + 0.494 + 150, delta = 8.0162 (0.597 of 13.4164). Every other
        // section has a smaller Wx and nearly the same q, so none passes.
        HandWorkedRow{"NonePasses",
                      Inputs::LiveLoad200,
                      {"HN350x175", "49.4", "314.92", "不满足", "1.465", "135.26", "不满足", "1.082", "8.02",
                       "13.4164078649987", "满足", "0.597", ""},
                      std::nullopt},
        // L = 1, H = 0, a = 1: q = 1.5 x 1e306 / 1000 = 1.5e303, M = q / 8, V = q / 2
        // = 7.5e302. For HN300x150 V x Sx = 7.5e302 x 261030 = 1.96e308 is past
        // the double range, so the run stops in the shear stress; sigma = 1.875e302
        // / (1.05 x 481000) = 3.7125e296 and the allowable deflection 1/250 stand.
        HandWorkedRow{"AFaultStopsTheRunInTheShearStress",
                      Inputs::ShearOverflows,
                      {"HN300x150", "36.7", "3.71250371250371E+296", "不满足", ">999.999", "", "", "", "", "0.004", "",
                       "", "溢出（计算剪应力时）"},
                      std::nullopt}),
    [](const testing::TestParamInfo<HandWorkedRow>& info) { return std::string(info.param.name); });

// --- Every cell against the survey -------------------------------------------

class SurveyTableCellsTest : public testing::TestWithParam<Inputs> {};

TEST_P(SurveyTableCellsTest, EveryCellIsTheSurveysText)
{
    const WindowWithTexts window(GetParam());
    const SectionSurvey survey = window.model.survey();
    const SurveyTable table = window.model.surveyTable();

    ASSERT_EQ(table.rows.size(), survey.rows.size());
    for (std::size_t i = 0; i < survey.rows.size(); ++i) {
        const SurveyRow& expected = survey.rows[i];
        const SurveyTable::Row& row = table.rows[i];
        SCOPED_TRACE(row.designation);
        ASSERT_EQ(row.cells.size(), std::size_t(ColumnCount));
        EXPECT_EQ(row.designation, expected.section->designation);
        EXPECT_EQ(row.cells[Designation].text, expected.section->designation);
        EXPECT_EQ(row.cells[Mass].text, expected.massText);
        for (const auto& [column, quantity] : {std::pair{Bending, Quantity::BendingStress},
                                              std::pair{Shear, Quantity::ShearStress},
                                              std::pair{Deflection, Quantity::Deflection},
                                              std::pair{AllowableDeflection, Quantity::AllowableDeflection}})
            EXPECT_EQ(row.cells[column].text, expected.check.text(quantity));
        const Column verdictColumns[] = {BendingVerdict, ShearVerdict, DeflectionVerdict};
        const Column ratioColumns[] = {BendingRatio, ShearRatio, DeflectionRatio};
        for (std::size_t c = 0; c < checks.size(); ++c) {
            const auto verdict = expected.check.verdict(checks[c]);
            EXPECT_EQ(row.cells[verdictColumns[c]].text, verdict ? std::string(verdictWord(*verdict)) : "");
            EXPECT_EQ(row.cells[ratioColumns[c]].text,
                      verdict ? utilisationText(expected.check.utilisation(checks[c])) : "");
        }
        const std::string& remark = row.cells[Remark].text;
        EXPECT_EQ(remark.empty(), !expected.recommended && !expected.check.fault());
        EXPECT_EQ(remark == "推荐", expected.recommended);
        EXPECT_EQ(remark.starts_with("溢出"), expected.check.fault().has_value());
        EXPECT_EQ(table.recommendedRow == i, expected.recommended);
    }
}

INSTANTIATE_TEST_SUITE_P(Stringers, SurveyTableCellsTest,
                         testing::Values(Inputs::AtStart, Inputs::LiveLoad20, Inputs::ShearOverflows));

// --- What fails --------------------------------------------------------------

struct FailFlag {
    Inputs inputs;
    const char* designation;
    Column column;
    bool fails;
};

void PrintTo(const FailFlag& flag, std::ostream* out)
{
    *out << flag.designation << ", column " << int(flag.column) << (flag.fails ? " fails" : " passes");
}

class SurveyTableFailureTest : public testing::TestWithParam<FailFlag> {};

TEST_P(SurveyTableFailureTest, FailuresAreFlagged)
{
    const WindowWithTexts window(GetParam().inputs);
    const SurveyTable table = window.model.surveyTable();
    const SurveyTable::Row* row = rowOf(table, GetParam().designation);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->cells[GetParam().column].fails, GetParam().fails);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, SurveyTableFailureTest,
    testing::Values(
        // [14a at qk = 20: sigma 314.95 (1.465 of 215) and delta 20.17 (1.503 of
        // 13.4164) fail, tau 44.56 (0.357 of 125) passes.
        FailFlag{Inputs::LiveLoad20, "[14a", BendingVerdict, true},
        FailFlag{Inputs::LiveLoad20, "[14a", BendingRatio, true},
        FailFlag{Inputs::LiveLoad20, "[14a", ShearVerdict, false},
        FailFlag{Inputs::LiveLoad20, "[14a", ShearRatio, false},
        FailFlag{Inputs::LiveLoad20, "[14a", DeflectionVerdict, true},
        FailFlag{Inputs::LiveLoad20, "[14a", DeflectionRatio, true},
        // Results, designations and masses never fail, even over their limit.
        FailFlag{Inputs::LiveLoad20, "[14a", Bending, false},
        FailFlag{Inputs::LiveLoad20, "[14a", Deflection, false},
        FailFlag{Inputs::LiveLoad20, "[14a", Designation, false},
        FailFlag{Inputs::LiveLoad20, "[14a", Mass, false},
        FailFlag{Inputs::LiveLoad20, "[14a", Remark, false},
        // A fault is a failure too; the checks it never reached are not.
        FailFlag{Inputs::ShearOverflows, "HN350x175", Remark, true},
        FailFlag{Inputs::ShearOverflows, "HN350x175", ShearVerdict, false},
        FailFlag{Inputs::ShearOverflows, "HN350x175", ShearRatio, false},
        // 67.8926 / 67.89 = 1.0000376 reads "1.000": not above 1, as its verdict says.
        FailFlag{Inputs::StressAtLimit, "[14a", BendingVerdict, false},
        FailFlag{Inputs::StressAtLimit, "[14a", BendingRatio, false},
        // 85.909 / 67.89 = 1.265.
        FailFlag{Inputs::StressAtLimit, "口150x100x3", BendingRatio, true}));

TEST(SurveyTableTest, TheRecommendedSectionFailsNowhere)
{
    // 口200x100x4 at qk = 20 passes every check: sigma 204.85 is 0.953 of 215.
    const WindowWithTexts window(Inputs::LiveLoad20);
    const SurveyTable table = window.model.surveyTable();
    const SurveyTable::Row* row = rowOf(table, "口200x100x4");
    ASSERT_NE(row, nullptr);
    for (const SurveyTable::Cell& cell : row->cells)
        EXPECT_FALSE(cell.fails) << cell.text;
    EXPECT_EQ(row->cells[Remark].text, "推荐");
}

// --- Sorting -----------------------------------------------------------------

// The designations in the order a sort by the column's values shows them; the
// sort is stable, as a view's is, so equal values keep the survey's order.
std::vector<std::string> sortedBy(const SurveyTable& table, Column column, bool ascending)
{
    std::vector<std::size_t> order(table.rows.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::ranges::stable_sort(order, [&](std::size_t a, std::size_t b) {
        const double left = table.rows[a].cells[column].sortValue;
        const double right = table.rows[b].cells[column].sortValue;
        return ascending ? left < right : right < left;
    });
    std::vector<std::string> designations;
    for (std::size_t row : order)
        designations.push_back(table.rows[row].designation);
    return designations;
}

struct SortCase {
    const char* name;
    Inputs inputs;
    Column column;
    bool ascending;
    std::vector<std::string> first;
    std::vector<std::string> last;
};

void PrintTo(const SortCase& sort, std::ostream* out) { *out << sort.name; }

class SurveyTableSortTest : public testing::TestWithParam<SortCase> {};

TEST_P(SurveyTableSortTest, SortsByValue)
{
    const WindowWithTexts window(GetParam().inputs);
    const std::vector<std::string> shown =
        sortedBy(window.model.surveyTable(), GetParam().column, GetParam().ascending);
    const std::vector<std::string>& first = GetParam().first;
    const std::vector<std::string>& last = GetParam().last;
    ASSERT_GE(shown.size(), first.size() + last.size());
    EXPECT_EQ(std::vector(shown.begin(), shown.begin() + std::ptrdiff_t(first.size())), first);
    EXPECT_EQ(std::vector(shown.end() - std::ptrdiff_t(last.size()), shown.end()), last);
}

INSTANTIATE_TEST_SUITE_P(
    Columns, SurveyTableSortTest,
    testing::Values(
        // At start sigma runs from 7.72 (HN350x175) and 12.01 (HN300x150) up to
        // 85.91 (口150x100x3); as texts "12.01" would come before "7.72".
        SortCase{"StressAscendingAsNumbers", Inputs::AtStart, Bending, true,
                 {"HN350x175", "HN300x150", "HN250x125"}, {"[14a", "口150x100x3"}},
        SortCase{"StressDescending", Inputs::AtStart, Bending, false, {"口150x100x3", "[14a"},
                 {"HN300x150", "HN350x175"}},
        // Ratios 0.036 (HN350x175) to 0.400 (口150x100x3).
        SortCase{"RatioAscending", Inputs::AtStart, BendingRatio, true, {"HN350x175", "HN300x150"}, {"口150x100x3"}},
        // Designations in the picker's order; as texts "HN…" would come before "[…".
        SortCase{"DesignationsInCatalogueOrder", Inputs::AtStart, Designation, true, {"[14a", "[14b", "[16a"},
                 {"口200x100x4", "口250x150x5"}},
        // Heaviest first: 49.4, 36.7 and 31.4 kg/m down to 14.5 and 11.49.
        SortCase{"MassDescending", Inputs::AtStart, Mass, false, {"HN350x175", "HN300x150", "[25b"},
                 {"[14a", "口150x100x3"}},
        // qk = 20: sigma = 1.125e6 x q / (1.05 Wx) with q = 23.475 + 0.013 x
        // mass, so every section with Wx below about 118300 fails in bending:
        // 口150x100x3, [14a, [14b, [16a and [16b (217.32 for Wx 117000).
        // 满足 comes first, the lighter first as in the survey.
        SortCase{"VerdictsFromSatisfiedToNot", Inputs::LiveLoad20, BendingVerdict, true,
                 {"口200x100x4", "[18a", "HN200x100"}, {"口150x100x3", "[14a", "[14b", "[16a", "[16b"}},
        // The recommendation first, then the rows without a remark.
        SortCase{"RecommendationFirst", Inputs::LiveLoad20, Remark, true, {"口200x100x4", "口150x100x3", "[14a"}, {}},
        // Faults beyond every other remark: first going down.
        SortCase{"FaultsBeyondEveryRemark", Inputs::ShearOverflows, Remark, false,
                 {"HN300x150", "HN350x175", "口150x100x3"}, {}},
        // The two faulted rows have no shear stress: it sorts beyond every
        // number, last going up and first going down, the lighter first as
        // in the survey.
        SortCase{"NoValueSortsBeyondEveryNumber", Inputs::ShearOverflows, Shear, true, {},
                 {"HN300x150", "HN350x175"}},
        SortCase{"NoRatioSortsBeyondEveryRatio", Inputs::ShearOverflows, ShearRatio, false,
                 {"HN300x150", "HN350x175"}, {}},
        // Nor do they reach a shear verdict: beyond 满足 and 不满足.
        SortCase{"NoVerdictSortsBeyondEveryVerdict", Inputs::ShearOverflows, ShearVerdict, false,
                 {"HN300x150", "HN350x175"}, {}}),
    [](const testing::TestParamInfo<SortCase>& info) { return std::string(info.param.name); });

// --- Columns -----------------------------------------------------------------

TEST(SurveyTableTest, ColumnsLineUpByWhatTheyHold)
{
    const WindowWithTexts window(Inputs::AtStart);
    const SurveyTable table = window.model.surveyTable();
    using enum SurveyTable::Alignment;
    const std::vector<SurveyTable::Alignment> expected{Text,   Number, Number, Word,   Number, Number, Word,
                                                       Number, Number, Number, Word,   Number, Text};
    std::vector<SurveyTable::Alignment> alignments;
    for (const SurveyTable::Column& column : table.columns)
        alignments.push_back(column.alignment);
    EXPECT_EQ(alignments, expected);
    // The mass column holds the masses as the lookup writes them: 口150x100x3
    // is the lightest at 11.49 kg/m.
    EXPECT_EQ(table.massColumn, std::size_t(Mass));
    EXPECT_EQ(table.rows.front().cells[table.massColumn].text, "11.49");
}

// --- The lines above the table -----------------------------------------------

struct BasisCase {
    const char* name;
    std::vector<std::pair<Field, std::string>> typed;
    Grade grade;
    std::string basis;
};

void PrintTo(const BasisCase& basis, std::ostream* out) { *out << basis.name; }

class SurveyTableBasisTest : public testing::TestWithParam<BasisCase> {};

TEST_P(SurveyTableBasisTest, RepeatsTheInputsAndGrade)
{
    const WindowWithTexts window(GetParam().typed, GetParam().grade);
    EXPECT_EQ(window.model.surveyTable().basisLine, GetParam().basis);
}

// The line with the length as given and everything else at start.
std::string basisWithLength(const std::string& length)
{
    return "计算条件：水平长度 " + length
           + " mm，垂直高度 1500 mm，梯段宽度 1500 mm，恒荷载标准值 1.0 kN/m2，活荷载标准值 3.5 kN/m2，"
             "材质 Q235B（f = 215，fv = 125 N/mm2）。";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SurveyTableBasisTest,
    testing::Values(
        BasisCase{"TextsAtStart", {}, Grade::Q235B,
                  "计算条件：水平长度 3000 mm，垂直高度 1500 mm，梯段宽度 1500 mm，恒荷载标准值 1.0 kN/m2，"
                  "活荷载标准值 3.5 kN/m2，材质 Q235B（f = 215，fv = 125 N/mm2）。"},
        // The texts as typed, not as numbers; Q355B's strengths are 305 and 175.
        BasisCase{"TypedTextsAndQ355B",
                  {{Field::HorizontalLength, "3,600"}, {Field::LiveLoad, ""}},
                  Grade::Q355B,
                  "计算条件：水平长度 3,600 mm，垂直高度 1500 mm，梯段宽度 1500 mm，恒荷载标准值 1.0 kN/m2，"
                  "活荷载标准值  kN/m2，材质 Q355B（f = 305，fv = 175 N/mm2）。"},
        // 24 characters: the first 19 and an ellipsis.
        BasisCase{"ALongTextCut",
                  {{Field::HorizontalLength, "3000 mm measured on site"}},
                  Grade::Q235B,
                  basisWithLength("3000 mm measured on…")},
        // Exactly 20 characters fit.
        BasisCase{"TwentyCharactersKept",
                  {{Field::HorizontalLength, "12345678901234567890"}},
                  Grade::Q235B,
                  basisWithLength("12345678901234567890")},
        // 21 Chinese characters of three bytes each: 19 of them are kept
        // whole, not 19 bytes.
        BasisCase{"CharactersNotBytes",
                  {{Field::HorizontalLength, "三千毫米一二三四五六七八九十一二三四五六七"}},
                  Grade::Q235B,
                  basisWithLength("三千毫米一二三四五六七八九十一二三四五…")},
        // U+1D7D1 (𝟑, four bytes, two UTF-16 units) as the 19th character
        // of 22 is kept whole before the ellipsis.
        BasisCase{"AFourByteCharacterAtTheCutKeptWhole",
                  {{Field::HorizontalLength, "123456789012345678𝟑000"}},
                  Grade::Q235B,
                  basisWithLength("123456789012345678𝟑…")},
        // 20 characters, four of them four bytes long: they fit.
        BasisCase{"FourByteCharactersCountOnce",
                  {{Field::HorizontalLength, "𝟑𝟎𝟎𝟎 mm, measured on"}},
                  Grade::Q235B,
                  basisWithLength("𝟑𝟎𝟎𝟎 mm, measured on")},
        // The strengths are the user's texts as well.
        BasisCase{"LongStrengthsCut",
                  {{Field::DesignStrength, "215 N/mm2 as agreed with"}, {Field::DesignShearStrength, "125 "}},
                  Grade::Q235B,
                  "计算条件：水平长度 3000 mm，垂直高度 1500 mm，梯段宽度 1500 mm，恒荷载标准值 1.0 kN/m2，"
                  "活荷载标准值 3.5 kN/m2，材质 Q235B（f = 215 N/mm2 as agreed…，fv = 125  N/mm2）。"}),
    [](const testing::TestParamInfo<BasisCase>& info) { return std::string(info.param.name); });

struct ConclusionCase {
    const char* name;
    Inputs inputs;
    std::string conclusion;
    std::optional<std::size_t> recommendedRow;
};

void PrintTo(const ConclusionCase& conclusion, std::ostream* out) { *out << conclusion.name; }

class SurveyTableConclusionTest : public testing::TestWithParam<ConclusionCase> {};

TEST_P(SurveyTableConclusionTest, NamesTheRecommendation)
{
    const WindowWithTexts window(GetParam().inputs);
    const SurveyTable table = window.model.surveyTable();
    EXPECT_EQ(table.conclusionLine, GetParam().conclusion);
    EXPECT_EQ(table.recommendedRow, GetParam().recommendedRow);
}

INSTANTIATE_TEST_SUITE_P(
    Surveys, SurveyTableConclusionTest,
    testing::Values(
        // At start the lightest section, 口150x100x3, passes (sigma 85.91 of 215).
        ConclusionCase{"TheLightestPasses", Inputs::AtStart, "推荐截面：口150x100x3，满足全部验算的最轻截面。", 0},
        // qk = 20: 口200x100x4 (18.34 kg/m, sigma 204.85 of 215) is the lightest
        // that passes; the four lighter sections (11.49, 14.5, 16.7 and 17.2
        // kg/m) fail in bending.
        ConclusionCase{"AHeavierSectionPasses", Inputs::LiveLoad20, "推荐截面：口200x100x4，满足全部验算的最轻截面。",
                       4},
        // qk = 200: even HN350x175 has sigma 314.92 > 215.
        ConclusionCase{"NonePasses", Inputs::LiveLoad200, "没有截面满足全部验算。", std::nullopt}),
    [](const testing::TestParamInfo<ConclusionCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarrowin
