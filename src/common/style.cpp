#include "common/style.h"

#include "common/icon.h"

#include <QApplication>
#include <QGroupBox>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyleFactory>
#include <QStyleOption>
#include <qdrawutil.h>

#include <algorithm>
#include <cmath>

namespace toevane {

namespace {

// Where Qt keeps the pictures of its styles.
constexpr auto kQtPictures = ":/qt-project.org/styles/commonstyle/images/";
// Fusion's frame picture, its border width and its space above the frame.
constexpr auto kFramePicture = "fusion_groupbox.png";
constexpr int kBorder = 6;
constexpr int kTopMargin = 3;
// The most pixel rows one translucent fill may cover without Qt handing it
// to its drawing threads.
constexpr int kRowsPerFill = 64;

// The colour of the picture's middle, which Fusion stretches over a frame's
// inside; invalid where the middle is not of one colour.
QColor middleColour(const QPixmap &framePicture)
{
    const QImage picture = framePicture.toImage();
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
}

// The pictures Fusion makes the overflow arrow of a menu bar or tool bar
// from, in the order of their sizes; empty for any other icon.
QStringList overflowArrowPictures(QStyle::StandardPixmap icon, const QStyleOption *option)
{
    const bool rightToLeft =
        option ? option->direction == Qt::RightToLeft : QGuiApplication::isRightToLeft();
    QString pattern;
    QList<int> sizes;
    if (icon == QStyle::SP_ToolBarHorizontalExtensionButton) {
        pattern = rightToLeft ? QStringLiteral("toolbar-ext-h-rtl-%1.png")
                              : QStringLiteral("toolbar-ext-h-%1.png");
        sizes = { 8, 16, 32 };
    } else if (icon == QStyle::SP_ToolBarVerticalExtensionButton) {
        pattern = QStringLiteral("toolbar-ext-v-%1.png");
        sizes = { 5, 10, 20 };
    }
    QStringList pictures;
    for (int size : std::as_const(sizes))
        pictures << QLatin1String(kQtPictures) + pattern.arg(size);
    return pictures;
}

// Where Fusion draws a group box's frame within the box.
QRect frameRect(const QStyle &style, const QStyleOption &option, const QWidget *widget)
{
    const auto *box = qobject_cast<const QGroupBox *>(widget);
    const int top = box && !box->isCheckable() && box->title().isEmpty()
        ? kTopMargin
        : qMax(style.pixelMetric(QStyle::PM_ExclusiveIndicatorHeight),
               option.fontMetrics.height()) +
            kTopMargin;
    return option.rect.adjusted(0, top, 0, 0);
}

// What a push button's face looks like: its state, direction, features,
// size, the pixel ratio it is drawn for and every brush of its palette.
// Empty where a brush of the palette is a gradient or a picture.
QString buttonFaceKey(const QStyleOption &option, qreal ratio)
{
    QByteArray looks;
    const auto add = [&looks](quint32 value) {
        looks.append(reinterpret_cast<const char *>(&value), sizeof value);
    };
    add(quint32(option.state));
    add(quint32(option.direction));
    add(quint32(option.palette.currentColorGroup()));
    if (const auto *button = qstyleoption_cast<const QStyleOptionButton *>(&option))
        add(quint32(button->features));
    add(quint32(option.rect.width()));
    add(quint32(option.rect.height()));
    add(quint32(qRound(ratio * 100))); // the picture's pixel ratio
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const QBrush &brush =
                option.palette.brush(QPalette::ColorGroup(group), QPalette::ColorRole(role));
            if (brush.gradient() || brush.style() == Qt::TexturePattern)
                return QString();
            add(quint32(brush.style()));
            add(brush.color().rgba());
        }
    }
    return QStringLiteral("toevane-button-face-") + QString::fromLatin1(looks.toBase64());
}

// A push button's face as the style draws it, for the pixel ratio. Qt 6.4's
// Fusion draws a face into a picture of the application's pixel ratio, the
// highest of all screens, wherever the painter only moves and scales, and
// scales that picture to the painter: on a screen of a lower ratio the face
// came out blurred. Turned by a quarter, the painter makes Fusion draw
// directly, for any ratio, and the face is turned back.
QImage buttonFacePicture(const QStyle &fusion, QStyle::PrimitiveElement element,
                         const QStyleOption &option, qreal ratio, const QWidget *widget)
{
    const bool turned = ratio != qApp->devicePixelRatio();
    const QSize size = option.rect.size();
    QImage picture((turned ? size.transposed() : size) * ratio,
                   QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(turned ? 1.0 : ratio);
    picture.fill(Qt::transparent);
    QPainter onPicture(&picture);
    if (turned) {
        onPicture.translate(picture.width(), 0);
        onPicture.rotate(90);
        onPicture.scale(ratio, ratio);
    }
    onPicture.translate(-option.rect.topLeft());
    fusion.drawPrimitive(element, &option, &onPicture, widget);
    onPicture.end();
    if (turned)
        picture = picture.transformed(QTransform().rotate(-90));
    picture.setDevicePixelRatio(ratio);
    return picture;
}

} // namespace

Style::Style()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
}

