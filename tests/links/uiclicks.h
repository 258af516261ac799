#pragma once

// Drives the program's windows the way the user does: the mouse on the menu
// bar, on its menus and on the labels themselves.

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

// Chooses the item with the given objectName: clicks its menu's title on the
// bar and then the item, or the item itself when it sits on the bar. Returns
// false when neither the bar nor its menus hold the item or its menu did not
// open. Returns only after the item's handler has returned (a modal window it
// opens has been closed).
inline bool chooseMenuItem(QMainWindow *window, const QString &name)
{
    QMenuBar *bar = window->menuBar();
    const auto topLevel = bar->actions();
    for (QAction *top : topLevel) {
        QMenu *menu = top->menu();
        const auto items = menu ? menu->actions() : QList<QAction *> { top };
        for (QAction *item : items) {
            if (item->objectName() != name)
                continue;
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(top).center());
            if (!menu)
                return true;
            if (!QTest::qWaitFor([menu] { return menu->isVisible(); }, 2000))
                return false;
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
            return true;
        }
    }
    return false;
}

// Clicks the middle of the control as the stacking decides: the widget that
// receives the click is the one its parent shows at that point, which is
// returned.
inline QWidget *clickWhereShown(QWidget *control)
{
    QWidget *parent = control->parentWidget();
    const QPoint point = control->geometry().center();
    QWidget *shown = parent->childAt(point);
    if (!shown)
        return nullptr;
    QTest::mouseClick(shown, Qt::LeftButton, {}, shown->mapFrom(parent, point));
    return shown;
}

// A click delivered to the top-level window at the control's middle, as the
// window system delivers it: modal blocking and stacking both apply.
inline void clickThroughWindow(QWidget *control)
{
    QWidget *top = control->window();
    const QPoint point = control->mapTo(top, control->rect().center());
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, point);
}
