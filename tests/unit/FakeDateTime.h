#pragma once

#include "ui/model/DateTime.h"

#include <string>

namespace tarrowin::testing_support {

// Stands in for the user's locale: "D2026-12-8" and "T17:29:46".
class FakeDateTimeFormat final : public DateTimeFormat {
public:
    std::string shortDate(const LocalDateTime& moment) const override
    {
        return "D" + std::to_string(moment.year) + "-" + std::to_string(moment.month) + "-"
               + std::to_string(moment.day);
    }
    std::string longTime(const LocalDateTime& moment) const override
    {
        return "T" + std::to_string(moment.hour) + ":" + std::to_string(moment.minute) + ":"
               + std::to_string(moment.second);
    }
};

}  // namespace tarrowin::testing_support
