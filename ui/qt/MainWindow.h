#pragma once

#include "sheet/FieldSheet.h"

#include <QList>
#include <QWidget>

#include <array>
#include <vector>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QRadioButton;

namespace tarrowin {

class DocumentController;
class SectionPicker;
class WindowModel;

// The one window: every control where the layout tables put it, each text box
// showing the field of its name. It holds no logic: writes to the sheet show
// at once, and typing (at each keystroke), clicks and picks become the
// model's commands; 计算, the file commands, a dropped file and closing the
// window are the document controller's. The model and the controller must
// outlive the window.
class MainWindow : public QWidget, private SheetObserver {
    Q_OBJECT

public:
    MainWindow(WindowModel& model, DocumentController& document, QWidget* parent = nullptr);
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
    // where to save it; once written, the offer to show it.
    void makeReport();

    // Opens the stringer file at the path into the window, or, when it is
    // refused, says why and changes nothing. Whether it was opened.
    bool openFileAt(const QString& path);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void showSheet();
    void bindNotices();
    void buildCommands();

    void fieldWritten(Field field, const std::string& text) override;
    void messageColourSet(Rgb colour) override;

    void pickSurveyedSection(const QString& designation);
    void showSelectedGrade();

    // Runs a notice so that nothing escapes into Qt's event loop.
    template <typename Notice>
    void runNotice(Notice&& notice);

    WindowModel& model_;
    std::array<QLineEdit*, fieldCount> textBoxes_{};
    SectionPicker* picker_ = nullptr;
    QLabel* timeStamp_ = nullptr;
    std::vector<QRadioButton*> gradeOptions_;  // in the order of the grades
    DocumentController& document_;
    QList<QAction*> commands_;
    QMenu* commandMenu_ = nullptr;  // built at the first right click
};

}  // namespace tarrowin
