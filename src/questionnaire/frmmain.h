#pragma once

#include "common/mainwindowbase.h"
#include "questionnaire/reading.h"

#include <array>

class QGroupBox;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace toevane {

class LinkLabel;

// The questionnaire window: eight stacked question pages, one in front, with
// Next and Back between them; the last page's Next reports the Reading that
// the answers make.
class frmMain : public MainWindowBase
{
    Q_OBJECT

public:
    explicit frmMain(QWidget *parent = nullptr);

    // Brings page k to the front, building it when it is first shown;
    // changes nothing else.
    void ShowPage(int page);
    int currentPage() const;

    QRadioButton *option(int page, int answer) const;
    bool isAnswerSelected(int page, int answer) const;

    LinkLabel *coBrandLabel() const { return m_lblCobrand; }
    LinkLabel *fullBrandLabel() const { return m_lblFullBrand; }

Q_SIGNALS:
    // A valid last page was confirmed: the Reading of the eight pages. Sent
    // once per window.
    void finished(const Reading &reading);

private:
    void cmdNext_Click(int index);
    void cmdBack_Click(int index);
    void cmdExit_Click();
    void mnuExit_Click();
    void Form_Load();
    QWidget *buildPage(int page);
    bool pageAnswered(int page) const;

    QStackedWidget *m_pages = nullptr;
    QPushButton *m_cmdExit = nullptr;
    LinkLabel *m_lblCobrand = nullptr;
    LinkLabel *m_lblFullBrand = nullptr;
    // By page index, from the catalogue: each page, null until first shown,
    // and its option buttons by answer index, null until the page is built.
    std::array<QWidget *, catalogue::kQuestionCount> m_pageWidgets {};
    std::array<std::array<QRadioButton *, catalogue::kMaxAnswerCount>, catalogue::kQuestionCount>
        m_options {};
    int m_currentPage = 0;
    bool m_finished = false; // the answers have been handed on
};

} // namespace toevane
