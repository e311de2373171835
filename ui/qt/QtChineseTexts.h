#pragma once

#include <QTranslator>

namespace tarrowin {

// Qt's own texts, such as a text box's context menu, the file dialogs and
// the standard buttons, in Simplified Chinese like the rest of the window,
// whatever the user's locale. They come from Qt's translation, qtbase_zh_CN,
// in Qt's translations folder; without it Qt's English stays and nothing is
// said. Installed for as long as this lives; needs a QCoreApplication.
class QtChineseTexts {
public:
    QtChineseTexts();
    ~QtChineseTexts();

    QtChineseTexts(const QtChineseTexts&) = delete;
    QtChineseTexts& operator=(const QtChineseTexts&) = delete;

    bool installed() const { return installed_; }

private:
    // Words of a text box's menu that the window puts otherwise than Qt's
    // translation; asked before it.
    class Wording : public QTranslator {
    public:
        QString translate(const char* context, const char* sourceText, const char* disambiguation,
                          int n) const override;
        bool isEmpty() const override { return false; }
    };

    QTranslator translation_;
    Wording wording_;
    bool installed_ = false;
};

}  // namespace tarrowin
