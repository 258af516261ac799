#pragma once

#include "app/mainwindowbase.h"

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

    void cmdBack_Click();
    void cmdExit_Click();
    void mnuFileBack_Click();
    void mnuExit_Click();

private:
    void buildResultFrames(QWidget *parent);

    QPushButton *m_cmdBack = nullptr;
    QPushButton *m_cmdExit = nullptr;
    LinkLabel *m_lblCobrand = nullptr;
    LinkLabel *m_lblFullBrand = nullptr;
};
