#pragma once

#include <QComboBox>

namespace tarrowin {

// An editable combo box whose list can only be picked from. Qt's editable
// combo also "activates" an entry when typed text happens to match one and
// the user presses Enter or leaves the box, and it completes words as they
// are typed; here typing only ever changes the text, and only a pick from
// the list (mouse, or Up/Down and Page keys with the list closed, Enter or a
// click in the open list) counts as a pick.
//
// Screen readers see it as Qt's own combo box shows itself, under a name
// that stays put: the picker's caption as its name, the text on show as its
// value, the list with its entries and the edit part as its children, and
// whether the list is open.
class SectionPicker : public QComboBox {
    Q_OBJECT

public:
    explicit SectionPicker(const QStringList& entries, QWidget* parent = nullptr);

    // Shows the text in the edit part unless it already shows it, so that a
    // write that echoes the user's typing leaves the caret where it is.
    void showText(const QString& text);

    // Whether the list of entries is open.
    bool isListOpen() const;

    void showPopup() override;

signals:
    // The user changed the text in the edit part.
    void textTyped(const QString& text);
    // The user picked an entry; the edit part already shows its text.
    void entryPicked(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void announceListOpenChanged();

    QWidget* watchedPopup_ = nullptr;
};

}  // namespace tarrowin
