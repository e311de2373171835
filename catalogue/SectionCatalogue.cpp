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

const std::array<PropertyText, 5>& propertyTexts(const Section& section)
{
    // Formatted once: the catalogue is constant, and a survey asks for every row.
    static const std::array<std::array<PropertyText, 5>, sectionCount> texts = [] {
        std::array<std::array<PropertyText, 5>, sectionCount> all;
        for (std::size_t i = 0; i < sectionCount; ++i) {
            const Section& row = sections[i];
            all[i] = {{
                {Field::SecondMomentOfArea, integerText(row.ix)},
                {Field::SectionModulus, integerText(row.wx)},
                {Field::WebThickness, generalNumberText(row.tw)},
                {Field::FirstMomentOfArea, integerText(row.sx)},
                {Field::SectionMass, generalNumberText(row.mass)},
            }};
        }
        return all;
    }();
    return texts[static_cast<std::size_t>(&section - sections.data())];
}

const Section* findSection(std::string_view designation)
{
    for (const Section& section : sections)
        if (section.designation == designation)
            return &section;
    return nullptr;
}

void lookUpSection(FieldSheet& sheet)
{
    const std::string designation = sheet.text(Field::SectionDesignation);
    if (const Section* section = findSection(designation))
        for (const PropertyText& property : propertyTexts(*section))
            sheet.write(property.field, property.text);
}

}  // namespace tarrowin
