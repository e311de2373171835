#include "tools/cli/NumberNotes.h"

#include "check/Quantities.h"
#include "sheet/NumberText.h"

#include <span>

namespace tarrowin::cli {
namespace {

void noteTexts(std::string& notes, std::span<const Input> keys, const Stringer& stringer)
{
    for (const Input& key : keys) {
        const std::string& text = stringer.texts[key.field];
        if (isWhollyOneNumber(text))
            continue;
        const ParsedNumber read = parseLeadingNumber(text);
        if (!notes.empty())
            notes += "; ";
        notes += key.key;
        notes += " \"" + text + "\" read as ";
        notes += read.overflowed ? "a number beyond the double range" : generalNumberText(read.value);
    }
}

}  // namespace

std::string inputNotes(const Stringer& stringer)
{
    std::string notes;
    noteTexts(notes, flightInputs, stringer);
    return notes;
}

std::string numberNotes(const Stringer& stringer)
{
    std::string notes = inputNotes(stringer);
    noteTexts(notes, sectionInputs, stringer);
    return notes;
}

}  // namespace tarrowin::cli
