#pragma once

#include "sheet/FieldSheet.h"
#include "ui/model/StringerDocument.h"

#include <QList>
#include <QWidget>

#include <array>
#include <filesystem>
#include <string_view>
#include <vector>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QRadioButton;

namespace tarrowin {

struct ArithmeticFault;
class Desktop;
class SectionPicker;
class WindowModel;

// The one window: every control where the layout tables put it, each text box
// showing the field of its name. It holds no logic: writes to the sheet show
// at once, and typing (at each keystroke), clicks and picks become the
// model's commands. The model and the desktop must outlive the window.
//
// The window reads and writes no file until the user opens or saves one.
// From then on, leaving a stringer that differs from the one last opened or
// saved (closing the window, or opening another file) offers to save it.
class MainWindow : public QWidget, private SheetObserver {
    Q_OBJECT

public:
    MainWindow(WindowModel& model, Desktop& desktop, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Commands beyond the buttons, which the context menu and their shortcuts run.

    // 截面优选: the survey of every section opens over the window.
    void surveySections();
    // 打开…: a stringer file chosen in a file dialog.
    void openFile();
    // 保存…: into the file opened or saved last; without one, as 另存为….
    void saveFile();
    // 另存为…: under a name chosen in a file dialog.
    void saveFileAs();
    // 计算书…: 计算 as the button runs it, then the report's header, then
    // where to save its PDF; once written, the offer to show it.
    void makeReport();

    // Opens the stringer file at the path into the window, or, when it is
    // refused, says why and changes nothing. Whether it was opened.
    bool openFileAt(const QString& path);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void showSheet();
    void bindNotices();
    void buildCommands();
    void bindFileDrops();

    void fieldWritten(Field field, const std::string& text) override;
    void messageColourSet(Rgb colour) override;

    // Whether the calculation ran to its end; a fault has been reported if not.
    bool calculate();
    void reportFault(const ArithmeticFault& fault);
    void pickSurveyedSection(const QString& designation);
    void showSelectedGrade();

    // Whether the window's stringer may be left: nothing to save, or saved,
    // or the user chose 不保存. False for 取消 or a save that failed.
    bool offerToSave();
    bool save();
    bool saveAs();
    bool saveTo(const std::filesystem::path& path);
    // A name from a save dialog with the extension added where the user
    // typed none; empty when the user declines to replace a file of that name.
    std::filesystem::path savePath(const QString& chosen, std::string_view extension);
    void offerToShowReport(const std::filesystem::path& path);

    // Takes a drag or drop of one stringer file; false for anything else.
    bool takeFileDrag(QDropEvent* event);

    // Runs a notice so that nothing escapes into Qt's event loop.
    template <typename Notice>
    void runNotice(Notice&& notice);

    WindowModel& model_;
    std::array<QLineEdit*, fieldCount> textBoxes_{};
    SectionPicker* picker_ = nullptr;
    QLabel* timeStamp_ = nullptr;
    std::vector<QRadioButton*> gradeOptions_;  // in the order of the grades
    Desktop& desktop_;
    StringerDocument document_;
    QList<QAction*> commands_;
    QMenu* commandMenu_ = nullptr;  // built at the first right click
};

}  // namespace tarrowin
