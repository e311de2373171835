// The calculate action on the window model, without a window, next to the
// pieces it is made of: the arithmetic alone, reading the inputs, writing the
// result texts, and the verdicts; and the survey of every section. The run ends with the ratio of the whole
// action to its arithmetic, which says where the time of a click goes.

#include "bench/MedianReporter.h"
#include "check/SheetCalculation.h"
#include "check/Calculation.h"
#include "check/Verdict.h"
#include "check/SheetVerdicts.h"
#include "sheet/FieldSheet.h"
#include "sheet/NumberText.h"
#include "ui/model/WindowModel.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

namespace tarrowin {
namespace {

// The fields the calculation reads, in the order it reads them.
constexpr std::array<Field, 10> inputFields
    = {Field::HorizontalLength,  Field::VerticalHeight,     Field::FlightWidth,    Field::DeadLoad,
       Field::LiveLoad,          Field::SecondMomentOfArea, Field::SectionModulus, Field::WebThickness,
       Field::FirstMomentOfArea, Field::SectionMass};

StringerInputs inputsAtStart() { return readStringerInputs(FieldTexts()); }

class NoonClock final : public Clock {
public:
    LocalDateTime now() const override { return {2026, 6, 1, 12, 0, 0}; }
};

class PlainFormat final : public DateTimeFormat {
public:
    std::string shortDate(const LocalDateTime&) const override { return "2026/6/1"; }
    std::string longTime(const LocalDateTime&) const override { return "12:00:00"; }
};

// The arithmetic of one calculation on the default inputs, already parsed.
void CheckArithmetic(benchmark::State& state)
{
    const StringerInputs inputs = inputsAtStart();
    if (calculateStringer(inputs).fault) {
        state.SkipWithError("the default inputs fault");
        return;
    }
    for (auto _ : state) {
        StringerInputs copy = inputs;
        benchmark::DoNotOptimize(copy);
        StringerOutcome outcome = calculateStringer(copy);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(CheckArithmetic);

// A click on 计算 on the model: blanking, reading, arithmetic, the six result
// writes and the verdicts they set off, message and colour included.
void CalculateAction(benchmark::State& state)
{
    const NoonClock clock;
    const PlainFormat format;
    WindowModel model(clock, format);
    model.load();
    if (model.calculate() || model.sheet().text(Field::OverallMessage) != overallMessage(true).text) {
        state.SkipWithError("the default calculation does not end satisfied");
        return;
    }
    // Every click blanks the results first, so each one writes and judges
    // everything anew: no iteration is cheaper than the first.
    for (auto _ : state) {
        auto fault = model.calculate();
        benchmark::DoNotOptimize(fault);
    }
}
BENCHMARK(CalculateAction);

// The ten leading-number reads the calculation starts with.
void ReadInputs(benchmark::State& state)
{
    const FieldSheet sheet;
    for (auto _ : state) {
        for (Field field : inputFields) {
            ParsedNumber number = parseLeadingNumber(sheet.text(field));
            benchmark::DoNotOptimize(number);
        }
    }
}
BENCHMARK(ReadInputs);

// The six result texts: three unrounded, three rounded to two decimals.
void FormatResults(benchmark::State& state)
{
    const StringerValues values = calculateStringer(inputsAtStart()).values;
    for (auto _ : state) {
        std::string allowable = generalNumberText(values.allowableDeflection);
        std::string moment = generalNumberText(values.moment);
        std::string shear = generalNumberText(values.shearForce);
        std::string bending = twoDecimalText(values.bendingStress);
        std::string shearStress = twoDecimalText(values.shearStress);
        std::string deflection = twoDecimalText(values.deflection);
        benchmark::DoNotOptimize(allowable);
        benchmark::DoNotOptimize(moment);
        benchmark::DoNotOptimize(shear);
        benchmark::DoNotOptimize(bending);
        benchmark::DoNotOptimize(shearStress);
        benchmark::DoNotOptimize(deflection);
    }
}
BENCHMARK(FormatResults);

// The three verdicts and the overall message on results already on show.
void Verdicts(benchmark::State& state)
{
    FieldSheet sheet;
    sheet.write(Field::BendingStress, "67.89");
    sheet.write(Field::ShearStress, "9.61");
    sheet.write(Field::Deflection, "4.47");
    sheet.write(Field::AllowableDeflection, "13.4164078649987");
    for (auto _ : state) {
        for (const Check& check : checks)
            judgeOnSheet(sheet, check);
        // Blank the verdicts so that every round really writes them.
        for (Field field :
             {Field::BendingVerdict, Field::ShearVerdict, Field::DeflectionVerdict, Field::OverallMessage})
            sheet.write(field, "");
    }
}
BENCHMARK(Verdicts);

// 截面优选 on the model: all 19 sections checked for the texts at start, rows
// sorted and the lightest passing one marked.
void Survey(benchmark::State& state)
{
    const NoonClock clock;
    const PlainFormat format;
    WindowModel model(clock, format);
    if (model.survey().recommended() == nullptr) {
        state.SkipWithError("the texts at start recommend no section");
        return;
    }
    for (auto _ : state) {
        SectionSurvey survey = model.survey();
        benchmark::DoNotOptimize(survey);
    }
}
BENCHMARK(Survey);

}  // namespace
}  // namespace tarrowin

int main(int argc, char** argv)
{
    std::vector<char*> arguments = tarrowin::argumentsWithMedianDefaults(argc, argv);
    int count = static_cast<int>(arguments.size()) - 1;
    benchmark::Initialize(&count, arguments.data());
    if (benchmark::ReportUnrecognizedArguments(count, arguments.data()))
        return 1;
    tarrowin::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::printf("\n");
    tarrowin::printRatio(reporter, "calculate action / arithmetic alone", "CalculateAction", "CheckArithmetic");
    return 0;
}
