#pragma once

#include "common/mainwindowbase.h"
#include "questionnaire/reading.h"
#include "results/readingfile.h"
#include "results/readingsheet.h"
#include "results/savefile.h"

#include <QPointer>

#include <array>

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;

namespace toevane {

class LinkLabel;

// The results window: one Reading in eight frames, with Back to a new
// questionnaire and Exit. It holds nothing but what its labels show. The
// reading can be kept: copied (Ctrl+C) or saved as PDF, PNG or text (Ctrl+S),
// by those keys or from the menu of a right-click on the reading.
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

    // The reading as the window shows it.
    ReadingSheet sheet() const;
    // Writes the reading in that format to path, in place of what stands
    // there. On failure a message says what went wrong and where, and
    // what stood there stays as it was. True when it was saved.
    bool saveReading(const QString &path, readingfile::Format format);

Q_SIGNALS:
    // Back or File > Back: the user wants a new questionnaire. Sent once per
    // window: a second press before the window is gone asks for nothing.
    void backRequested();

private:
    void cmdBack_Click();
    void cmdExit_Click();
    void mnuFileBack_Click();
    void mnuExit_Click();
    void mnuCopy_Click();
    void mnuSaveAs_Click();
    void buildResultFrames(QWidget *parent);

    void contextMenuEvent(QContextMenuEvent *event) override;

    QPushButton *m_cmdBack = nullptr;
    QPushButton *m_cmdExit = nullptr;
    LinkLabel *m_lblCobrand = nullptr;
    LinkLabel *m_lblFullBrand = nullptr;
    QGroupBox *m_frame1 = nullptr; // the reading
    QAction *m_mnuCopy = nullptr;
    QAction *m_mnuSaveAs = nullptr;
    QMenu *m_readingMenu = nullptr; // made at the first right-click
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

// What the message of a failed save says: what went wrong, and where.
QString saveProblemText(savefile::Problem problem, const QString &path);

} // namespace toevane
