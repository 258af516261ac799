#include "support/windows.h"

#include "links/linklabel.h"
#include "questionnaire/catalogue.h"
#include "questionnaire/frmmain.h"
#include "results/frmdisplay.h"
#include "support/isolation.h"
#include "support/recorders.h"

#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

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
        if (answer >= 0)
            questionnaire.option(page, answer)->setChecked(true);
        BoxAnswerer skip({ QMessageBox::No }); // asked only for a page left unanswered
        if (!clickButton(&questionnaire, QStringLiteral("cmdNext_%1").arg(page)) ||
            skip.shown.size() != (answer < 0 ? 1 : 0))
            return nullptr;
    }
    const auto shown = visibleWindows<toevane::frmDisplay>();
    return shown.size() == 1 ? shown.first() : nullptr;
}
