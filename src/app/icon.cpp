#include "app/icon.h"

#include <QPainter>
#include <QSvgRenderer>

namespace toevane {

namespace {
QString iconResource()
{
    return QStringLiteral(":/icons/toevane.svg");
}
} // namespace

QPixmap appPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(iconResource());
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

const QIcon &appIcon()
{
    static const QIcon icon = [] {
        QIcon built;
        for (int size : { 16, 32, 48 })
            built.addPixmap(appPixmap(size));
        return built;
    }();
    return icon;
}

} // namespace toevane
