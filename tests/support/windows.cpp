#include "support/windows.h"

#include "app/shutdown.h"
#include "questionnaire/frmmain.h"
#include "results/frmdisplay.h"
#include "support/modalboxanswerer.h"
#include "support/recorders.h"

#include <QMenu>
#include <QPointer>
#include <QRadioButton>

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

frmDisplay *answerAndFinish(frmMain &questionnaire, const std::array<int, 8> &answers)
{
    for (int page = 0; page < int(answers.size()); ++page) {
        const int answer = answers[std::size_t(page)];
        if (answer >= 0) {
            questionnaire.option(page, answer)->setChecked(true);
            questionnaire.cmdNext_Click(page);
        } else {
            ModalBoxAnswerer skip({ QMessageBox::No });
            questionnaire.cmdNext_Click(page);
            if (!skip.waitUntilAllAnswered())
                return nullptr;
        }
    }
    const auto shown = visibleWindows<frmDisplay>();
    return shown.size() == 1 ? shown.first() : nullptr;
}
