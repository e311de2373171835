#pragma once

#include "tools/driver/ScriptDesktop.h"
#include "tools/driver/ScriptRunner.h"
#include "ui/document/DocumentController.h"

#include <functional>
#include <memory>

namespace tarrowin {

// The window's file commands in a script, on the document controller, with
// the desktop's answers given in the script (see docs/driver.md):
//   open, save, save-as, report, close, drop PATH, and
//   answer file [PATH] | header ok [BOX TEXT] | header cancel |
//          yes | no | cancel | viewer missing
class DocumentCommands final : public ScriptCommands {
public:
    // `beforeReport` makes sure a report can be drawn (it needs a
    // QGuiApplication), once, before the first report.
    DocumentCommands(std::ostream& out, std::function<void()> beforeReport);

    void begin(WindowModel& model) override;
    bool run(std::string_view word, std::string_view argument, std::ostream& out) override;

private:
    void queueAnswer(std::string_view argument);

    ScriptDesktop desktop_;
    std::function<void()> beforeReport_;
    std::unique_ptr<DocumentController> controller_;
};

}  // namespace tarrowin
