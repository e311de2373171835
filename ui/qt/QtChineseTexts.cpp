#include "ui/qt/QtChineseTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include <cstring>

namespace tarrowin {

QString QtChineseTexts::Wording::translate(const char* context, const char* sourceText, const char*, int) const
{
    // Qt's translation writes the text boxes' Undo as 撤消, the older form,
    // though it writes 撤销 elsewhere; the current standard form is 撤销.
    const bool textBox = std::strcmp(context, "QLineEdit") == 0 || std::strcmp(context, "QWidgetTextControl") == 0;
    if (textBox && std::strcmp(sourceText, "&Undo") == 0)
        return QStringLiteral("撤销(&U)");
    return {};
}

QtChineseTexts::QtChineseTexts()
{
    if (!translation_.load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return;
    // The last installed is asked first.
    installed_ = QCoreApplication::installTranslator(&translation_) && QCoreApplication::installTranslator(&wording_);
}

QtChineseTexts::~QtChineseTexts()
{
    QCoreApplication::removeTranslator(&wording_);
    QCoreApplication::removeTranslator(&translation_);
}

}  // namespace tarrowin
