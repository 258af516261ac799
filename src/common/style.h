#pragma once

#include <QColor>
#include <QPixmap>
#include <QProxyStyle>
#include <QSet>

namespace toevane {

// The program's widget style: Fusion, which honours the fixed palettes on
// every desktop, pixel for pixel, with two things drawn the cheap way.
// - Group-box frames: Fusion stretches the uniform middle of a small
//   translucent picture over the whole frame; for the program's large frames
//   that made up a fifth of painting a window and started Qt's drawing
//   threads. Here the border comes from the same picture and the middle is
//   one fill of the same colour.
// - Push-button faces: Fusion keeps each rendered face under a key that names
//   the palette by identity, and every new window brings new palettes, so
//   every window rendered its faces anew and Qt's pixmap cache filled with
//   stale faces up to its limit (about 10 MiB over a thousand window
//   switches). Here a face is kept under its colours, state and size, from
//   the second time it is needed. And it is drawn for the pixel ratio of the
//   screen it is shown on, where Fusion draws for the highest of all screens.
// Where text runs right to left, access keys are not underlined (they still
// work): Qt draws an underlined letter as a glyph of its own, which breaks an
// Arabic word at that letter, in Qt's own buttons and menus too.
// Its pictures are read by Qt's PNG reader alone, so that no image plugin is
// loaded; the overflow arrow of menu bars is made from Fusion's own pictures
// that way.
class Style : public QProxyStyle
{
    Q_OBJECT

public:
    Style();

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr,
                  const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;

private:
    bool drawFrame(const QStyleOption &option, QPainter &painter, const QWidget *widget) const;
    bool drawButtonFace(PrimitiveElement element, const QStyleOption &option, QPainter &painter,
                        const QWidget *widget) const;

    mutable QPixmap m_framePicture; // read when the first frame is drawn
    mutable QColor m_frameMiddle; // its middle's colour; invalid if not one
    mutable QSet<QString> m_facesSeen; // looks of button faces drawn once
};

} // namespace toevane
