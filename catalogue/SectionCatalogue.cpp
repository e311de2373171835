#include "catalogue/SectionCatalogue.h"

#include "sheet/FieldSheet.h"
#include "sheet/NumberText.h"

namespace tarrowin {
namespace {

// "[" is the ASCII bracket, "x" the ASCII letter, "口" the CJK character U+53E3.
constexpr std::array<Section, sectionCount> sections = {{
    {"[14a", 5640000, 80500, 6, 47500, 14.5},
    {"[14b", 6090000, 87100, 8, 52400, 16.7},
    {"[16a", 8660000, 108000, 6.5, 63900, 17.2},
    {"[16b", 9340000, 117000, 8.5, 70300, 19.7},
    {"[18a", 12730000, 141000, 7, 83500, 20.2},
    {"[18b", 13700000, 152000, 9, 91600, 23},
    {"[20a", 17800000, 178000, 7, 104700, 22.6},
    {"[20b", 19140000, 191000, 9, 114700, 25.8},
    {"[22a", 23940000, 218000, 7, 127600, 25},
    {"[22b", 25710000, 234000, 9, 139700, 28.4},
    {"[25a", 33700000, 270000, 7, 157800, 27.5},
    {"[25b", 35300000, 282000, 9, 173500, 31.4},
    {"HN200x100", 18100000, 181000, 5.5, 100070, 20.9},
    {"HN250x125", 39600000, 317000, 6, 175930, 29},
    {"HN300x150", 72100000, 481000, 6.5, 261030, 36.7},
    {"HN350x175", 135000000, 771000, 7, 420420, 49.4},
    {"口150x100x3", 4734800, 63130, 6, 37600, 11.49},
    {"口200x100x4", 12402900, 124030, 8, 76060, 18.34},
    {"口250x150x5", 34032500, 272260, 10, 163880, 30.62},
}};

}  // namespace

const std::array<Section, sectionCount>& sectionCatalogue() { return sections; }

void lookUpSection(FieldSheet& sheet)
{
    const std::string designation = sheet.text(Field::Combo1);
    for (const Section& section : sections) {
        if (section.designation != designation)
            continue;
        // Whole values as integer text; the fractional ones (and the whole
        // thicknesses and masses, which format without a point) as numbers.
        sheet.write(Field::Text15, integerText(section.ix));
        sheet.write(Field::Text16, integerText(section.wx));
        sheet.write(Field::Text17, generalNumberText(section.tw));
        sheet.write(Field::Text18, integerText(section.sx));
        sheet.write(Field::Text19, generalNumberText(section.mass));
        return;
    }
}

}  // namespace tarrowin
