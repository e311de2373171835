#include "ui/qt/SectionPicker.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

#include <limits>

namespace tarrowin {
namespace {

// Qt names an editable combo box by its current text on some platforms,
// which would make the picker's name change with every pick. A screen
// reader reads the picker's own name, and its text as the value. Replacing
// Qt's interface for that drops what it gave: the list as a child, the
// expanded state and the actions that open the list, so they are given here.
class AccessibleSectionPicker final : public QAccessibleWidget {
public:
    explicit AccessibleSectionPicker(QWidget* picker) : QAccessibleWidget(picker, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return picker()->currentText();
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.expandable = true;
        state.expanded = picker()->isListOpen();
        state.collapsed = !state.expanded;
        return state;
    }

    // The list first, then the edit part, in the order Qt's combo box uses.
    int childCount() const override { return 2; }

    QAccessibleInterface* child(int index) const override
    {
        switch (index) {
        case 0: return QAccessible::queryAccessibleInterface(picker()->view());
        case 1: return QAccessible::queryAccessibleInterface(picker()->lineEdit());
        default: return nullptr;
        }
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!child)
            return -1;
        if (child->object() == picker()->view())
            return 0;
        if (child->object() == picker()->lineEdit())
            return 1;
        return -1;
    }

    // While the list is open the keys move through its entries, so the
    // entry they are on has the focus.
    QAccessibleInterface* focusChild() const override
    {
        if (picker()->isListOpen()) {
            if (QAccessibleInterface* list = child(0))
                return list->focusChild();
        }
        return QAccessibleWidget::focusChild();
    }

    QStringList actionNames() const override
    {
        return QAccessibleWidget::actionNames() << showMenuAction() << pressAction();
    }

    QString localizedActionDescription(const QString& action) const override
    {
        if (action == showMenuAction() || action == pressAction())
            return picker()->isListOpen() ? QStringLiteral("关闭截面列表") : QStringLiteral("打开截面列表");
        return QAccessibleWidget::localizedActionDescription(action);
    }

    // Either action opens a closed list and closes an open one; neither picks.
    void doAction(const QString& action) override
    {
        if (action == showMenuAction() || action == pressAction()) {
            if (picker()->isListOpen())
                picker()->hidePopup();
            else
                picker()->showPopup();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    SectionPicker* picker() const { return static_cast<SectionPicker*>(widget()); }
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

bool SectionPicker::isListOpen() const { return watchedPopup_ && watchedPopup_->isVisible(); }

void SectionPicker::showPopup()
{
    // The list's window is made on first use. Qt's own handling of popups
    // may close it without calling hidePopup, so the window's own showing and
    // hiding is what tells screen readers that the list opened or closed.
    if (!watchedPopup_) {
        watchedPopup_ = view()->window();
        watchedPopup_->installEventFilter(this);
    }
    QComboBox::showPopup();
}

bool SectionPicker::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == watchedPopup_ && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
        announceListOpenChanged();
    return QComboBox::eventFilter(watched, event);
}

void SectionPicker::announceListOpenChanged()
{
    // The event names what changed; the reader asks for the new state.
    QAccessible::State changed;
    changed.expanded = true;
    changed.collapsed = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
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
