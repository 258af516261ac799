#include "common/messagebox.h"

#include "common/apptext.h"
#include "common/windowhints.h"

#include <QApplication>
#include <QKeyEvent>

namespace toevane {

namespace {

MessageAnswers *nextAnswers = nullptr;

QWidget *windowOnTop()
{
    if (QWidget *active = QApplication::activeWindow())
        return active;
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *w : windows) {
        if (w->isVisible() && w->isWindow() && !w->inherits("QMenu"))
            return w;
    }
    return nullptr;
}

// A question that offers only Yes and No must be answered with one of them:
// Esc and the close box, which QMessageBox would take as No, do nothing.
class RequireAnswer : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Close) {
            event->ignore();
            return true;
        }
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent *>(event)->matches(QKeySequence::Cancel))
            return true;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void setNextAnswers(MessageAnswers *answers)
{
    nextAnswers = answers;
}

QMessageBox::StandardButton showMessage(const QString &text, QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton,
                                        BoxStacking stacking)
{
    if (nextAnswers) {
        nextAnswers->shown.append({ text, icon, buttons, defaultButton });
        if (nextAnswers->whileShown)
            nextAnswers->whileShown();
        return nextAnswers->answers.isEmpty() ? QMessageBox::NoButton
                                              : nextAnswers->answers.takeFirst();
    }
    QMessageBox box(icon, appTitle(), text, buttons, windowOnTop());
    box.setWindowModality(Qt::ApplicationModal);
    if (stacking == BoxStacking::AboveAll) {
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
        keepAboveOtherCopies(&box);
    }
    box.setTextFormat(Qt::PlainText);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    RequireAnswer requireAnswer;
    if (!buttons.testAnyFlags(QMessageBox::Ok | QMessageBox::Cancel))
        box.installEventFilter(&requireAnswer);
    const int result = box.exec();
    // exec() returns the standard button; -1 or 0 when the box was dismissed
    // by other means, which for a box with one button means that button.
    const auto pressed = static_cast<QMessageBox::StandardButton>(result);
    if (buttons.testFlag(pressed))
        return pressed;
    if (box.escapeButton())
        return box.standardButton(box.escapeButton());
    return QMessageBox::NoButton;
}

} // namespace toevane
