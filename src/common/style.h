#pragma once

#include <QProxyStyle>

namespace toevane {

// The program's widget style: Fusion, which honours the fixed palettes on
// every desktop, with one thing drawn the cheap way. Fusion paints a group
// box's frame from a small translucent picture whose uniform middle it
// stretches over the whole frame; for the program's large frames that made
// up a fifth of painting a window and started Qt's drawing threads. Here the
// border comes from the same picture and the middle is one fill of the same
// colour, pixel for pixel what Fusion draws.
class Style : public QProxyStyle
{
    Q_OBJECT

public:
    Style();

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
};

} // namespace toevane
