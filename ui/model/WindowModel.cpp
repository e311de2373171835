#include "ui/model/WindowModel.h"

#include "catalogue/SectionCatalogue.h"
#include "check/SheetCalculation.h"
#include "check/SheetVerdicts.h"

#include <algorithm>

namespace tarrowin {

WindowModel::WindowModel(const Clock& clock, const DateTimeFormat& format) : clock_(clock), format_(format)
{
    attachVerdicts(sheet_);
}

std::vector<std::string> WindowModel::sectionEntries()
{
    std::vector<std::string> entries;
    for (const Section& section : sectionCatalogue())
        entries.emplace_back(section.designation);
    return entries;
}

void WindowModel::load()
{
    // Full-width colon, no blank after it.
    sheet_.write(Field::TimeStamp, "现在时间：" + generalDateTimeText(clock_.now(), format_));
}

void WindowModel::typeInto(Field field, std::string_view text) { sheet_.write(field, text); }

void WindowModel::pickSection(std::string_view designation)
{
    sheet_.write(Field::SectionDesignation, designation);
    lookUpSection(sheet_);
}

void WindowModel::chooseGrade(Grade grade)
{
    grade_ = grade;
    selectGrade(sheet_, grade);
}

std::optional<ArithmeticFault> WindowModel::calculate() { return runCheckComputation(sheet_); }

void WindowModel::clear() { blankJudgedResults(sheet_); }

SectionSurvey WindowModel::survey() const { return surveySections(sheet_.texts()); }

SurveyTable WindowModel::surveyTable() const { return tarrowin::surveyTable(survey(), sheet_.texts(), grade_); }

void WindowModel::open(const Stringer& stringer)
{
    for (Field field : stringerFields)
        if (std::ranges::find(inputFields, field) == inputFields.end())
            sheet_.write(field, stringer.texts[field]);
    chooseGrade(stringer.grade);
    for (Field field : inputFields)
        sheet_.write(field, stringer.texts[field]);
    clear();
}

}  // namespace tarrowin
