#include "common/icon.h"

namespace toevane {

const QIcon &appIcon()
{
    // Drawn from the SVG at whatever size and pixel ratio a window asks for,
    // by Qt's SVG icon engine.
    static const QIcon icon(QStringLiteral(":/icons/toevane.svg"));
    return icon;
}

QPixmap appPixmap(int size)
{
    return appIcon().pixmap(size);
}

} // namespace toevane
