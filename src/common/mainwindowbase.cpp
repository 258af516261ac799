#include "common/mainwindowbase.h"

#include "common/apptext.h"
#include "common/icon.h"
#include "common/look.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHash>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <utility>

namespace toevane {

MainWindowBase::MainWindowBase(const char *objectName, QSize clientSize, QWidget *parent)
    : QMainWindow(parent, fixedBorder(Qt::Window))
{
    setObjectName(QString::fromLatin1(objectName));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(programWindowTitle());
    setWindowIcon(appIcon());
    setFont(look::verdana(8.25));
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setFixedSize(clientSize);
    look::setBackground(m_client, look::kPurple);
    setCentralWidget(m_client);
    centreWhenFirstShown(this);
}

void MainWindowBase::fixWindowSize()
{
    QSize size = m_client->size();
    if (QWidget *bar = menuWidget())
        size.rheight() += bar->sizeHint().height();
    setFixedSize(size);
}

void MainWindowBase::closeEvent(QCloseEvent *event)
{
    // Closing never asks and cannot be cancelled.
    event->accept();
    Q_EMIT closed();
}

void MainWindowBase::keyPressEvent(QKeyEvent *event)
{
    // Keys that reach the window were not taken by a focused push button.
    if (!pressOnKey(event, m_exitButton, { Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter }))
        QMainWindow::keyPressEvent(event);
}

namespace {

class CentreAtFirstShow : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            auto *window = static_cast<QWidget *>(watched);
            if (const QScreen *screen = window->screen()) {
                QRect frame = window->frameGeometry();
                frame.moveCenter(screen->availableGeometry().center());
                window->move(frame.topLeft());
            }
            deleteLater();
            window->removeEventFilter(this);
        }
        return false;
    }
};

class MirrorPlaces : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!watched->isWidgetType())
            return false;
        auto *widget = static_cast<QWidget *>(watched);
        if (event->type() == QEvent::Show && placedByTheProgram(widget) &&
            !m_leftOffsets.contains(widget)) {
            m_leftOffsets.insert(widget, widget->x());
            connect(widget, &QObject::destroyed, this,
                    [this, widget] { m_leftOffsets.remove(widget); });
            place(widget);
        } else if (event->type() == QEvent::Resize) {
            place(widget);
            for (QObject *child : widget->children()) {
                if (child->isWidgetType())
                    place(static_cast<QWidget *>(child));
            }
        }
        return false;
    }

private:
    static bool placedByTheProgram(const QWidget *widget)
    {
        const QWidget *parent = widget->parentWidget();
        return parent && !widget->isWindow() && !parent->layout() &&
            !widget->objectName().startsWith(QLatin1String("qt_"));
    }

    void place(QWidget *widget) const
    {
        const auto left = m_leftOffsets.constFind(widget);
        if (left != m_leftOffsets.cend())
            widget->move(widget->parentWidget()->width() - *left - widget->width(), widget->y());
    }

    QHash<const QWidget *, int> m_leftOffsets; // each mirrored control's place from the left
};

} // namespace

void centreWhenFirstShown(QWidget *window)
{
    window->installEventFilter(new CentreAtFirstShow(window));
}

void mirrorPlacesRightToLeft()
{
    static bool installed = false;
    if (!std::exchange(installed, true))
        qApp->installEventFilter(new MirrorPlaces(qApp));
}

bool pressOnKey(QKeyEvent *event, QAbstractButton *button, std::initializer_list<Qt::Key> keys)
{
    if (!button || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier ||
        std::find(keys.begin(), keys.end(), event->key()) == keys.end())
        return false;
    button->click();
    return true;
}

} // namespace toevane
