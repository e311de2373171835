#pragma once

#include "sheet/Field.h"

#include <QIcon>

#include <array>

class QLabel;
class QLineEdit;
class QWidget;

namespace tarrowin {

class SectionPicker;

// The controls that show fields, as buildWindowControls made them.
struct FieldControls {
    std::array<QLineEdit*, fieldCount> textBoxes{};  // by field; null for the picker and the time stamp
    SectionPicker* picker = nullptr;
    QLabel* timeStamp = nullptr;
};

// Every control of the control table on the window, where the table puts
// it, named, captioned, enabled and shown as it says, in its focus cycle.
FieldControls buildWindowControls(QWidget* window);

// The program's icon in each of its sizes.
QIcon programIcon();

}  // namespace tarrowin
