#pragma once

#include "common/mainwindowbase.h"
#include "questionnaire/reading.h"

#include <QPointer>

#include <array>

class QLabel;
class QPushButton;

namespace toevane {

class LinkLabel;

// The results window: one Reading in eight frames, with Back to a new
// questionnaire and Exit. It holds nothing but what its labels show.
class frmDisplay : public MainWindowBase
{
    Q_OBJECT

public:
    explicit frmDisplay(QWidget *parent = nullptr);

    LinkLabel *coBrandLabel() const { return m_lblCobrand; }
    LinkLabel *fullBrandLabel() const { return m_lblFullBrand; }

    // The label pair of the Question on the given page: lbl<key> for the
    // chosen Answer's caption, lbl<key>Result for its text. Null for a page
    // out of range or a label that is gone.
    QLabel *answerLabel(int page) const;
    QLabel *textLabel(int page) const;

Q_SIGNALS:
    // Back or File > Back: the user wants a new questionnaire. Sent once per
    // window: a second press before the window is gone asks for nothing.
    void backRequested();

private:
    void cmdBack_Click();
    void cmdExit_Click();
    void mnuFileBack_Click();
    void mnuExit_Click();
    void buildResultFrames(QWidget *parent);

    QPushButton *m_cmdBack = nullptr;
    QPushButton *m_cmdExit = nullptr;
    LinkLabel *m_lblCobrand = nullptr;
    LinkLabel *m_lblFullBrand = nullptr;
    bool m_backRequested = false;

    struct ResultLabels
    {
        QPointer<QLabel> answer;
        QPointer<QLabel> text;
    };
    std::array<ResultLabels, catalogue::kQuestionCount> m_results; // by page index
};

// Writes a Reading into the label pairs of a results window, in page order,
// answer label before text label; an unanswered entry leaves both labels as
// they were created. A missing label is skipped and the rest still written.
void ApplyReading(const Reading &reading, frmDisplay &display);

} // namespace toevane
