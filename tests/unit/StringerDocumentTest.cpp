// The window's stringer file: when leaving it offers to save, what it keeps
// for the next save, and the names its dialogs suggest.
#include "ui/model/StringerDocument.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

namespace tarrowin {
namespace {

TEST(StringerDocument, BeforeAnyFileNothingIsOfferedHoweverTheStringerChanged)
{
    const StringerDocument document;
    Stringer typed;
    typed.texts[Field::LiveLoad] = "20";
    typed.grade = Grade::Q355B;
    EXPECT_FALSE(document.hasFile());
    EXPECT_FALSE(document.offersToSave(typed));
    EXPECT_FALSE(document.offersToSave(Stringer{}));
}

struct Change {
    const char* label;
    std::function<void(Stringer&)> apply;
    friend std::ostream& operator<<(std::ostream& out, const Change& c) { return out << c.label; }
};

class AfterOpeningOrSaving : public testing::TestWithParam<Change> {};

TEST_P(AfterOpeningOrSaving, AChangedStringerIsOfferedAndTheSameOneIsNot)
{
    Stringer opened;
    opened.texts[Field::HorizontalLength] = "3,600";
    StringerDocument document;
    document.opened("/flights/a.tarrowin", opened, {}, {});
    EXPECT_FALSE(document.offersToSave(opened));

    Stringer changed = opened;
    GetParam().apply(changed);
    EXPECT_TRUE(document.offersToSave(changed));
    // Typed back as it was: nothing to save.
    EXPECT_FALSE(document.offersToSave(opened));

    document.saved("/flights/b.tarrowin", changed);
    EXPECT_FALSE(document.offersToSave(changed));
    EXPECT_TRUE(document.offersToSave(opened));
    EXPECT_EQ(document.path(), "/flights/b.tarrowin");
}

INSTANTIATE_TEST_SUITE_P(Changes, AfterOpeningOrSaving, testing::Values(
    Change{"an_input", [](Stringer& s) { s.texts[Field::HorizontalLength] = "3600"; }},
    Change{"the_picker_text", [](Stringer& s) { s.texts[Field::SectionDesignation] = "HN200x100"; }},
    Change{"a_section_property", [](Stringer& s) { s.texts[Field::SectionMass] = "21.3"; }},
    Change{"the_grade", [](Stringer& s) { s.grade = Grade::Q355B; }}));

TEST(StringerDocument, AReportNamesTheFileOnlyWhileTheWindowHoldsWhatTheFileHolds)
{
    StringerDocument document;
    EXPECT_EQ(document.reportFileName(Stringer{}), "");
    document.opened("/flights/梯段 A.tarrowin", Stringer{}, {}, {});
    EXPECT_EQ(document.reportFileName(Stringer{}), "梯段 A.tarrowin");
    Stringer changed;
    changed.texts[Field::LiveLoad] = "5.0";
    EXPECT_EQ(document.reportFileName(changed), "");
}

TEST(StringerDocument, ResultsAreNoPartOfWhatIsSaved)
{
    StringerDocument document;
    document.saved("/a.tarrowin", Stringer{});
    Stringer calculated;
    calculated.texts[Field::BendingStress] = "67.89";
    calculated.texts[Field::OverallMessage] = "满足要求!";
    EXPECT_FALSE(document.offersToSave(calculated));
}

TEST(StringerDocument, OpeningAnotherFileReplacesWhatTheFirstKept)
{
    StringerDocument document;
    document.opened("/a.tarrowin", Stringer{}, ReportHeader{"工程", "TL-1", "", "", "", ""}, R"({"colour":"blue"})");
    document.keepReportHeader(ReportHeader{"工程", "TL-2", "张", "", "", ""});
    EXPECT_EQ(document.reportHeader().member, "TL-2");

    document.opened("/b.tarrowin", Stringer{}, {}, {});
    EXPECT_EQ(document.reportHeader(), ReportHeader{});
    EXPECT_EQ(document.otherKeys(), "");
}

struct Suggestion {
    const char* label;
    const char* file;    // "" when none was opened or saved
    const char* member;  // of the kept report header
    const char* stringerPath;
    const char* reportPath;
    friend std::ostream& operator<<(std::ostream& out, const Suggestion& c) { return out << c.label; }
};

class SuggestedNames : public testing::TestWithParam<Suggestion> {};

TEST_P(SuggestedNames, FollowTheFileThenTheMember)
{
    StringerDocument document;
    if (*GetParam().file)
        document.saved(GetParam().file, Stringer{});
    document.keepReportHeader(ReportHeader{"", GetParam().member, "", "", "", ""});
    EXPECT_EQ(document.suggestedStringerPath(), GetParam().stringerPath);
    EXPECT_EQ(document.suggestedReportPath(), GetParam().reportPath);
}

INSTANTIATE_TEST_SUITE_P(Cases, SuggestedNames, testing::Values(
    Suggestion{"nothing_yet", "", "", "", "计算书.pdf"},
    Suggestion{"a_member", "", "TL-1", "TL-1.tarrowin", "TL-1.pdf"},
    // A slash would make the member's name a folder.
    Suggestion{"a_member_with_slashes", "", "TL-1/2\\3", "TL-1-2-3.tarrowin", "TL-1-2-3.pdf"},
    Suggestion{"a_file_over_a_member", "/flights/梯段 A.tarrowin", "TL-1", "/flights/梯段 A.tarrowin",
               "/flights/梯段 A.pdf"}));

struct Extension {
    const char* typed;
    const char* extension;
    const char* path;
};

class WithExtension : public testing::TestWithParam<Extension> {};

TEST_P(WithExtension, IsAddedUnlessTheNameEndsInIt)
{
    EXPECT_EQ(withExtension(GetParam().typed, GetParam().extension), GetParam().path);
}

INSTANTIATE_TEST_SUITE_P(Names, WithExtension, testing::Values(
    Extension{"/d/flight", ".tarrowin", "/d/flight.tarrowin"},
    Extension{"/d/flight.tarrowin", ".tarrowin", "/d/flight.tarrowin"},
    Extension{"/d/FLIGHT.Tarrowin", ".tarrowin", "/d/FLIGHT.Tarrowin"},
    // A dot in a member's name is no extension of its own.
    Extension{"/d/TL-1.2", ".tarrowin", "/d/TL-1.2.tarrowin"},
    Extension{"/d.tarrowin/flight", ".tarrowin", "/d.tarrowin/flight.tarrowin"},
    Extension{"/d/report", ".pdf", "/d/report.pdf"},
    Extension{"/d/report.PDF", ".pdf", "/d/report.PDF"}));

}  // namespace
}  // namespace tarrowin
