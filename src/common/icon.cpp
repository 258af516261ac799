#include "common/icon.h"

#include <QImageReader>

namespace toevane {

const QIcon &appIcon()
{
    // Renditions of the SVG (scripts/render-icons) of 16, 32 and 64 pixels,
    // enough for a title bar and a 32-pixel picture at twice the density.
    static const QIcon icon = [] {
        QIcon built;
        for (int size : { 16, 32, 64 })
            built.addPixmap(pngPicture(QStringLiteral(":/icons/toevane-%1.png").arg(size)));
        return built;
    }();
    return icon;
}

QPixmap appPixmap(int size)
{
    return appIcon().pixmap(size);
}

QPixmap pngPicture(const QString &path)
{
    QImageReader reader(path, "png");
    // Without this, a reader asks every plugin whether it takes the format.
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace toevane
