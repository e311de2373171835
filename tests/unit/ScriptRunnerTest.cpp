#include "tools/driver/ScriptRunner.h"

#include "catalogue/SteelGrades.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace tarrowin {
namespace {

TEST(ParseMoment, AcceptsOnlyARealDateAndTimeInTheExactShape)
{
    const auto moment = parseMoment("2024-02-29T23:59:59");  // a leap day
    ASSERT_TRUE(moment);
    EXPECT_EQ(moment->year, 2024);
    EXPECT_EQ(moment->month, 2);
    EXPECT_EQ(moment->day, 29);
    EXPECT_EQ(moment->hour, 23);
    EXPECT_EQ(moment->minute, 59);
    EXPECT_EQ(moment->second, 59);
    EXPECT_TRUE(parseMoment("2000-02-29T00:00:00"));  // divisible by 400

    for (const char* bad : {"2023-02-29T12:00:00", "1900-02-29T12:00:00", "2026-04-31T12:00:00",
                            "2026-13-01T12:00:00", "2026-00-10T12:00:00", "2026-12-00T12:00:00",
                            "2026-12-08T24:00:00", "2026-12-08T12:60:00", "2026-12-08T12:00:60",
                            "2026-12-08 12:00:00", "2026-12-8T12:00:00", "2026-12-08T12:00:00Z", ""})
        EXPECT_EQ(parseMoment(bad), std::nullopt) << bad;
}

struct ScriptResult {
    int status;
    std::string out;
    std::string err;
};

ScriptResult runText(const std::string& script)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = runScript(script, out, err, DriverOptions{});
    return {status, out.str(), err.str()};
}

TEST(RunScript, InputThatIsNotUtf8IsRejectedBeforeAnythingRuns)
{
    // The bad byte is on line 3; the dump on line 1 does not run.
    const ScriptResult result = runText("dump\n# comment\ntype Text1 \xC0\xAF\n");
    EXPECT_EQ(result.status, scriptRejected);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "tarrowin-driver: line 3: input is not UTF-8\n");
}

TEST(RunScript, ErrorsNameTheirLineCountingBlankAndCommentLines)
{
    const ScriptResult result = runText("\n# comment\ntype Text1 1\nclick Command3\ndump\n");
    EXPECT_EQ(result.status, scriptRejected);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "tarrowin-driver: line 4: unknown control 'Command3'\n");
}

// Option1 onwards are the grades in the order of the grade table; a name
// past them, or one written otherwise, names no control.
TEST(RunScript, EachGradeHasItsOptionAndNoMore)
{
    const std::vector<SteelGrade> grades(steelGrades().begin(), steelGrades().end());
    for (std::size_t i = grades.size(); i-- > 0;) {
        const std::string option = "Option" + std::to_string(i + 1);
        const ScriptResult result = runText("click " + option + "\ndump\n");
        EXPECT_EQ(result.status, scriptCompleted) << option;
        EXPECT_NE(result.out.find("field\tText20\t" + std::string(grades[i].designStrength) + "\n"), std::string::npos)
            << option;
        EXPECT_NE(result.out.find("field\tText21\t" + std::string(grades[i].designShearStrength) + "\n"),
                  std::string::npos)
            << option;
    }
    for (const std::string& bad :
         std::vector<std::string>{"Option0", "Option01", "Option" + std::to_string(grades.size() + 1)}) {
        const ScriptResult result = runText("click " + bad + "\n");
        EXPECT_EQ(result.err, "tarrowin-driver: line 1: unknown control '" + bad + "'\n");
    }
}

TEST(RunScript, AnEmptyScriptCompletes)
{
    const ScriptResult result = runText("");
    EXPECT_EQ(result.status, scriptCompleted);
    EXPECT_EQ(result.out + result.err, "");
}

}  // namespace
}  // namespace tarrowin
