#include "support/modalboxanswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTest>

ModalBoxAnswerer::ModalBoxAnswerer(QList<QMessageBox::StandardButton> answers, int timeoutMs,
                                   QObject *parent)
    : QObject(parent)
    , m_answers(std::move(answers))
{
    connect(&m_timer, &QTimer::timeout, this, &ModalBoxAnswerer::poll);
    m_timer.start(10);
    m_deadline.setInterval(timeoutMs);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        // A box that nobody could answer: close it so the test goes on.
        if (QWidget *modal = QApplication::activeModalWidget()) {
            m_timedOut = true;
            if (auto *dialog = qobject_cast<QDialog *>(modal))
                dialog->reject();
            else
                modal->close();
        }
    });
    m_deadline.start();
}

bool ModalBoxAnswerer::waitUntilAllAnswered(int timeoutMs)
{
    return QTest::qWaitFor([this] { return m_answers.isEmpty(); }, timeoutMs);
}

void ModalBoxAnswerer::poll()
{
    // A box is marked once seen: the next box of the same call can live at
    // the same address as the one before it.
    static const char kSeen[] = "_modalBoxAnswererSeen";
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible() || modal->property(kSeen).toBool())
        return;
    modal->setProperty(kSeen, true);
    m_deadline.start(); // each box gets the whole time

    Seen seen;
    seen.className = QString::fromLatin1(modal->metaObject()->className());
    seen.title = modal->windowTitle();
    auto *box = qobject_cast<QMessageBox *>(modal);
    if (box) {
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttons = box->standardButtons();
        if (box->defaultButton())
            seen.defaultButton = box->standardButton(box->defaultButton());
    }
    m_seen.append(seen);

    if (m_answers.isEmpty()) {
        ++m_unexpected;
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            QMetaObject::invokeMethod(dialog, &QDialog::reject, Qt::QueuedConnection);
        return;
    }
    const QMessageBox::StandardButton answer = m_answers.takeFirst();
    if (box) {
        QAbstractButton *button = box->button(answer);
        if (!button) {
            ++m_unexpected;
            QMetaObject::invokeMethod(box, &QDialog::reject, Qt::QueuedConnection);
            return;
        }
        QMetaObject::invokeMethod(button, &QAbstractButton::click, Qt::QueuedConnection);
    } else if (auto *dialog = qobject_cast<QDialog *>(modal)) {
        QMetaObject::invokeMethod(dialog, &QDialog::reject, Qt::QueuedConnection);
    }
}
