#include "support/textfit.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextLayout>

namespace {

QString describe(const QWidget *widget, const QString &what)
{
    return QStringLiteral("%1 (%2): %3")
        .arg(widget->objectName(), QLatin1String(widget->metaObject()->className()), what);
}

// Height needed to lay the text out in the given width, breaking at word
// boundaries the way QLabel does; -1 when one word alone is wider.
int wrappedHeight(const QString &text, const QFont &font, int width)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    const QFontMetrics metrics(font);
    int height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (line.naturalTextWidth() > width + 0.5)
            return -1;
        height += metrics.lineSpacing();
    }
    layout.endLayout();
    return height;
}

QString visibleText(QString text)
{
    // An access-key marker takes no room; "&&" shows as one "&".
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(u'&');
    text.replace(u'\x01', u'&');
    return text;
}

bool showsText(const QWidget *widget)
{
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return !label->text().isEmpty() && label->pixmap().isNull();
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return !button->text().isEmpty();
    if (auto *group = qobject_cast<const QGroupBox *>(widget))
        return !group->title().isEmpty();
    return false;
}

// A text control that reaches out of the control around it, or into another
// text control beside it, does not fit either (where a layout has moved
// with a font). Controls that share one place exactly are alternatives
// stacked there, one in front.
QStringList textsOutOfPlace(const QWidget *widget)
{
    QStringList problems;
    if (!widget->isVisibleTo(widget->window()) || !showsText(widget))
        return problems;
    if (const QWidget *parent = widget->parentWidget();
        parent && !widget->isWindow() && !parent->rect().contains(widget->geometry()))
        problems << describe(widget, QStringLiteral("reaches out of %1").arg(parent->objectName()));
    const auto siblings = widget->parentWidget()
        ? widget->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)
        : QList<QWidget *>();
    for (qsizetype k = siblings.indexOf(widget) + 1; k < siblings.size(); ++k) { // each pair once
        const QWidget *sibling = siblings[k];
        if (!sibling->isWindow() && sibling->isVisibleTo(widget->window()) && showsText(sibling) &&
            sibling->geometry() != widget->geometry() &&
            widget->geometry().intersects(sibling->geometry()))
            problems << describe(widget, QStringLiteral("overlaps %1").arg(sibling->objectName()));
    }
    return problems;
}

} // namespace

QStringList textThatDoesNotFit(const QWidget *window)
{
    QStringList problems;
    // Every menu in the menu bar, none behind its overflow arrow.
    for (const QMenuBar *bar : window->findChildren<QMenuBar *>()) {
        for (QAction *item : bar->actions()) {
            if (!bar->rect().contains(bar->actionGeometry(item)))
                problems << describe(bar, QStringLiteral("has no room for ") + item->objectName());
        }
    }
    const auto needs = [](const QSize &needed, const QSize &in) {
        return QString::asprintf("needs %dx%d in %dx%d", needed.width(), needed.height(),
                                 in.width(), in.height());
    };
    for (const QWidget *widget : window->findChildren<QWidget *>()) {
        problems << textsOutOfPlace(widget);
        if (!showsText(widget))
            continue;
        if (auto *label = qobject_cast<const QLabel *>(widget)) {
            const QSize area = label->contentsRect().size() - QSize(1, 1) * label->margin() * 2;
            const QSize needed = label->wordWrap()
                ? QSize(0, wrappedHeight(label->text(), label->font(), area.width()))
                : QFontMetrics(label->font()).size(0, label->text());
            if (needed.height() < 0 || needed.width() > area.width() ||
                needed.height() > area.height())
                problems << describe(label, needs(needed, area));
        } else if (auto *button = qobject_cast<const QAbstractButton *>(widget)) {
            // The style's own idea of the smallest size that shows the text.
            const QFontMetrics metrics(button->font());
            const QSize minimum = qobject_cast<const QPushButton *>(button)
                ? QSize(metrics.horizontalAdvance(visibleText(button->text())) + 8,
                        metrics.height())
                : button->sizeHint();
            if (minimum.width() > button->width() || minimum.height() > button->height())
                problems << describe(button, needs(minimum, button->size()));
        } else if (auto *group = qobject_cast<const QGroupBox *>(widget)) {
            const int needed = QFontMetrics(group->font()).horizontalAdvance(group->title()) + 16;
            if (needed > group->width())
                problems << describe(group, needs({ needed, 0 }, { group->width(), 0 }));
        }
    }
    return problems;
}

