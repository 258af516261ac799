#include "common/style.h"

#include <qdrawutil.h>
#include <QGroupBox>
#include <QPainter>
#include <QPixmap>
#include <QStyleFactory>
#include <QStyleOption>

#include <algorithm>
#include <cmath>

namespace toevane {

namespace {

// Fusion's frame picture, its border width and its space above the frame.
constexpr auto kFramePicture = ":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png";
constexpr int kBorder = 6;
constexpr int kTopMargin = 3;
// The most pixel rows one translucent fill may cover without Qt handing it
// to its drawing threads.
constexpr int kRowsPerFill = 64;

// The colour of the picture's middle, which Fusion stretches over a frame's
// inside; invalid where the middle is not of one colour.
QColor frameMiddleColour()
{
    static const QColor colour = [] {
        const QImage picture = QPixmap(QLatin1String(kFramePicture)).toImage();
        const QRect middle = picture.rect().adjusted(kBorder, kBorder, -kBorder, -kBorder);
        if (middle.isEmpty())
            return QColor();
        const QRgb first = picture.pixel(middle.topLeft());
        for (int y = middle.top(); y <= middle.bottom(); ++y) {
            for (int x = middle.left(); x <= middle.right(); ++x) {
                if (picture.pixel(x, y) != first)
                    return QColor();
            }
        }
        return QColor::fromRgba(first);
    }();
    return colour;
}

// Where Fusion draws a group box's frame within the box.
QRect frameRect(const QStyle &style, const QStyleOption &option, const QWidget *widget)
{
    const auto *box = qobject_cast<const QGroupBox *>(widget);
    const int top = box && !box->isCheckable() && box->title().isEmpty()
        ? kTopMargin
        : qMax(style.pixelMetric(QStyle::PM_ExclusiveIndicatorHeight), option.fontMetrics.height()) +
            kTopMargin;
    return option.rect.adjusted(0, top, 0, 0);
}

} // namespace

Style::Style()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
}

void Style::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                          const QWidget *widget) const
{
    if (element != PE_FrameGroupBox || !option || !painter) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const QRect frame = frameRect(*this, *option, widget);
    const QRect middle = frame.adjusted(kBorder, kBorder, -kBorder, -kBorder);
    const QColor middleColour = frameMiddleColour();
    if (middle.isEmpty() || !middleColour.isValid()) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // The border as Fusion draws it, side by side, so that no part of the
    // picture is stretched over the middle. The sides and the middle are drawn
    // in bands of a few dozen pixel rows: a translucent fill of more rows would
    // start Qt's drawing threads, which cost more than they save here.
    const QPixmap picture { QLatin1String(kFramePicture) };
    const QRect source = picture.rect();
    const int b = kBorder;
    const QMargins leftRight(b, 0, b, 0);
    qDrawBorderPixmap(painter, QRect(frame.left(), frame.top(), frame.width(), b), leftRight,
                      picture, QRect(source.left(), source.top(), source.width(), b), leftRight);
    qDrawBorderPixmap(painter, QRect(frame.left(), middle.bottom() + 1, frame.width(), b),
                      leftRight, picture,
                      QRect(source.left(), source.bottom() + 1 - b, source.width(), b), leftRight);
    const QRect leftSource(source.left(), source.top() + b, b, source.height() - 2 * b);
    const QRect rightSource(source.right() + 1 - b, source.top() + b, b, source.height() - 2 * b);
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
    const int bandRows = std::max(1, int(kRowsPerFill / std::ceil(ratio)));
    for (int top = middle.top(); top <= middle.bottom(); top += bandRows) {
        const int rows = std::min(bandRows, middle.bottom() + 1 - top);
        qDrawBorderPixmap(painter, QRect(frame.left(), top, b, rows), QMargins(b, 0, 0, 0),
                          picture, leftSource, QMargins(b, 0, 0, 0));
        qDrawBorderPixmap(painter, QRect(middle.right() + 1, top, b, rows), QMargins(0, 0, b, 0),
                          picture, rightSource, QMargins(0, 0, b, 0));
        painter->fillRect(QRect(middle.left(), top, middle.width(), rows), middleColour);
    }
}

} // namespace toevane
