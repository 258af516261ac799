#pragma once

#include <QColor>
#include <QFont>

class QAbstractButton;
class QLabel;
class QPushButton;
class QRect;
class QWidget;

// The program's colours and fonts. Fonts are built once and shared.
namespace toevane::look {

inline constexpr QColor kPurple { 87, 53, 96 };
inline constexpr QColor kPink { 255, 128, 255 };
inline constexpr QColor kYellow { 255, 255, 0 };
inline constexpr QColor kLightOrange { 255, 192, 128 };
inline constexpr QColor kOrange { 255, 128, 0 };
inline constexpr QColor kLightCyan { 128, 255, 255 };
inline constexpr QColor kLightGrey { 192, 192, 192 };
inline constexpr QColor kWhite { 255, 255, 255 };
inline constexpr QColor kBlack { 0, 0, 0 };
inline constexpr QColor kDarkBlue { 0, 0, 128 };
inline constexpr QColor kLinkBlue { 0, 0, 192 };

enum class Weight { Regular, Bold };
enum class Underline { No, Yes };

// "Verdana" at the given size, and DejaVu Sans, its stand-in, where Verdana
// is not installed. The stand-in is alike in look, not in measure: the
// layouts leave room for it (and for Liberation Sans and Noto Sans).
const QFont &verdana(qreal pointSize, Weight weight = Weight::Regular,
                     Underline underline = Underline::No);
// The classic dialog face of the exit screen, with the same stand-in.
const QFont &sansSerif(qreal pointSize);

// Keeps a label's text on its one line: where the font the system gives runs
// wider than the label, the letters are set a little closer (by at most 0.6
// px each), never smaller.
void fitOnOneLine(QLabel *label);

// Text colour of a widget (its WindowText, Text and ButtonText roles).
void setTextColor(QWidget *widget, const QColor &color);
// Opaque background of a widget (its Window role, filled).
void setBackground(QWidget *widget, const QColor &color);
// Face colour of a push button or a check box drawn as one.
void setButtonColor(QWidget *widget, const QColor &color);

// Makes the button's access key (Alt and the underlined letter) press it at
// once, every time: Qt would animate each press for 100 ms and drop the
// presses that come meanwhile, as key repeat does.
void pressAtOnceOnAccessKey(QAbstractButton *button);

// The main windows' light grey push button with a bold caption; Enter on it
// while it has the focus presses it, and so does its access key at once.
QPushButton *greyButton(const QString &objectName, const QString &caption, const QRect &geometry,
                        QWidget *parent);

} // namespace toevane::look
