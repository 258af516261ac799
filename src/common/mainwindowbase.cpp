#include "common/mainwindowbase.h"

#include "common/apptext.h"
#include "common/icon.h"
#include "common/look.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

namespace toevane {

MainWindowBase::MainWindowBase(const char *objectName, QSize clientSize, QWidget *parent)
    : QMainWindow(parent,
                  Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                      Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
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
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_exitButton && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            m_exitButton->click();
            return;
        }
        break;
    default:
        break;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindowBase::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        centreOnScreen(this);
    QMainWindow::showEvent(event);
}

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

} // namespace toevane
