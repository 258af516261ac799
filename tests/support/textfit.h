#pragma once

#include <QStringList>

class QWidget;

// Lists every piece of text inside the window that does not fit the control
// showing it: labels (wrapped or not), buttons, check boxes, option buttons
// and group box titles. Each entry names the control and what it needs.
QStringList textThatDoesNotFit(const QWidget *window);
