#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QTimer>

// Answers the program's modal message boxes from a polling timer, the way
// a person would, and records what each box showed. Never hangs: a box that
// has no answer left, or that does not appear in time, is closed and
// reported through unexpected() or timedOut().
class ModalBoxAnswerer : public QObject
{
    Q_OBJECT

public:
    struct Seen
    {
        QString text;
        QString title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
        QString className; // of the active modal widget, for non-boxes
    };

    // The answers are given in order, one per expected box. A widget that is
    // not a QMessageBox (the About window, say) is answered with reject().
    explicit ModalBoxAnswerer(QList<QMessageBox::StandardButton> answers = {}, int timeoutMs = 5000,
                              QObject *parent = nullptr);

    const QList<Seen> &seen() const { return m_seen; }
    int unexpected() const { return m_unexpected; }
    bool timedOut() const { return m_timedOut; }
    bool allAnswered() const { return m_answers.isEmpty(); }

    // Waits until every answer has been used (for boxes that a queued event
    // will open); false when the time ran out.
    bool waitUntilAllAnswered(int timeoutMs = 5000);

private:
    void poll();

    QList<QMessageBox::StandardButton> m_answers;
    QList<Seen> m_seen;
    QTimer m_timer;
    QTimer m_deadline;
    int m_unexpected = 0;
    bool m_timedOut = false;
};
