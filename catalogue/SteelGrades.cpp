#include "catalogue/SteelGrades.h"

#include "sheet/FieldSheet.h"

namespace tarrowin {
namespace {

constexpr std::array<SteelGrade, 2> grades = {{
    {Grade::Q235B, "Q235B", "215", "125"},
    {Grade::Q355B, "Q355B", "305", "175"},
}};

}  // namespace

const std::array<SteelGrade, 2>& steelGrades() { return grades; }

std::size_t gradeIndex(Grade grade)
{
    std::size_t index = 0;
    while (index + 1 < grades.size() && grades[index].grade != grade)
        ++index;
    return index;
}

const SteelGrade& steelGrade(Grade grade) { return grades[gradeIndex(grade)]; }

std::optional<Grade> gradeNamed(std::string_view name)
{
    for (const SteelGrade& grade : grades)
        if (grade.name == name)
            return grade.grade;
    return std::nullopt;
}

void selectGrade(FieldSheet& sheet, Grade grade)
{
    sheet.write(Field::DesignStrength, steelGrade(grade).designStrength);
    sheet.write(Field::DesignShearStrength, steelGrade(grade).designShearStrength);
}

}  // namespace tarrowin
