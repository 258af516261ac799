#pragma once

#include <QMessageBox>

#include <functional>

namespace toevane {

enum class BoxStacking {
    WithItsWindow, // above the window on top of the program
    AboveAll, // kept above every window, also those kept on top, and raised
              // again when another copy's window comes above it
};

// The one place that builds the program's message boxes: application-modal,
// captioned "Toevane", parented to the window on top so that a window manager
// stacks the box above it. Returns the button that closed the box.
QMessageBox::StandardButton
showMessage(const QString &text, QMessageBox::Icon icon,
            QMessageBox::StandardButtons buttons = QMessageBox::Ok,
            QMessageBox::StandardButton defaultButton = QMessageBox::NoButton,
            BoxStacking stacking = BoxStacking::WithItsWindow);

// Test seam, for tests only: the program never sets it. While one is set,
// showMessage() shows no box: it appends what the caller asked for to
// `shown`, runs `whileShown` (where a box would wait for its answer) and
// returns the first of `answers` (taking it off), or NoButton when none is
// left. Null shows real boxes again.
struct MessageAnswers
{
    struct Box
    {
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons = QMessageBox::Ok;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
        friend bool operator==(const Box &, const Box &) = default;
    };
    QList<QMessageBox::StandardButton> answers;
    QList<Box> shown;
    std::function<void()> whileShown;
};
void setNextAnswers(MessageAnswers *answers);

} // namespace toevane
