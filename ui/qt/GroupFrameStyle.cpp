#include "ui/qt/GroupFrameStyle.h"

#include <QApplication>
#include <QGroupBox>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>

#include <algorithm>

namespace tarrowin {
namespace {

constexpr auto fusionName = "fusion";

// Fusion leaves this much room above the frame's outline when the frame has
// no caption, and this much below the caption when it has one.
constexpr int outlineTopMargin = 3;

// The shades of Fusion's outline, each blended onto the surface beneath: a
// grey line with softened corners, a fainter line just inside it, and a faint
// shadow on the surface within.
const QColor lineColour(117, 117, 117, 50);
const QColor cornerColour(39, 39, 39, 13);
const QColor innerLineColour(0, 0, 0, 4);
const QColor innerCornerColour(90, 90, 90, 28);
const QColor insideColour(0, 0, 0, 3);

// The one-pixel ring just inside the edge of `box`, without its corners.
void fillRing(QPainter& painter, const QRect& box, const QColor& colour)
{
    painter.fillRect(QRect(box.left() + 1, box.top(), box.width() - 2, 1), colour);
    painter.fillRect(QRect(box.left() + 1, box.bottom(), box.width() - 2, 1), colour);
    painter.fillRect(QRect(box.left(), box.top() + 1, 1, box.height() - 2), colour);
    painter.fillRect(QRect(box.right(), box.top() + 1, 1, box.height() - 2), colour);
}

void fillCorners(QPainter& painter, const QRect& box, const QColor& colour)
{
    for (const QPoint corner : {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()})
        painter.fillRect(QRect(corner, QSize(1, 1)), colour);
}

}  // namespace

GroupFrameStyle::GroupFrameStyle() : QProxyStyle(QString::fromLatin1(fusionName)) {}

void GroupFrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                    const QWidget* widget) const
{
    if (element != PE_FrameGroupBox) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // The outline starts below the caption, or a little way down when there is none.
    const auto* frame = qobject_cast<const QGroupBox*>(widget);
    const bool captioned = !frame || frame->isCheckable() || !frame->title().isEmpty();
    const int captionHeight =
        captioned ? std::max(pixelMetric(PM_ExclusiveIndicatorHeight, option, widget), option->fontMetrics.height())
                  : 0;
    const QRect outline = option->rect.adjusted(1, captionHeight + outlineTopMargin + 1, 0, 0);

    // Plain rectangles: an antialiased rounded outline would cost the painter
    // more than the picture did.
    if (outline.width() < 4 || outline.height() < 4)
        return;
    fillRing(*painter, outline, lineColour);
    fillCorners(*painter, outline, cornerColour);
    const QRect inside = outline.adjusted(1, 1, -1, -1);
    painter->fillRect(inside, insideColour);
    fillRing(*painter, inside, innerLineColour);
    fillCorners(*painter, inside, innerCornerColour);
}

QStyle* GroupFrameStyle::forFrames()
{
    if (QApplication::style()->name().compare(QString::fromLatin1(fusionName), Qt::CaseInsensitive) != 0)
        return nullptr;
    static QPointer<GroupFrameStyle> style;
    if (!style) {
        style = new GroupFrameStyle;
        style->setParent(qApp);
    }
    return style;
}

}  // namespace tarrowin
