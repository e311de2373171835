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

// The shades of Fusion's outline: a grey line, a fainter line just inside it,
// and a faint shadow on the surface within.
const QColor outlineColour(117, 117, 117, 46);
const QColor innerLineColour(0, 0, 0, 4);
const QColor insideColour(0, 0, 0, 3);
constexpr qreal cornerRadius = 2.0;

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

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setPen(outlineColour);
    painter->setBrush(insideColour);
    // Half a pixel in, so that the one-pixel line falls on whole pixels.
    painter->drawRoundedRect(QRectF(outline).adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius, cornerRadius);
    painter->setPen(innerLineColour);
    painter->setBrush(Qt::NoBrush);
    painter->drawRoundedRect(QRectF(outline).adjusted(1.5, 1.5, -1.5, -1.5), cornerRadius - 1, cornerRadius - 1);
    painter->restore();
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
