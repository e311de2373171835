// The pass that finds a key given twice in one JSON object, which Qt's
// reader would let through keeping the last value.
#include "files/JsonDuplicateKeys.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace tarrowin {
namespace {

struct Case {
    const char* label;
    std::string json;
    std::optional<std::string> path;  // nothing when no key is given twice
    std::size_t offset = 0;           // of the second appearance's opening quote
    friend std::ostream& operator<<(std::ostream& out, const Case& c) { return out << c.label; }
};

class FirstDuplicateKey : public testing::TestWithParam<Case> {};

TEST_P(FirstDuplicateKey, NamesThePathAndWhereTheSecondStands)
{
    const std::optional<DuplicateKey> found = firstDuplicateKey(GetParam().json);
    ASSERT_EQ(found.has_value(), GetParam().path.has_value());
    if (found) {
        EXPECT_EQ(found->path, *GetParam().path);
        EXPECT_EQ(found->offset, GetParam().offset);
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, FirstDuplicateKey, testing::Values(
    Case{"distinct_keys", R"({"a": 1, "b": [1, {"c": null}], "d": {"a": true}})", std::nullopt},
    Case{"empty_object", "{}", std::nullopt},
    Case{"not_an_object", "[1, \"a\", \"a\"]", std::nullopt},
    // The second "a" starts after `{"a": 1, ` (9 bytes).
    Case{"at_the_top", R"({"a": 1, "a": 2})", "a", 9},
    // Nested: `{"p": {"m": "1",` is 16 bytes, then a blank.
    Case{"inside_an_object", R"({"p": {"m": "1", "m": "2"}})", "p.m", 17},
    // The same key in two objects, and in the object and its parent, is allowed.
    Case{"in_sibling_objects", R"({"p": {"m": 1}, "r": {"m": 2}, "m": 3})", std::nullopt},
    Case{"in_objects_of_a_list", R"({"l": [{"k": 1}, {"k": 2}]})", std::nullopt},
    Case{"inside_an_object_in_a_list", R"({"l": [{"k": 1, "k": 2}]})", "l.k", 16},
    // A value that looks like a key is a text, not a key.
    Case{"key_words_inside_a_text", R"({"a": "\"a\": 1", "b": "{\"b\": 2}"})", std::nullopt},
    // Escapes are read as the characters they stand for.
    Case{"escaped_the_same", R"({"dead_load": "1", "dead\u005Fload": "2"})", "dead_load", 19},
    Case{"escaped_quote_in_both", R"({"a\"b": 1, "a\"b": 2})", "a\"b", 12},
    Case{"escaped_slash_and_plain", R"({"a/b": 1, "a\/b": 2})", "a/b", 11},
    Case{"surrogate_pair_and_raw_utf8", "{\"\xF0\x9F\x98\x80\": 1, \"\\ud83d\\ude00\": 2}", "\xF0\x9F\x98\x80", 12},
    Case{"differing_escapes_differ", R"({"\u00e9": 1, "\u00e8": 2, "e\u0301": 3})", std::nullopt},
    // Only the first found is named: the nested pair comes first in reading order.
    Case{"first_in_reading_order", R"({"p": {"x": 1, "x": 2}, "p": 3})", "p.x", 15},
    Case{"across_lines_and_blanks", "{\n  \"a\" : 1 ,\r\n\t\"a\"\n:\n2\n}", "a", 16}));

// Anything that is not JSON ends the pass without reading past the end.
TEST(FirstDuplicateKey, StopsOnTextThatIsNotJson)
{
    for (const char* broken : {"{", "{\"a", "{\"a\\", "{\"a\\u12", "[}", "{\"a\": [}", "{]", "\"",
                               "{\"a\": 1, 5: 2}"})
        EXPECT_EQ(firstDuplicateKey(broken), std::nullopt) << broken;
}

}  // namespace
}  // namespace tarrowin
