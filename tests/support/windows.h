#pragma once

#include "app/shell.h"

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QWidget>

#include <array>

class ProcessEndRecorder;

// Finding, driving and clearing the program's windows in tests.

// Every visible top-level window of the given class.
template<typename Window> QList<Window *> visibleWindows()
{
    QList<Window *> found;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<Window *>(widget); window && window->isVisible())
            found.append(window);
    }
    return found;
}

// Number of visible top-level windows of any kind (menus excluded).
inline int visibleWindowCount()
{
    return int(visibleWindows<QWidget>().size() - visibleWindows<QMenu>().size());
}

// The services of a Shell under test: the instance lock in the test's own
// folder (see isolateTestSettings()), the process end counted by the
// recorder, and the given clock seed when there is one.
toevane::ShellServices testServices(const ProcessEndRecorder &ends,
                                    toevane::SeedSource clockSeed = {});

// Clicks the child push button of that objectName; false when there is none
// or it is disabled or hidden.
bool clickButton(QWidget *window, const QString &objectName);

// Answers every page of the questionnaire with answers[page] and presses
// Next each time; -1 leaves a page unanswered and answers the Toe Shape
// question with No. Returns the results window that opened, or null.
toevane::frmDisplay *answerAndFinish(toevane::frmMain &questionnaire,
                                     const std::array<int, 8> &answers);

// Answers the shell's questionnaire as answerAndFinish() does, with answer
// (round + page) modulo the page's count, so that successive rounds show
// every answer in turn.
toevane::frmDisplay *finishReading(toevane::Shell &shell, int round = 0);

// The objectName of the promotional label a click in the window's
// promotional box would reach.
QString frontPromoLabel(toevane::frmMain &window);

// Deletes every top-level window that is left.
void clearWindows();

// Runs the shell's EndProgram (its process end must be a recorder's), then
// deletes every window that is left, so that the next test starts with none.
inline void endProgramAndClearWindows(toevane::Shell &shell)
{
    shell.EndProgram();
    clearWindows();
}

// Shows the window and waits until it is active: the window, or null if it
// never becomes active.
template<typename Window> Window *shownActive(Window *window)
{
    window->show();
    return QTest::qWaitForWindowActive(window) ? window : nullptr;
}
