#include "links/menus.h"

#include "links/modhelp.h"

#include <QCoreApplication>
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

QString menuText(const char *source)
{
    return QCoreApplication::translate("toevane::menus", source);
}

// The handlers of the shared link items, the same in both windows: each only
// opens its page.
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

} // namespace

MainMenuActions buildMainMenuBar(QMainWindow *window, MainWindowKind kind)
{
    const bool results = kind == MainWindowKind::Results;
    QMenuBar *bar = window->menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    bar->setNativeMenuBar(false);
    MainMenuActions actions;

    QMenu *file = bar->addMenu(menuText(QT_TRANSLATE_NOOP("toevane::menus", "&File")));
    file->setObjectName(QStringLiteral("mnuFile"));
    file->menuAction()->setObjectName(QStringLiteral("mnuFile"));
    if (results)
        actions.back =
            addItem(file, "mnuFileBack", menuText(QT_TRANSLATE_NOOP("toevane::menus", "&Back")));
    actions.exit = addItem(file, "mnuExit", menuText(QT_TRANSLATE_NOOP("toevane::menus", "E&xit")));

    QMenu *help = bar->addMenu(menuText(QT_TRANSLATE_NOOP("toevane::menus", "&Help")));
    help->setObjectName(QStringLiteral("mnuHelp"));
    help->menuAction()->setObjectName(QStringLiteral("mnuHelp"));
    addItem(help, "mnuOnline", menuText(QT_TRANSLATE_NOOP("toevane::menus", "&Online Help")),
            &mnuOnline_Click);
    addItem(help, "mnuVisit", menuText(QT_TRANSLATE_NOOP("toevane::menus", "&Visit Us Online")),
            &mnuVisit_Click);
    addSeparator(help, results ? "mnuFileSep1" : "mnuHelp1");
    //: The questionnaire's item.
    const char *update = QT_TRANSLATE_NOOP("toevane::menus", "Check for Software &Update");
    if (results) {
        //: The results window's item.
        update = QT_TRANSLATE_NOOP("toevane::menus", "&Check for Software Update");
    }
    addItem(help, "mnuUpdate", menuText(update), &mnuUpdate_Click);
    addSeparator(help, results ? "mnuFileSep2" : "mnuHelp2");
    actions.about =
        addItem(help, "mnuAbout", menuText(QT_TRANSLATE_NOOP("toevane::menus", "&About Software")));

    //: A menu of the menu bar, whose four menus share 484 pixels at 8.25 pt.
    addItem(bar, "mnuDonate", menuText(QT_TRANSLATE_NOOP("toevane::menus", "&Donate")),
            &mnuDonate_Click);
    //: The menu bar's last menu, always greyed out; the four menus share 484
    //: pixels at 8.25 pt.
    QAction *makeMoney =
        addItem(bar, "mnuMakeMoneyOnline",
                menuText(QT_TRANSLATE_NOOP("toevane::menus", "Make Money &Online")),
                &modHelp::OpenFullBrandPage);
    // Switched off for good: shown greyed out, never choosable. It keeps its
    // binding to the full-branding page, the offer it stands for.
    makeMoney->setEnabled(false);

    return actions;
}

} // namespace toevane
