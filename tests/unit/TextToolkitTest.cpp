#include "text/ByteOrderMark.h"
#include "text/TextPosition.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

namespace tarrowin {
namespace {

struct PositionCase {
    std::string_view text;
    std::size_t offset;
    std::size_t line;
    std::size_t column;
    friend std::ostream& operator<<(std::ostream& out, const PositionCase& c)
    {
        return out << testing::PrintToString(std::string(c.text)) << " at " << c.offset;
    }
};

class PositionOf : public testing::TestWithParam<PositionCase> {};

TEST_P(PositionOf, CountsLinesAsEditorsDoAndColumnsInCharacters)
{
    const TextPosition position = positionOf(GetParam().text, GetParam().offset);
    EXPECT_EQ(position.line, GetParam().line);
    EXPECT_EQ(position.column, GetParam().column);
}

INSTANTIATE_TEST_SUITE_P(Lines, PositionOf,
    testing::Values(PositionCase{"", 0, 1, 1}, PositionCase{"ab", 1, 1, 2},
                    PositionCase{"a\nb", 2, 2, 1},           // LF
                    PositionCase{"a\r\nb", 3, 2, 1},         // CR LF is one break
                    PositionCase{"a\r\nb", 2, 1, 2},         // between its CR and LF: still the first line
                    PositionCase{"a\rb", 2, 2, 1},           // a lone CR, as old spreadsheets write
                    PositionCase{"a\r", 2, 2, 1},            // a CR at the very end is a lone one
                    PositionCase{"\n\r\n\r!", 4, 4, 1},      // LF, CR LF, CR: three breaks
                    PositionCase{"ab\ncd", 99, 2, 3}));      // beyond the end: at the end

// 钢 and 梯 are three bytes each in UTF-8, one column each.
INSTANTIATE_TEST_SUITE_P(Columns, PositionOf,
    testing::Values(PositionCase{"钢梯x", 6, 1, 3}, PositionCase{"钢梯x", 7, 1, 4},
                    PositionCase{"x\n钢梯\"", 8, 2, 3}, PositionCase{"\xEF\xBB\xBF{", 3, 1, 2}));

struct BreaksCase {
    std::string_view text;
    std::size_t breaks;
    friend std::ostream& operator<<(std::ostream& out, const BreaksCase& c)
    {
        return out << testing::PrintToString(std::string(c.text));
    }
};

class LineBreaksIn : public testing::TestWithParam<BreaksCase> {};

TEST_P(LineBreaksIn, CountsEachKindOnce)
{
    EXPECT_EQ(lineBreaksIn(GetParam().text), GetParam().breaks);
}

INSTANTIATE_TEST_SUITE_P(Texts, LineBreaksIn,
    testing::Values(BreaksCase{"", 0}, BreaksCase{"no break", 0}, BreaksCase{"\r", 1}, BreaksCase{"\r\r\n", 2},
                    BreaksCase{"a\r\nb\rc\nd", 3}, BreaksCase{"\n\n", 2}));

struct MarkCase {
    std::string_view text;
    std::string_view without;
    friend std::ostream& operator<<(std::ostream& out, const MarkCase& c)
    {
        return out << testing::PrintToString(std::string(c.text));
    }
};

class WithoutByteOrderMark : public testing::TestWithParam<MarkCase> {};

TEST_P(WithoutByteOrderMark, DropsOnlyAWholeMarkAtTheStart)
{
    EXPECT_EQ(withoutByteOrderMark(GetParam().text), GetParam().without);
}

INSTANTIATE_TEST_SUITE_P(Texts, WithoutByteOrderMark,
    testing::Values(MarkCase{"\xEF\xBB\xBFname", "name"}, MarkCase{"\xEF\xBB\xBF\xEF\xBB\xBF", "\xEF\xBB\xBF"},
                    MarkCase{"name\xEF\xBB\xBF", "name\xEF\xBB\xBF"}, MarkCase{"\xEF\xBBname", "\xEF\xBBname"},
                    MarkCase{"", ""}));

}  // namespace
}  // namespace tarrowin