void Style::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                          const QWidget *widget) const
{
    const bool drawn = option && painter &&
        ((element == PE_FrameGroupBox && drawFrame(*option, *painter, widget)) ||
         (element == PE_PanelButtonCommand && drawButtonFace(element, *option, *painter, widget)));
    if (!drawn)
        QProxyStyle::drawPrimitive(element, option, painter, widget);
}

int Style::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                     QStyleHintReturn *returnData) const
{
    if (hint == SH_UnderlineShortcut &&
        ((option && option->direction == Qt::RightToLeft) ||
         (widget ? widget->isRightToLeft() : QGuiApplication::isRightToLeft())))
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QIcon Style::standardIcon(StandardPixmap icon, const QStyleOption *option,
                          const QWidget *widget) const
{
    // Every menu bar asks for its overflow arrow when it is made, and
    // Fusion reads the arrow's pictures through QIcon::addFile, which loads
    // every image plugin (see pngPicture()). These are the same pictures.
    const QStringList pictures = overflowArrowPictures(icon, option);
    if (pictures.isEmpty())
        return QProxyStyle::standardIcon(icon, option, widget);
    QIcon arrow;
    for (const QString &picture : pictures)
        arrow.addPixmap(pngPicture(picture));
    return arrow;
}

bool Style::drawFrame(const QStyleOption &option, QPainter &painter, const QWidget *widget) const
{
    if (m_framePicture.isNull()) {
        m_framePicture = pngPicture(QLatin1String(kQtPictures) + QLatin1String(kFramePicture));
        m_frameMiddle = middleColour(m_framePicture);
    }
    const QRect frame = frameRect(*this, option, widget);
    const QRect middle = frame.adjusted(kBorder, kBorder, -kBorder, -kBorder);
    if (middle.isEmpty() || !m_frameMiddle.isValid())
        return false;
    // The border as Fusion draws it, side by side, so that no part of the
    // picture is stretched over the middle. The sides and the middle are drawn
    // in bands of a few dozen pixel rows: a translucent fill of more rows would
    // start Qt's drawing threads, which cost more than they save here.
    const QPixmap &picture = m_framePicture;
    const QRect source = picture.rect();
    const int b = kBorder;
    const QMargins leftRight(b, 0, b, 0);
    qDrawBorderPixmap(&painter, QRect(frame.left(), frame.top(), frame.width(), b), leftRight,
                      picture, QRect(source.left(), source.top(), source.width(), b), leftRight);
    qDrawBorderPixmap(&painter, QRect(frame.left(), middle.bottom() + 1, frame.width(), b),
                      leftRight, picture,
                      QRect(source.left(), source.bottom() + 1 - b, source.width(), b), leftRight);
    const QRect leftSource(source.left(), source.top() + b, b, source.height() - 2 * b);
    const QRect rightSource(source.right() + 1 - b, source.top() + b, b, source.height() - 2 * b);
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatio() : 1.0;
    const int bandRows = std::max(1, int(kRowsPerFill / std::ceil(ratio)));
    for (int top = middle.top(); top <= middle.bottom(); top += bandRows) {
        const int rows = std::min(bandRows, middle.bottom() + 1 - top);
        qDrawBorderPixmap(&painter, QRect(frame.left(), top, b, rows), QMargins(b, 0, 0, 0),
                          picture, leftSource, QMargins(b, 0, 0, 0));
        qDrawBorderPixmap(&painter, QRect(middle.right() + 1, top, b, rows), QMargins(0, 0, b, 0),
                          picture, rightSource, QMargins(0, 0, b, 0));
        painter.fillRect(QRect(middle.left(), top, middle.width(), rows), m_frameMiddle);
    }
    return true;
}

bool Style::drawButtonFace(PrimitiveElement element, const QStyleOption &option, QPainter &painter,
                           const QWidget *widget) const
{
    // Fusion renders a button face into a picture once and keeps it under a
    // key that names the palette by its identity; the same colours in a new
    // window are a new palette. Here the key names the colours themselves
    // and everything else Fusion's key names, and the picture is Fusion's own
    // drawing, so a face is drawn once per look instead of once per window.
    // The first time a look is asked for, Fusion draws and keeps it its own
    // way: most looks appear in one window only, and a second picture of
    // each would add to the start's memory.
    const int transform = painter.deviceTransform().type() | painter.worldTransform().type();
    const bool cacheable = !option.rect.isEmpty() &&
        (transform <= QTransform::TxTranslate ||
         painter.deviceTransform().type() == QTransform::TxScale);
    // Drawn for the pixel ratio of the screen the face is shown on (of the
    // picture it is drawn into), which Fusion gets right only where that is
    // the application's ratio.
    const qreal ratio = painter.device()->devicePixelRatio();
    const QString key = cacheable ? buttonFaceKey(option, ratio) : QString();
    if (key.isEmpty())
        return false;
    QPixmap face;
    if (!QPixmapCache::find(key, &face)) {
        if (ratio == qApp->devicePixelRatio() && !m_facesSeen.contains(key)) {
            m_facesSeen.insert(key);
            return false;
        }
        face = QPixmap::fromImage(buttonFacePicture(*baseStyle(), element, option, ratio, widget));
        QPixmapCache::insert(key, face);
    }
    painter.drawPixmap(option.rect.topLeft(), face);
    return true;
}

} // namespace toevane
