#pragma once

#include <QLabel>

namespace toevane {

// A label that acts as a link, shown as plain text. Its look (colours, font,
// a background of its own or none) is set by the caller; this class gives it
// the hand pointer and a clicked() signal for a left click released over it.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

} // namespace toevane
