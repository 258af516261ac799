#pragma once

#include <QIcon>
#include <QPixmap>

namespace toevane {

// The program's icon, in the sizes rendered from its SVG, shared by every
// window.
const QIcon &appIcon();
// The icon at the given size in device-independent pixels.
QPixmap appPixmap(int size);

} // namespace toevane
