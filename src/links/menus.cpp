#include "links/menus.h"

#include "links/modhelp.h"

#include <QMainWindow>
#include <QMenuBar>

namespace toevane {

namespace {

QAction *addItem(QWidget *menu, const char *name, const QString &caption)
{
    auto *action = new QAction(caption, menu);
    action->setObjectName(QString::fromLatin1(name));
    menu->addAction(action);
    return action;
}

template<typename Slot>
QAction *addItem(QWidget *menu, const char *name, const QString &caption, Slot slot)
{
    QAction *action = addItem(menu, name, caption);
    QObject::connect(action, &QAction::triggered, menu, slot);
    return action;
}

QAction *addSeparator(QMenu *menu, const char *name)
{
    QAction *separator = menu->addSeparator();
    separator->setObjectName(QString::fromLatin1(name));
    return separator;
}

} // namespace

void mnuOnline_Click()
{
    modHelp::OpenHelpPage();
}

void mnuVisit_Click()
{
    modHelp::OpenHomePage();
}

void mnuUpdate_Click()
{
    // Straight to the download page: no question, and the update reminder's
    // remembered date is left alone.
    modHelp::OpenDownloadPage();
}

void mnuDonate_Click()
{
    modHelp::OpenDonatePage();
}

void mnuMakeMoneyOnline_Click()
{
    modHelp::OpenFullBrandPage();
}

MainMenuActions buildMainMenuBar(QMainWindow *window, MainWindowKind kind)
{
    const bool results = kind == MainWindowKind::Results;
    QMenuBar *bar = window->menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    bar->setNativeMenuBar(false);
    MainMenuActions actions;

    QMenu *file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    file->menuAction()->setObjectName(QStringLiteral("mnuFile"));
    if (results)
        actions.back = addItem(file, "mnuFileBack", QStringLiteral("&Back"));
    actions.exit = addItem(file, "mnuExit", QStringLiteral("E&xit"));

    QMenu *help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    help->menuAction()->setObjectName(QStringLiteral("mnuHelp"));
    addItem(help, "mnuOnline", QStringLiteral("&Online Help"), &mnuOnline_Click);
    addItem(help, "mnuVisit", QStringLiteral("&Visit Us Online"), &mnuVisit_Click);
    addSeparator(help, results ? "mnuFileSep1" : "mnuHelp1");
    addItem(help, "mnuUpdate",
            results ? QStringLiteral("&Check for Software Update")
                    : QStringLiteral("Check for Software &Update"),
            &mnuUpdate_Click);
    addSeparator(help, results ? "mnuFileSep2" : "mnuHelp2");
    actions.about = addItem(help, "mnuAbout", QStringLiteral("&About Software"));

    addItem(bar, "mnuDonate", QStringLiteral("&Donate"), &mnuDonate_Click);
    QAction *makeMoney = addItem(bar, "mnuMakeMoneyOnline", QStringLiteral("Make Money &Online"),
                                 &mnuMakeMoneyOnline_Click);
    // Switched off for good: shown greyed out, never choosable.
    makeMoney->setEnabled(false);

    return actions;
}

} // namespace toevane
