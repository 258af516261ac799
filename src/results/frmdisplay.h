#pragma once

#include "common/mainwindowbase.h"
#include "questionnaire/reading.h"

class LinkLabel;
class QPushButton;

// The results window: one Reading in eight frames, with Back to a new
// questionnaire and Exit. It holds nothing but what its labels show.
class frmDisplay : public toevane::MainWindowBase
{
    Q_OBJECT

public:
    explicit frmDisplay(QWidget *parent = nullptr);

    LinkLabel *coBrandLabel() const { return m_lblCobrand; }
    LinkLabel *fullBrandLabel() const { return m_lblFullBrand; }

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
};

// Writes a Reading into the label pairs of a results window, in page order,
// answer label before text label; an unanswered entry leaves both labels as
// they were created. A missing label is skipped and the rest still written.
void ApplyReading(const toevane::Reading &reading, frmDisplay &display);
