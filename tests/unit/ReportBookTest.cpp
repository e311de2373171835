#include "report/document/ReportBook.h"

#include "check/FaultWords.h"
#include "report/document/ReportText.h"
#include "report/document/VisibleText.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarrowin {
namespace {

using testing::ElementsAre;
using testing::HasSubstr;
using testing::Not;

constexpr CalendarDate reportDay{2026, 12, 8};

BookStringer stringerNamed(std::string name, std::vector<std::pair<Field, const char*>> typed = {})
{
    Stringer stringer = stringerFrom(FieldTexts(), Grade::Q235B);
    for (const auto& [field, text] : typed)
        stringer.texts[field] = text;
    return {std::move(name), stringer, "Q235B", {}};
}

// One of each: satisfied, exceeded, faulted, refused by its reader.
std::vector<BookStringer> stair()
{
    BookStringer unchecked = stringerNamed("TL-4", {{Field::SectionDesignation, "[14x"}});
    unchecked.problem = "第 5 行：unknown section \"[14x\"";
    return {stringerNamed("TL-1"), stringerNamed("TL-2", {{Field::HorizontalLength, "6000"}}),
            stringerNamed("TL-3", {{Field::HorizontalLength, "0"}, {Field::VerticalHeight, "0"}}),
            std::move(unchecked)};
}

std::vector<std::string> column(const ReportTable& table, std::size_t index)
{
    std::vector<std::string> texts;
    for (const auto& row : table.rows)
        texts.push_back(row[index].text());
    return texts;
}

std::string headerValue(const ReportDocument& document, std::string_view label)
{
    for (const HeaderEntry& entry : document.header)
        if (entry.label == label)
            return entry.value;
    return "(none)";
}

TEST(ReportBook, SummaryStatesEachStringerInInputOrder)
{
    const ReportBook book = buildBook(stair(), {}, {}, reportDay, faultSummaryInChinese);
    const ReportTable& summary = book.summaryTable();
    EXPECT_THAT(column(summary, 0), ElementsAre("TL-1", "TL-2", "TL-3", "TL-4"));
    EXPECT_THAT(column(summary, 1), ElementsAre("[14a", "[14a", "[14a", "[14x"));
    EXPECT_THAT(column(summary, 3), ElementsAre("0.316", testing::_, "-", "-"));
    EXPECT_THAT(column(summary, 6), ElementsAre("满足要求", "超限", "无法验算：溢出（计算斜长与坡度时）",
                                                "无法验算：第 5 行：unknown section \"[14x\""));
    // The lightest section that passes, where this one does not.
    const std::vector<std::string> lighter = column(summary, 7);
    EXPECT_EQ(lighter[0], "");
    EXPECT_THAT(lighter[1], Not(testing::AnyOf("", "无", "[14a")));
    EXPECT_EQ(lighter[2], "无");
    EXPECT_THAT(summary.alarming, ElementsAre(false, true, true, true));
    EXPECT_THAT(summary.rows[1][6].runs(), ElementsAre(TextRun{"超限", RunStyle::Strong}));
}

TEST(ReportBook, OnlyCheckedStringersHavePartsAndTheCountAddsUp)
{
    ReportBook book = buildBook(stair(), {}, {}, reportDay, faultSummaryInChinese);
    ASSERT_EQ(book.parts.size(), 2u);
    EXPECT_THAT(book.partOfRow, ElementsAre(0u, 1u, std::nullopt, std::nullopt));
    const auto& count = std::get<Paragraph>(book.front.sections.back().blocks.back());
    EXPECT_EQ(count.text.text(), "共 4 根，满足 1 根，超限 1 根，无法验算 2 根");

    setSummaryPages(book, {2, 5});
    EXPECT_THAT(column(book.summaryTable(), 8), ElementsAre("2", "5", "", ""));
}

TEST(ReportBook, EachPartIsTheReportBodyUnderTheStringersName)
{
    const ReportBook book = buildBook(stair(), {}, {}, reportDay, faultSummaryInChinese);
    const ReportDocument& part = book.parts[1];
    EXPECT_EQ(part.title, "TL-2");
    EXPECT_EQ(part.footerNote, "TL-2");
    EXPECT_TRUE(part.header.empty());
    std::vector<std::string> headings;
    for (const ReportSection& section : part.sections)
        headings.push_back(section.heading);
    EXPECT_THAT(headings, ElementsAre("2 已知条件", "3 计算过程", "4 截面验算", "5 验算结论"));
    // The design basis is stated once, in the front.
    std::vector<std::string> frontHeadings;
    for (const ReportSection& section : book.front.sections)
        frontHeadings.push_back(section.heading);
    EXPECT_THAT(frontHeadings, ElementsAre("1 设计依据", "验算汇总"));
}

TEST(ReportBook, HeaderTakesOptionsThenTheFilesHeaderAndCountsTheStringers)
{
    const ReportHeader given{"", "ignored", "王工", "", "", ""};
    const ReportHeader kept{"滨江花园", "TL-9", "李工", "赵工", "", "2026年1月2日"};
    const ReportBook book = buildBook(stair(), given, kept, reportDay, faultSummaryInChinese);
    EXPECT_EQ(book.front.title, "钢楼梯斜梁验算计算书");
    EXPECT_EQ(headerValue(book.front, "工程名称"), "滨江花园");
    EXPECT_EQ(headerValue(book.front, "构件"), "共 4 根斜梁");
    EXPECT_EQ(headerValue(book.front, "设计"), "王工");
    EXPECT_EQ(headerValue(book.front, "校对"), "赵工");
    EXPECT_EQ(headerValue(book.front, "审核"), "");
    EXPECT_EQ(headerValue(book.front, "日期"), "2026年1月2日");
    EXPECT_EQ(headerValue(buildBook({}, {}, {}, reportDay, faultSummaryInChinese).front, "日期"), "2026年12月8日");
}

struct VisibleCase {
    const char* what;
    std::string text;
    std::string visible;
};

class VisibleTextTest : public testing::TestWithParam<VisibleCase> {};

TEST_P(VisibleTextTest, ReplacesWhatNoReaderCanSee)
{
    EXPECT_EQ(visibleText(GetParam().text), GetParam().visible);
}

const std::string fffd = "\xEF\xBF\xBD";

INSTANTIATE_TEST_SUITE_P(
    Characters, VisibleTextTest,
    testing::Values(VisibleCase{"plain", "TL-1 二号梯 😀", "TL-1 二号梯 😀"},
                    VisibleCase{"markup kept as text", "<a>&]]>\"'", "<a>&]]>\"'"},
                    VisibleCase{"nul", std::string("a\0b", 3), "a" + fffd + "b"},
                    VisibleCase{"tab, line feed, carriage return", "a\tb\nc\r", "a" + fffd + "b" + fffd + "c" + fffd},
                    VisibleCase{"delete and a C1 control", "a\x7F\xC2\x85", "a" + fffd + fffd},
                    VisibleCase{"non-characters", "\xEF\xBF\xBE\xEF\xBF\xBF", fffd + fffd},
                    VisibleCase{"lone surrogate", "a\xED\xA0\x80z", "a" + fffd + fffd + fffd + "z"},
                    VisibleCase{"overlong slash", "\xC0\xAF", fffd + fffd},
                    VisibleCase{"cut short", "梯\xE6\xA2", "梯" + fffd + fffd},
                    VisibleCase{"beyond U+10FFFF", "\xF4\x90\x80\x80", fffd + fffd + fffd + fffd}),
    [](const testing::TestParamInfo<VisibleCase>& info) {
        std::string name;
        for (const char c : std::string(info.param.what))
            name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

bool holdsControl(const std::string& text)
{
    for (const char c : text)
        if (static_cast<unsigned char>(c) < 0x20 && c != '\n' && c != '\t')
            return true;
    return text.find("\xC2\x85") != std::string::npos;
}

TEST(ReportBook, NoTextOfABookHoldsAControlCharacter)
{
    BookStringer hostile = stringerNamed(std::string("TL\0\x01<&]]>\xC2\x85", 11));
    hostile.gradeText = "Q235\x1B";
    const ReportHeader header{std::string("工程\0", 7), "", "a\nb", "", "", ""};
    const ReportBook book = buildBook({hostile}, header, {}, reportDay, faultSummaryInChinese);
    EXPECT_FALSE(holdsControl(reportText(book.front))) << reportText(book.front);
    EXPECT_FALSE(holdsControl(reportText(book.parts.front())));
    EXPECT_THAT(book.parts.front().title, HasSubstr("<&]]>"));
}

}  // namespace
}  // namespace tarrowin
