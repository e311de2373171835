#include "ui/qt/WindowControls.h"

#include "ui/model/WindowModel.h"
#include "ui/qt/ControlTable.h"
#include "ui/qt/GroupFrameStyle.h"
#include "ui/qt/SectionPicker.h"

#include "IconPixels.h"  // written at build time

#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <limits>
#include <map>
#include <string_view>
#include <vector>

namespace tarrowin {
namespace {

QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

QStringList sectionEntries()
{
    QStringList entries;
    for (const std::string& entry : WindowModel::sectionEntries())
        entries << fromUtf8(entry);
    return entries;
}

QWidget* createControl(const ControlEntry& entry, QWidget* container, QStyle* frameStyle)
{
    const QString caption = QString::fromUtf8(entry.caption);
    switch (entry.kind) {
    case ControlKind::Frame: {
        auto* frame = new QGroupBox(caption, container);
        if (frameStyle)
            frame->setStyle(frameStyle);
        // A frame hides whatever lies on the window beneath it.
        frame->setAutoFillBackground(true);
        return frame;
    }
    case ControlKind::Label: {
        auto* label = new QLabel(caption, container);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setTextFormat(Qt::PlainText);
        return label;
    }
    case ControlKind::TextBox: {
        auto* box = new QLineEdit(container);
        box->setMaxLength(std::numeric_limits<int>::max());
        box->setReadOnly(entry.marks & ReadOnly);
        box->setAlignment((entry.marks & Centred) ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
        return box;
    }
    case ControlKind::OptionButton: {
        auto* option = new QRadioButton(caption, container);
        option->setChecked(entry.marks & Selected);
        return option;
    }
    case ControlKind::ComboBox:
        return new SectionPicker(sectionEntries(), container);
    case ControlKind::PushButton: {
        auto* button = new QPushButton(caption, container);
        // Enter and Escape press nothing.
        button->setAutoDefault(false);
        button->setDefault(false);
        return button;
    }
    }
    return nullptr;
}

Container frameNamed(std::string_view name)
{
    return name == "Frame1" ? Container::Frame1 : name == "Frame2" ? Container::Frame2 : Container::Frame3;
}

bool takesFocus(const ControlEntry& entry)
{
    return entry.kind != ControlKind::Frame && entry.kind != ControlKind::Label;
}

}  // namespace

FieldControls buildWindowControls(QWidget* window)
{
    FieldControls fields;
    std::map<Container, QWidget*> containers{{Container::Window, window}};
    QStyle* frameStyle = GroupFrameStyle::forFrames();
    std::vector<std::pair<int, QWidget*>> focusCycle;

    for (const ControlEntry& entry : windowControls()) {
        QWidget* control = createControl(entry, containers.at(entry.container), frameStyle);
        const QString name = QString::fromLatin1(entry.name);
        control->setObjectName(name);
        control->setGeometry(pixelRect(entry.twips));
        if (*entry.accessibleName)
            control->setAccessibleName(QString::fromUtf8(entry.accessibleName));
        control->setEnabled(!(entry.marks & Disabled));
        control->setVisible(!(entry.marks & Hidden));

        if (entry.kind == ControlKind::Frame)
            containers[frameNamed(entry.name)] = control;
        if (takesFocus(entry))
            focusCycle.emplace_back(entry.tabIndex, control);

        if (const auto field = fieldFromName(entry.name)) {
            if (auto* box = qobject_cast<QLineEdit*>(control))
                fields.textBoxes[static_cast<std::size_t>(*field)] = box;
            else if (auto* picker = qobject_cast<SectionPicker*>(control))
                fields.picker = picker;
            else
                fields.timeStamp = qobject_cast<QLabel*>(control);
        }
    }

    std::sort(focusCycle.begin(), focusCycle.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focusCycle.size(); ++i)
        QWidget::setTabOrder(focusCycle[i - 1].second, focusCycle[i].second);
    return fields;
}

QIcon programIcon()
{
    QIcon icon;
    for (const IconImage& image : programIconImages) {
        // The words are 0xAARRGGBB, which is how QImage keeps ARGB32 pixels.
        const QImage pixels(reinterpret_cast<const uchar*>(image.pixels), image.side, image.side,
                            QImage::Format_ARGB32);
        icon.addPixmap(QPixmap::fromImage(pixels));
    }
    return icon;
}

}  // namespace tarrowin
