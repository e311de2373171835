#pragma once

#include "sheet/FieldSheet.h"

#include <QList>
#include <QWidget>

#include <array>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;

namespace tarrowin {

struct ArithmeticFault;
class SectionPicker;
class WindowModel;

// The one window: every control where the layout tables put it, each text box
// showing the field of its name. It holds no logic: writes to the sheet show
// at once, and typing (at each keystroke), clicks and picks become the
// model's commands. The model must outlive the window.
class MainWindow : public QWidget, private SheetObserver {
    Q_OBJECT

public:
    explicit MainWindow(WindowModel& model, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Commands beyond the buttons, which the context menu and their shortcuts run.

    // 截面优选: the survey of every section opens over the window.
    void surveySections();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void buildControls();
    void showSheet();
    void bindNotices();
    void buildCommands();

    void fieldWritten(Field field, const std::string& text) override;
    void messageColourSet(Rgb colour) override;

    void calculate();
    void reportFault(const ArithmeticFault& fault);
    void pickSurveyedSection(const QString& designation);

    // Runs a notice so that nothing escapes into Qt's event loop.
    template <typename Notice>
    void runNotice(Notice&& notice);

    WindowModel& model_;
    std::array<QLineEdit*, fieldCount> textBoxes_{};
    SectionPicker* picker_ = nullptr;
    QLabel* timeStamp_ = nullptr;
    QList<QAction*> commands_;
    QMenu* commandMenu_ = nullptr;  // built at the first right click
};

}  // namespace tarrowin
