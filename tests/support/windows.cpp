#include "support/windows.h"

#include "links/linklabel.h"
#include "questionnaire/catalogue.h"
#include "questionnaire/frmmain.h"
#include "results/frmdisplay.h"
#include "support/isolation.h"
#include "support/recorders.h"

#include <QMenu>
#include <QPointer>
#include <QPushButton>
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

toevane::ShellServices testServices(const ProcessEndRecorder &ends, toevane::SeedSource clockSeed)
{
    toevane::ShellServices services;
    services.lockPath = isolatedLockPath();
    services.endProcess = ends.handler();
    if (clockSeed)
        services.clockSeed = std::move(clockSeed);
    return services;
}

bool clickButton(QWidget *window, const QString &objectName)
{
    auto *button = window->findChild<QAbstractButton *>(objectName);
    if (!button || !button->isEnabled() || !button->isVisibleTo(window))
        return false;
    button->click();
    return true;
}

toevane::frmDisplay *finishReading(toevane::Shell &shell, int round)
{
    std::array<int, 8> answers {};
    for (int page = 0; page < toevane::catalogue::kQuestionCount; ++page)
        answers[std::size_t(page)] =
            (round + page) % toevane::catalogue::question(page).answerCount();
    auto *questionnaire = qobject_cast<toevane::frmMain *>(shell.mainWindow());
    return questionnaire ? answerAndFinish(*questionnaire, answers) : nullptr;
}

QString frontPromoLabel(toevane::frmMain &window)
{
    toevane::LinkLabel *cobrand = window.coBrandLabel();
    QWidget *front = cobrand->parentWidget()->childAt(cobrand->geometry().center());
    return front ? front->objectName() : QString();
}

void endProgramAndClearWindows(toevane::Shell &shell)
{
    shell.EndProgram();
    clearWindows();
}

void clearWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QList<QPointer<QWidget>> left;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (!widget->parentWidget())
            left.append(widget);
    }
    for (const QPointer<QWidget> &widget : std::as_const(left))
        delete widget.data();
}

toevane::frmDisplay *answerAndFinish(toevane::frmMain &questionnaire,
                                     const std::array<int, 8> &answers)
{
    for (int page = 0; page < int(answers.size()); ++page) {
        const int answer = answers[std::size_t(page)];
        const QString next = QStringLiteral("cmdNext_%1").arg(page);
        if (answer >= 0) {
            questionnaire.option(page, answer)->setChecked(true);
            if (!clickButton(&questionnaire, next))
                return nullptr;
        } else {
            BoxAnswerer skip({ QMessageBox::No });
            if (!clickButton(&questionnaire, next) || skip.shown.size() != 1)
                return nullptr;
        }
    }
    const auto shown = visibleWindows<toevane::frmDisplay>();
    return shown.size() == 1 ? shown.first() : nullptr;
}
