#pragma once

#include <QApplication>
#include <QWidget>

// Finding and clearing the program's top-level windows in tests.

// Every visible top-level window of the given class.
template<typename Window> QList<Window *> visibleWindows()
{
    QList<Window *> found;
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *widget : windows) {
        if (auto *window = qobject_cast<Window *>(widget); window && window->isVisible())
            found.append(window);
    }
    return found;
}

// Number of visible top-level windows of any kind (menus excluded).
int visibleWindowCount();

// Runs EndProgram with the process end replaced, then deletes every window
// that is left, so that the next test starts with none (and with a new exit
// screen). Returns how often the process end was requested.
int endProgramAndClearWindows();
