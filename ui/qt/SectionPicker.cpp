#include "ui/qt/SectionPicker.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

#include <limits>

namespace tarrowin {
namespace {

// Qt names an editable combo box by its current text on some platforms,
// which would make the picker's name change with every pick. A screen
// reader reads the picker's own name, and its text as the value.
class AccessibleSectionPicker final : public QAccessibleWidget {
public:
    explicit AccessibleSectionPicker(QWidget* picker) : QAccessibleWidget(picker, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return static_cast<const QComboBox*>(widget())->currentText();
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.expandable = true;
        return state;
    }
};

QAccessibleInterface* accessibleSectionPicker(const QString& className, QObject* object)
{
    if (className == QLatin1String(SectionPicker::staticMetaObject.className()) && object && object->isWidgetType())
        return new AccessibleSectionPicker(static_cast<QWidget*>(object));
    return nullptr;
}

}  // namespace

SectionPicker::SectionPicker(const QStringList& entries, QWidget* parent) : QComboBox(parent)
{
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(accessibleSectionPicker);
        return true;
    }();
    Q_UNUSED(accessibleInstalled);

    setEditable(true);
    // The combo's own completer would finish designations while the user types.
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    addItems(entries);
    setMaxVisibleItems(static_cast<int>(entries.size()));
    // A text box holds text of any length; Qt cuts at 32767 characters by default.
    lineEdit()->setMaxLength(std::numeric_limits<int>::max());

    connect(lineEdit(), &QLineEdit::textEdited, this, &SectionPicker::textTyped);
    connect(this, &QComboBox::activated, this, [this](int index) { emit entryPicked(itemText(index)); });
}

void SectionPicker::showText(const QString& text)
{
    if (lineEdit()->text() != text) {
        lineEdit()->setText(text);
        lineEdit()->setCursorPosition(0);
    }
}

void SectionPicker::keyPressEvent(QKeyEvent* event)
{
    // With the list closed, Enter would activate an entry matching the typed
    // text (case-insensitively); neither Enter nor Escape does anything here.
    switch (event->key()) {
    case Qt::Key_Enter:
    case Qt::Key_Return:
    case Qt::Key_Escape:
        event->ignore();
        return;
    default:
        QComboBox::keyPressEvent(event);
    }
}

void SectionPicker::focusOutEvent(QFocusEvent* event)
{
    // The edit part reports "editing finished" on leaving, and the combo
    // answers that by activating a matching entry and rewriting the text.
    const QSignalBlocker quiet(lineEdit());
    QComboBox::focusOutEvent(event);
}

}  // namespace tarrowin
