#include "stringer/Stringer.h"

namespace tarrowin {

bool operator==(const Stringer& a, const Stringer& b)
{
    if (a.grade != b.grade)
        return false;
    for (Field field : stringerFields)
        if (a.texts[field] != b.texts[field])
            return false;
    return true;
}

FieldTexts textsToCheck(const Stringer& stringer)
{
    FieldTexts texts = stringer.texts;
    const SteelGrade& grade = steelGrade(stringer.grade);
    texts[Field::DesignStrength] = grade.designStrength;
    texts[Field::DesignShearStrength] = grade.designShearStrength;
    return texts;
}

Stringer stringerFrom(const FieldTexts& texts, Grade grade)
{
    Stringer stringer{FieldTexts(), grade};
    for (Field field : stringerFields)
        stringer.texts[field] = texts[field];
    return stringer;
}

}  // namespace tarrowin
