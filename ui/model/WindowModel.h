#pragma once

#include "catalogue/SteelGrades.h"
#include "check/ArithmeticFault.h"
#include "sheet/FieldSheet.h"
#include "stringer/Stringer.h"
#include "survey/SectionSurvey.h"
#include "ui/model/DateTime.h"
#include "ui/model/SurveyTable.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarrowin {

// The main window without the window: the field sheet and the commands a
// window (or a script) gives it. Each command runs its action to the end,
// change notices included, before it returns. What the window shows it learns
// from the sheet's notices; it never writes the sheet itself.
class WindowModel {
public:
    // The clock and the format are the platform's; they must outlive the model.
    WindowModel(const Clock& clock, const DateTimeFormat& format);

    WindowModel(const WindowModel&) = delete;
    WindowModel& operator=(const WindowModel&) = delete;

    const FieldSheet& sheet() const { return sheet_; }

    // Every write and every setting of the message's colour, as they happen;
    // at most one observer, nullptr removes it.
    void setObserver(SheetObserver* observer) { sheet_.setObserver(observer); }

    // The entries of the section picker: the catalogue's designations, in its order.
    static std::vector<std::string> sectionEntries();

    // Once, after the window is built with its texts at start and before it
    // is shown: the time stamp "现在时间：" and the local date and time.
    void load();

    // The user's typing: the text goes into the field and nothing runs.
    void typeInto(Field field, std::string_view text);

    // An entry picked from the section list: the picker shows it, then the
    // section lookup runs. A text that names no section changes nothing else.
    void pickSection(std::string_view designation);

    // A grade option selected: its strengths go into the strength fields.
    void chooseGrade(Grade grade);
    // The option on show; nothing in a calculation reads it.
    Grade selectedGrade() const { return grade_; }

    // The calculation. A fault stops it where it stands; the fields keep what
    // it wrote before, and the fault comes back for the caller to report.
    // Nothing else happens: the model stays as usable as before.
    [[nodiscard]] std::optional<ArithmeticFault> calculate();

    // Empties the results, verdicts and message.
    void clear();

    // Every catalogue section checked for the sheet as it stands; writes nothing.
    SectionSurvey survey() const;
    // The same survey as 截面优选 lays it out, with the texts and the grade
    // on show that it was computed for.
    SurveyTable surveyTable() const;

    // A stringer opened from a file: the picker's text as typing writes it
    // (no lookup: the stringer's own properties go into the section fields),
    // the grade as a click on its option, the inputs as typed, and then the
    // results emptied as 清零 does, so that what shows is what 计算 will use.
    void open(const Stringer& stringer);

    // What the window holds now, as a stringer to save.
    Stringer stringer() const { return stringerFrom(sheet_.texts(), grade_); }

    // The local date and time by the model's clock: the day a report is made.
    LocalDateTime now() const { return clock_.now(); }

private:
    const Clock& clock_;
    const DateTimeFormat& format_;
    FieldSheet sheet_;
    Grade grade_ = Grade::Q235B;  // the option selected at start
};

}  // namespace tarrowin
