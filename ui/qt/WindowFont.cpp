#include "ui/qt/WindowFont.h"

#include <QFontDatabase>
#include <QStringList>

namespace tarrowin {

QFont windowFont()
{
    static const bool registered =
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/tarrowin-sans.ttf")) >= 0;
    (void)registered;  // without it, the faces after it stand in

    // The face it was cut from comes first among the stand-ins: its Latin is
    // as narrow as the carried face's, so the unit captions still fit.
    QFont font;
    font.setFamilies({QString::fromLatin1(windowFontFamily), QStringLiteral("Noto Sans Mono CJK SC"),
                      QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Microsoft YaHei"),
                      QStringLiteral("PingFang SC"), QStringLiteral("WenQuanYi Micro Hei"),
                      QStringLiteral("Source Han Sans SC")});
    font.setPixelSize(12);
    // The carried outlines have no hinting instructions; hinting them would
    // run FreeType's automatic hinter on every glyph, for little gain at
    // this size.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

}  // namespace tarrowin
