#pragma once

#include "check/ArithmeticFault.h"
#include "sheet/FieldSheet.h"
#include "ui/model/DateTime.h"

#include <optional>

namespace tarrowin {

// The main window without the window: the field sheet and one entry point for
// each notice that has an action. Each entry point runs its action to the
// end, change notices included, before it returns. Every other notice (typing,
// focus, key presses) has no action: a window just writes the typed text into
// the sheet.
class WindowModel {
public:
    // The clock and the format are the platform's; they must outlive the model.
    WindowModel(const Clock& clock, const DateTimeFormat& format);

    WindowModel(const WindowModel&) = delete;
    WindowModel& operator=(const WindowModel&) = delete;

    FieldSheet& sheet() { return sheet_; }
    const FieldSheet& sheet() const { return sheet_; }

    // Once, after the window is built with its texts at start and before it
    // is shown: the time stamp "现在时间：" and the local date and time.
    void windowLoad();

    // An entry picked from the section list (the window has already put its
    // text into Combo1): the section lookup.
    void pickInCombo1();

    void clickOption1();  // grade Q235B
    void clickOption2();  // grade Q355B

    // The calculation. A fault stops it where it stands; the fields keep what
    // it wrote before, and the fault comes back for the caller to report.
    // Nothing else happens: the model stays as usable as before.
    [[nodiscard]] std::optional<ArithmeticFault> clickCommand1();

    // The clear action: empties the results, verdicts and message.
    void clickCommand2();

private:
    const Clock& clock_;
    const DateTimeFormat& format_;
    FieldSheet sheet_;
};

}  // namespace tarrowin
