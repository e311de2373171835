#include "tools/driver/Escapes.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace tarrowin {
namespace {

TEST(Escapes, KeepEveryTextOnOneLineAndReadBack)
{
    const std::string text = "a\\b\tc\nd\re 满足 \\n";
    const std::string escaped = escapeText(text);
    EXPECT_EQ(escaped, "a\\\\b\\tc\\nd\\re 满足 \\\\n");
    EXPECT_EQ(escaped.find_first_of("\t\n\r"), std::string::npos);
    EXPECT_EQ(unescapeText(escaped), text);
}

TEST(Escapes, RejectABackslashBeforeAnythingElseOrAtTheEnd)
{
    for (const char* bad : {"\\", "abc\\", "\\x41", "\\u53E3", "\\N", "\\\\\\"})
        EXPECT_EQ(unescapeText(bad), std::nullopt) << bad;
}

}  // namespace
}  // namespace tarrowin
