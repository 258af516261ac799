#include "support/windows.h"

#include "app/shutdown.h"
#include "support/recorders.h"

#include <QMenu>
#include <QPointer>

int visibleWindowCount()
{
    int count = 0;
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *widget : windows) {
        if (widget->isVisible() && !qobject_cast<QMenu *>(widget))
            ++count;
    }
    return count;
}

int endProgramAndClearWindows()
{
    int ends = 0;
    {
        ProcessEndRecorder recorder;
        modHelp::EndProgram();
        ends = recorder.count();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QList<QPointer<QWidget>> left;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (!widget->parentWidget())
            left.append(widget);
    }
    for (const QPointer<QWidget> &widget : std::as_const(left))
        delete widget.data();
    return ends;
}
