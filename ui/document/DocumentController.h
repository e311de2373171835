#pragma once

#include "ui/document/Desktop.h"
#include "ui/model/StringerDocument.h"

#include <filesystem>
#include <vector>

namespace tarrowin {

class WindowModel;

// What the window's file commands do, without the window: 计算 as the button
// runs it, opening, saving, the offer to save when the stringer is left, a
// dropped file, and the calculation report. It decides; the user is asked
// and told only through the desktop. The model and the desktop must outlive
// it.
//
// Nothing is read or written until the user opens or saves a file. From then
// on, leaving a stringer that differs from the one last opened or saved
// (closing the window, or opening another file) offers to save it.
class DocumentController {
public:
    DocumentController(WindowModel& model, Desktop& desktop);

    // 计算: whether the calculation ran to its end; a fault has been told if not.
    bool calculate();

    // 打开…: after the offer to save, a stringer file chosen in a file dialog.
    void open();
    // Opens the stringer file at the path into the model, or, when it is
    // refused, says why and changes nothing. Whether it was opened.
    bool openFile(const std::filesystem::path& path);
    // 保存…: into the file opened or saved last; without one, as 另存为….
    // Whether it was saved.
    bool save();
    // 另存为…: under a name chosen in a file dialog. Whether it was saved.
    bool saveAs();
    // 计算书…: 计算 as the button runs it, then the report's header, then
    // where to save the report; once written, the offer to show it.
    void makeReport();

    // Whether the stringer may be left: nothing to save, or saved, or the
    // user chose 不保存. False for 取消 or a save that failed.
    bool mayLeave();

    // Whether a drag of these files is taken: one stringer file, no more.
    // An empty path stands for anything dragged that is no local file.
    static bool takesDrop(const std::vector<std::filesystem::path>& dragged);
    // A stringer file dropped: after the offer to save, it opens.
    void drop(const std::filesystem::path& path);

    const StringerDocument& document() const { return document_; }

private:
    bool saveTo(const std::filesystem::path& path);
    // A name from a save dialog with the extension added where the user
    // typed none; empty when the user declines to replace a file of that name.
    std::filesystem::path savePath(const std::filesystem::path& chosen, std::string_view extension);
    void offerToShowReport(const std::filesystem::path& path);

    WindowModel& model_;
    Desktop& desktop_;
    StringerDocument document_;
};

}  // namespace tarrowin
