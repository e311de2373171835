#include "sheet/FieldTexts.h"

namespace tarrowin {

FieldTexts::FieldTexts()
{
    for (Field field : allFields())
        (*this)[field] = fieldStartText(field);
}

}  // namespace tarrowin