QStringList controlsNotNamedByTheirCaption(const QWidget *window)
{
    QStringList problems;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        const bool textBox =
            qobject_cast<QLineEdit *>(widget) || qobject_cast<QPlainTextEdit *>(widget);
        QString caption; // empty for a text box
        if (auto *group = qobject_cast<QGroupBox *>(widget))
            caption = visibleText(group->title());
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            caption = visibleText(button->text());
        else if (auto *label = qobject_cast<QLabel *>(widget); label && label->pixmap().isNull())
            caption = label->text();
        else if (!textBox)
            continue;
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
        const QString name = accessible ? accessible->text(QAccessible::Name) : QString();
        // Screen readers pass over what is hidden; what is covered or shows
        // nothing must be.
        if (!widget->isVisibleTo(window))
            continue;
        const auto siblings = widget->parentWidget()->children();
        for (qsizetype k = siblings.indexOf(widget) + 1; k < siblings.size(); ++k) {
            auto *above = qobject_cast<QWidget *>(siblings[k]);
            if (above && above->isVisibleTo(window) &&
                above->geometry().contains(widget->geometry()))
                problems << describe(widget, QStringLiteral("covered, yet shown"));
        }
        if (caption.isEmpty() && !textBox) {
            if (!name.isEmpty())
                problems << describe(widget, QStringLiteral("shows nothing but is announced"));
            continue;
        }
        bool wrong = name != caption;
        if (textBox) {
            // A name of its own, not the title of a frame around it.
            wrong = name.isEmpty();
            for (QWidget *outer = widget->parentWidget(); outer; outer = outer->parentWidget()) {
                if (auto *frame = qobject_cast<QGroupBox *>(outer); frame && frame->title() == name)
                    wrong = true;
            }
        }
        if (wrong)
            problems << describe(widget, QStringLiteral("announced as \"%1\"").arg(name));
    }
    return problems;
}

QMap<QString, QString> controlTexts(const QWidget *window)
{
    QMap<QString, QString> texts; // by the path of object names from the window
    const auto add = [&](const QObject *control, const QString &text) {
        QString path = control->objectName();
        for (const QObject *o = control->parent(); o && o != window; o = o->parent())
            path.prepend(o->objectName() + u'/');
        if (!text.isEmpty())
            texts.insert(path, text);
    };
    for (const QWidget *widget : window->findChildren<QWidget *>()) {
        // A control that lies wholly outside its frame is never seen.
        if (widget->parentWidget() &&
            !widget->parentWidget()->rect().intersects(widget->geometry()))
            continue;
        if (qobject_cast<const QLabel *>(widget) || qobject_cast<const QAbstractButton *>(widget) ||
            qobject_cast<const QLineEdit *>(widget))
            add(widget, widget->property("text").toString());
        else if (auto *group = qobject_cast<const QGroupBox *>(widget))
            add(group, group->title());
        else if (auto *box = qobject_cast<const QPlainTextEdit *>(widget))
            add(box, box->toPlainText());
    }
    for (const QAction *action : window->findChildren<QAction *>())
        add(action, action->text());
    return texts;
}

QStringList wordsBrokenAtAccessKeys(QWidget *window)
{
    QStringList problems;
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        const QString text = button->text();
        if (!window->isRightToLeft() || !button->isVisibleTo(window) || !text.contains(u'&'))
            continue;
        const QImage marked = button->grab().toImage();
        button->setText(visibleText(text).replace(u'&', QStringLiteral("&&")));
        const QImage plain = button->grab().toImage();
        button->setText(text);
        if (marked != plain)
            problems << describe(button, QStringLiteral("draws \"%1\" apart at its key").arg(text));
    }
    return problems;
}

QStringList accessKeysUsedTwice(const QWidget *window)
{
    const auto objects = [](const QList<QAction *> &actions) {
        return QList<const QObject *>(actions.cbegin(), actions.cend());
    };
    QList<QList<const QObject *>> scopes(1); // the window's, then each menu's
    for (const QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (button->isVisibleTo(window))
            scopes[0].append(button);
    }
    for (const QMenuBar *bar : window->findChildren<QMenuBar *>()) {
        for (const QAction *item : bar->actions()) {
            scopes[0].append(item);
            if (item->menu())
                scopes.append(objects(item->menu()->actions()));
        }
    }
    // The window's own commands, offered by its right-click menu.
    scopes.append(objects(window->actions()));
    QStringList problems;
    for (const auto &scope : std::as_const(scopes)) {
        QMap<QString, QString> owners; // access key: the control that has it
        for (const QObject *control : scope) {
            const QString key =
                QKeySequence::mnemonic(control->property("text").toString()).toString().toUpper();
            if (!key.isEmpty() && owners.contains(key))
                problems << owners[key] + QStringLiteral(" and ") + control->objectName() +
                        QStringLiteral(" share ") + key;
            owners.insert(key, control->objectName());
        }
    }
    return problems;
}
