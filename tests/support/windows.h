#pragma once

#include <QApplication>
#include <QWidget>

#include <array>

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

class frmDisplay;
class frmMain;

// Answers every page of the questionnaire with answers[page] and presses
// Next each time; -1 leaves a page unanswered and answers the Toe Shape
// question with No. Returns the results window that opened, or null.
frmDisplay *answerAndFinish(frmMain &questionnaire, const std::array<int, 8> &answers);

// Runs EndProgram with the process end replaced, then deletes every window
// that is left, so that the next test starts with none (and with a new exit
// screen). Returns how often the process end was requested.
int endProgramAndClearWindows();
