#include "ui/model/DateTime.h"

#include "text/Utf8.h"

#include "FakeDateTime.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace tarrowin {
namespace {

using testing_support::FakeDateTimeFormat;

TEST(GeneralDateTimeText, IsTheShortDateABlankAndTheLongTimeButAtMidnightTheDateAlone)
{
    const FakeDateTimeFormat format;
    EXPECT_EQ(generalDateTimeText({2026, 12, 8, 17, 29, 46}, format), "D2026-12-8 T17:29:46");
    EXPECT_EQ(generalDateTimeText({2026, 12, 8, 0, 0, 0}, format), "D2026-12-8");
    EXPECT_EQ(generalDateTimeText({2026, 12, 8, 0, 0, 1}, format), "D2026-12-8 T0:0:1");
    EXPECT_EQ(generalDateTimeText({2026, 12, 8, 12, 0, 0}, format), "D2026-12-8 T12:0:0");
}

// Sets the locale variables for one test and puts them back afterwards.
class LocaleVariables {
public:
    LocaleVariables(const char* lang, const char* lcAll) : lang_(read("LANG")), lcAll_(read("LC_ALL"))
    {
        set("LANG", lang);
        set("LC_ALL", lcAll);
    }
    ~LocaleVariables()
    {
        set("LANG", lang_ ? lang_->c_str() : nullptr);
        set("LC_ALL", lcAll_ ? lcAll_->c_str() : nullptr);
    }

private:
    static std::optional<std::string> read(const char* name)
    {
        const char* value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    }
    static void set(const char* name, const char* value)
    {
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }

    std::optional<std::string> lang_;
    std::optional<std::string> lcAll_;
};

TEST(LocaleDateTimeFormat, TheClassicLocaleWritesMonthDayYearAnd24Hours)
{
    const LocaleVariables variables("C", "C");
    const LocaleDateTimeFormat format;
    const LocalDateTime moment{2026, 12, 8, 17, 29, 46};
    EXPECT_EQ(format.shortDate(moment), "12/08/26");
    EXPECT_EQ(format.longTime(moment), "17:29:46");
}

TEST(LocaleDateTimeFormat, NeverThrowsWithABrokenLocaleSetting)
{
    const char* broken[][2] = {{"xx_YY.bogus", "zz_ZZ.nothing"}, {"", "\xFF\xFE"}, {"C", "de_DE@invalid"}};
    for (const auto& [lang, lcAll] : broken) {
        const LocaleVariables variables(lang, lcAll);
        std::string date;
        std::string time;
        EXPECT_NO_THROW({
            const LocaleDateTimeFormat format;
            date = format.shortDate({2026, 12, 8, 17, 29, 46});
            time = format.longTime({2026, 12, 8, 17, 29, 46});
        }) << lcAll;
        // It falls back on the classic locale.
        EXPECT_EQ(date, "12/08/26") << lcAll;
        EXPECT_EQ(time, "17:29:46") << lcAll;
        EXPECT_TRUE(isValidUtf8(date + time));
    }
}

}  // namespace
}  // namespace tarrowin
