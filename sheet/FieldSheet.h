#pragma once

#include "sheet/Field.h"
#include "sheet/FieldTexts.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace tarrowin {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb magenta{255, 0, 255};
inline constexpr Rgb red{255, 0, 0};

// Sees every write, also one that leaves the text as it was, and every setting
// of the message colour, in the order they happen. A write is reported after
// the text is stored and before its change listener runs, so nested writes
// appear after the write that caused them.
class SheetObserver {
public:
    virtual ~SheetObserver() = default;
    virtual void fieldWritten(Field field, const std::string& text) = 0;
    virtual void messageColourSet(Rgb colour) = 0;
};

// All state of the system: the text of each field, plus the fore colour of the
// overall message Text12. Text is UTF-8 and compared byte for byte.
class FieldSheet {
public:
    using ChangeListener = std::function<void()>;

    FieldSheet() = default;  // every field at its text at start

    FieldSheet(const FieldSheet&) = delete;
    FieldSheet& operator=(const FieldSheet&) = delete;

    const std::string& text(Field field) const;
    // Every text at once, for work that must not write the sheet.
    const FieldTexts& texts() const { return texts_; }

    // Stores the text. Only when it differs from the old text does the field's
    // change listener run, to completion, before this returns.
    void write(Field field, std::string_view text);

    Rgb messageColour() const { return messageColour_; }
    void setMessageColour(Rgb colour);

    // At most one listener a field; the verdicts hang theirs on the judged
    // results.
    void setChangeListener(Field field, ChangeListener listener);

    // At most one observer; nullptr removes it.
    void setObserver(SheetObserver* observer) { observer_ = observer; }

private:
    FieldTexts texts_;
    std::array<ChangeListener, fieldCount> listeners_;
    Rgb messageColour_ = magenta;
    SheetObserver* observer_ = nullptr;
};

}  // namespace tarrowin
