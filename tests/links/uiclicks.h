#pragma once

// Drives the program's windows the way the user does: the mouse on the menu
// bar, on its menus and on the labels themselves.

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

// The item with the given objectName on the bar or in one of its menus;
// menu is set to the menu that holds it (null for an item on the bar).
inline QAction *findMenuItem(QMainWindow *window, const QString &name, QMenu **menu = nullptr)
{
    const auto topLevel = window->menuBar()->actions();
    for (QAction *top : topLevel) {
        if (!top->menu() && top->objectName() == name) {
            if (menu)
                *menu = nullptr;
            return top;
        }
        if (QMenu *sub = top->menu()) {
            const auto items = sub->actions();
            for (QAction *item : items) {
                if (item->objectName() == name) {
                    if (menu)
                        *menu = sub;
                    return item;
                }
            }
        }
    }
    return nullptr;
}

// Chooses the item: clicks its menu's title on the bar and then the item, or
// the item itself when it sits on the bar. Returns false when the item does
// not exist or its menu did not open. Returns only after the item's handler
// has returned (a modal window it opens has been closed).
inline bool chooseMenuItem(QMainWindow *window, const QString &name)
{
    QMenu *menu = nullptr;
    QAction *item = findMenuItem(window, name, &menu);
    if (!item)
        return false;
    QMenuBar *bar = window->menuBar();
    if (!menu) {
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(item).center());
        return true;
    }
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    if (!QTest::qWaitFor([menu] { return menu->isVisible(); }, 2000))
        return false;
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    return true;
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
