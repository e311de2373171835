#pragma once

#include "sheet/FieldSheet.h"

#include <functional>
#include <string>
#include <vector>

namespace tarrowin::testing_support {

// Records every write and colour setting of a sheet (or of the model that
// owns one) as one line each, "Text6=67.89" or "colour=255,0,255", in the
// order they happen.
class SheetRecorder final : public SheetObserver {
public:
    template <typename Observed>
    explicit SheetRecorder(Observed& observed) : detach_([&observed] { observed.setObserver(nullptr); })
    {
        observed.setObserver(this);
    }
    ~SheetRecorder() override { detach_(); }
    SheetRecorder(const SheetRecorder&) = delete;
    SheetRecorder& operator=(const SheetRecorder&) = delete;

    void fieldWritten(Field field, const std::string& text) override
    {
        events.push_back(std::string(fieldName(field)) + "=" + text);
    }
    void messageColourSet(Rgb colour) override
    {
        events.push_back("colour=" + std::to_string(colour.red) + "," + std::to_string(colour.green) + ","
                         + std::to_string(colour.blue));
    }

    std::vector<std::string> events;

private:
    std::function<void()> detach_;
};

}  // namespace tarrowin::testing_support
