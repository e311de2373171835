#pragma once

#include <QProxyStyle>

namespace tarrowin {

// Fusion, with the outline of a group frame drawn by the painter.
//
// Fusion draws that outline from a picture it reads when the first frame is
// painted, without naming the picture's format; Qt then loads every image
// plugin (and libjpeg) only to ask whether it reads PNG, about 2 M
// instructions of start-up. The outline drawn here has the same place,
// corners and shades.
class GroupFrameStyle final : public QProxyStyle {
public:
    GroupFrameStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;

    // The style for the window's frames: this one when the application draws
    // with Fusion, and none (the application's own style) otherwise. The
    // application owns it, so that it outlives every frame that uses it.
    static QStyle* forFrames();
};

}  // namespace tarrowin
