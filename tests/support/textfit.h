#pragma once

#include <QMap>
#include <QStringList>

class QWidget;

// Every text of labels, buttons, frame titles and menu bars that does not fit
// its control, naming the control and what it needs.
QStringList textThatDoesNotFit(const QWidget *window);

// Every control whose name for screen readers is not its own caption (without
// access-key ampersands): frames, buttons, labels that show text, and text
// boxes, whose name must be their own and not a frame's title.
QStringList controlsNotNamedByTheirCaption(const QWidget *window);

// The texts the window's controls and menus show, each under the path of
// object names to it; a control wholly outside its frame is left out.
QMap<QString, QString> controlTexts(const QWidget *window);

// In a window written right to left, lists every button whose text is not
// drawn as it is without its access-key marker: Qt draws an underlined
// letter apart, which breaks an Arabic word there.
QStringList wordsBrokenAtAccessKeys(QWidget *window);

// Lists every access key that two controls of one scope share: the window's
// visible buttons with the menu bar's menus, each menu's items, and the
// window's own commands (its right-click menu).
QStringList accessKeysUsedTwice(const QWidget *window);
