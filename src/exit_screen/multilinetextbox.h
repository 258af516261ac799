#pragma once

#include <QPlainTextEdit>

namespace toevane {

// A text box of several lines whose text, like that of the program's other
// boxes, is one string with CR LF between lines. The editor keeps lines as
// blocks; text() and setText() translate.
class MultiLineTextBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit MultiLineTextBox(QWidget *parent = nullptr);

    // The lines joined by CR LF, every other character as typed.
    QString text() const;
    // Each CR LF, lone CR or lone LF starts a new line.
    void setText(const QString &text);
};

} // namespace toevane
