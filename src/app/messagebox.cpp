#include "app/messagebox.h"

#include "app/apptext.h"

#include <QApplication>

namespace toevane {

namespace {

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

} // namespace

QMessageBox::StandardButton showMessage(const QString &text, QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, appTitle(), text, buttons, windowOnTop());
    box.setWindowModality(Qt::ApplicationModal);
    box.setTextFormat(Qt::PlainText);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
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
