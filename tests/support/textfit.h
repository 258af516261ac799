#pragma once

#include <QStringList>

class QWidget;

// Lists every piece of text inside the window that does not fit the control
// showing it: labels (wrapped or not), buttons, check boxes, option buttons
// and group box titles. Each entry names the control and what it needs.
QStringList textThatDoesNotFit(const QWidget *window);

// Lists every control whose name for screen readers (as Qt's accessibility
// interface gives it) is not its own caption: titled frames and pages, push,
// option and check buttons (access-key ampersands removed), labels that show
// text, and text boxes, whose name must be their own and not a frame's title.
QStringList controlsNotNamedByTheirCaption(const QWidget *window);
