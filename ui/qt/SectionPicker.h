#pragma once

#include <QComboBox>

namespace tarrowin {

// An editable combo box whose list can only be picked from. Qt's editable
// combo also "activates" an entry when typed text happens to match one and
// the user presses Enter or leaves the box, and it completes words as they
// are typed; here typing only ever changes the text, and only a pick from
// the list (mouse, or Up/Down and Page keys with the list closed, Enter or a
// click in the open list) counts as a pick.
class SectionPicker : public QComboBox {
    Q_OBJECT

public:
    explicit SectionPicker(const QStringList& entries, QWidget* parent = nullptr);

    // Shows the text in the edit part unless it already shows it, so that a
    // write that echoes the user's typing leaves the caret where it is.
    void showText(const QString& text);

signals:
    // The user changed the text in the edit part.
    void textTyped(const QString& text);
    // The user picked an entry; the edit part already shows its text.
    void entryPicked(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace tarrowin
