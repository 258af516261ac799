#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace toevane {

// The program's icon, in the sizes rendered from its SVG, shared by every
// window.
const QIcon &appIcon();
// The icon at the given size in device-independent pixels.
QPixmap appPixmap(int size);

// A PNG picture from the program's or Qt's resources, read by Qt's built-in
// PNG reader alone; null when it cannot be read. Read the usual way
// (QPixmap(path), QIcon::addFile), a picture makes Qt ask every installed
// image plugin whether it reads PNG, and so load them all, with Qt's SVG
// module: on Debian about 1 ms and 400 KiB.
QPixmap pngPicture(const QString &path);

} // namespace toevane
