#include "tools/cli/NumberNotes.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace tarrowin {
namespace {

struct NoteCase {
    const char* label;
    Field field;
    std::string text;
    std::string note;
    friend std::ostream& operator<<(std::ostream& out, const NoteCase& c) { return out << c.label; }
};

class NumberNotes : public testing::TestWithParam<NoteCase> {};

// One text of the window at start replaced; every other text is one number.
TEST_P(NumberNotes, SayWhatATextThatIsNotWhollyANumberIsReadAs)
{
    Stringer stringer;
    stringer.texts[GetParam().field] = GetParam().text;
    EXPECT_EQ(cli::numberNotes(stringer), GetParam().note);
}

INSTANTIATE_TEST_SUITE_P(Texts, NumberNotes,
    testing::Values(NoteCase{"one_number", Field::DeadLoad, "1.0", ""},
                    NoteCase{"blanks_inside", Field::HorizontalLength, "3 000", ""},
                    NoteCase{"hex", Field::FlightWidth, "&H5DC", ""},
                    NoteCase{"thousands_comma", Field::HorizontalLength, "1,500", "horizontal_length \"1,500\" read as 1"},
                    NoteCase{"unit", Field::LiveLoad, "12.5kN", "live_load \"12.5kN\" read as 12.5"},
                    NoteCase{"words", Field::VerticalHeight, "abc", "vertical_height \"abc\" read as 0"},
                    NoteCase{"empty", Field::DeadLoad, "", "dead_load \"\" read as 0"},
                    NoteCase{"beyond_the_range", Field::LiveLoad, "1E999 kN",
                             "live_load \"1E999 kN\" read as a number beyond the double range"},
                    NoteCase{"edited_property", Field::SectionMass, "14.5 kg/m", "mass \"14.5 kg/m\" read as 14.5"}));

TEST(NumberNotesOrder, InputsInTheWindowsOrderThenProperties)
{
    Stringer stringer;
    stringer.texts[Field::SecondMomentOfArea] = "5,640,000";
    stringer.texts[Field::LiveLoad] = "3.5kN";
    stringer.texts[Field::HorizontalLength] = "3,000";
    EXPECT_EQ(cli::numberNotes(stringer), "horizontal_length \"3,000\" read as 3; live_load \"3.5kN\" read as 3.5; "
                                          "second_moment_of_area \"5,640,000\" read as 5");
    EXPECT_EQ(cli::inputNotes(stringer), "horizontal_length \"3,000\" read as 3; live_load \"3.5kN\" read as 3.5");
}

}  // namespace
}  // namespace tarrowin
