// The questionnaire window: paging, the checks of Next, Back, its keys and
// the Reading it hands on.

#include "questionnaire/catalogue.h"
#include "questionnaire/frmmain.h"
#include "support/isolation.h"
#include "support/recorders.h"
#include "support/windows.h"

#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace toevane;

namespace {

// The page's button of that name: cmdNext or cmdBack.
QPushButton *button(frmMain &window, const char *name, int page)
{
    return window.findChild<QPushButton *>(QStringLiteral("%1_%2").arg(name).arg(page));
}

void clickNext(frmMain &window, int page)
{
    QTest::mouseClick(button(window, "cmdNext", page), Qt::LeftButton);
}

// Answers pages 0..page-1 with their first answer and moves to `page`.
void walkTo(frmMain &window, int page)
{
    for (int k = 0; k < page; ++k) {
        window.option(k, 0)->setChecked(true);
        clickNext(window, k);
    }
}

int selectedAnswer(frmMain &window, int page)
{
    for (int answer = 0; answer < catalogue::question(page).answerCount(); ++answer) {
        if (window.isAnswerSelected(page, answer))
            return answer;
    }
    return -1;
}

} // namespace

class FrmMainTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { isolateTestSettings(); }
    void init() { QVERIFY((m_window = shownActive(new frmMain))); }
    void cleanup() { clearWindows(); }

    void windowOpensOnPageZeroWithNothingSelectedAndFocusOnExit();
    void eachPageOffersItsAnswersAndItsButtons();
    void nextRefusesAnUnansweredPage_data();
    void nextRefusesAnUnansweredPage();
    void toeShapeQuestionDecidesWhetherToSkip_data();
    void toeShapeQuestionDecidesWhetherToSkip();
    void skippedToeShapeIsAskedAgainAfterGoingBack();
    void backKeepsEverySelection();
    void windowKeysCloseTheWindow_data();
    void windowKeysCloseTheWindow();
    void focusFollowsThePageToItsNextButton_data();
    void focusFollowsThePageToItsNextButton();
    void escAndCloseBoxDoNotAnswerTheToeShapeQuestion();
    void analyzeHandsOnTheReadingOfTheAnswersOnce();

private:
    QPointer<frmMain> m_window;
};

void FrmMainTest::windowOpensOnPageZeroWithNothingSelectedAndFocusOnExit()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Toevane v1.10"));
    QCOMPARE(m_window->centralWidget()->size(), QSize(484, 393));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    QCOMPARE(m_window->currentPage(), 0);
    for (int page = 0; page < catalogue::kQuestionCount; ++page)
        QCOMPARE(selectedAnswer(*m_window, page), -1);
    QTRY_COMPARE(QApplication::focusWidget() ? QApplication::focusWidget()->objectName()
                                             : QString(),
                 QStringLiteral("cmdExit"));
}

void FrmMainTest::eachPageOffersItsAnswersAndItsButtons()
{
    QVERIFY(!button(*m_window, "cmdBack", 0));
    for (int page = 0; page < catalogue::kQuestionCount; ++page) {
        const catalogue::Question &question = catalogue::question(page);
        m_window->ShowPage(page); // a page is built when first shown
        for (int answer = 0; answer < question.answerCount(); ++answer)
            QCOMPARE(m_window->option(page, answer)->text(),
                     question.answers[std::size_t(answer)].caption.toString());
        QVERIFY(!m_window->option(page, question.answerCount()));
        QVERIFY(button(*m_window, "cmdNext", page));
        QCOMPARE(button(*m_window, "cmdNext", page)->text(), question.nextCaption());
        if (page > 0)
            QCOMPARE(button(*m_window, "cmdBack", page)->text(), QStringLiteral("&Back"));
    }
}

void FrmMainTest::nextRefusesAnUnansweredPage_data()
{
    QTest::addColumn<int>("page");
    for (int page : { 0, 1, 2, 3, 4, 6, 7 })
        QTest::addRow("page %d", page) << page;
}

void FrmMainTest::nextRefusesAnUnansweredPage()
{
    QFETCH(int, page);
    walkTo(*m_window, page);
    QCOMPARE(m_window->currentPage(), page);
    if (page > catalogue::kToeShapePage)
        QCOMPARE(selectedAnswer(*m_window, catalogue::kToeShapePage), 0);

    QSignalSpy finished(m_window.data(), &frmMain::finished);
    BoxAnswerer answerer({ QMessageBox::Ok });
    clickNext(*m_window, page);
    QCOMPARE(answerer.shown,
             (QList<BoxAnswerer::Box> { { "Please select an option", QMessageBox::Information } }));
    QCOMPARE(m_window->currentPage(), page);
    QVERIFY(m_window->isVisible());
    QCOMPARE(finished.count(), 0);
}

void FrmMainTest::toeShapeQuestionDecidesWhetherToSkip_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<int>("pageAfter");
    QTest::newRow("Yes stays to answer") << QMessageBox::Yes << 5;
    QTest::newRow("No skips Toe Shape") << QMessageBox::No << 6;
}

void FrmMainTest::toeShapeQuestionDecidesWhetherToSkip()
{
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(int, pageAfter);
    walkTo(*m_window, catalogue::kToeShapePage);

    BoxAnswerer answerer({ answer });
    clickNext(*m_window, catalogue::kToeShapePage);
    QCOMPARE(
        answerer.shown,
        (QList<BoxAnswerer::Box> { { "Do you want to select this option ?", QMessageBox::NoIcon,
                                     QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes } }));
    QCOMPARE(m_window->currentPage(), pageAfter);
    QCOMPARE(selectedAnswer(*m_window, catalogue::kToeShapePage), -1);
}

void FrmMainTest::skippedToeShapeIsAskedAgainAfterGoingBack()
{
    walkTo(*m_window, catalogue::kToeShapePage);
    {
        BoxAnswerer skip({ QMessageBox::No });
        clickNext(*m_window, catalogue::kToeShapePage);
    }
    QCOMPARE(m_window->currentPage(), 6);
    QTest::mouseClick(button(*m_window, "cmdBack", 6), Qt::LeftButton);
    QCOMPARE(m_window->currentPage(), 5);
    QCOMPARE(selectedAnswer(*m_window, 5), -1);

    BoxAnswerer again({ QMessageBox::Yes });
    clickNext(*m_window, catalogue::kToeShapePage);
    QCOMPARE(again.shown.size(), 1);
    QCOMPARE(m_window->currentPage(), 5);
    // Answered, it goes on without asking.
    m_window->option(5, 1)->setChecked(true);
    clickNext(*m_window, catalogue::kToeShapePage);
    QCOMPARE(m_window->currentPage(), 6);
    QCOMPARE(again.shown.size(), 1);
}

void FrmMainTest::backKeepsEverySelection()
{
    // Answers 0, 1, 2, ... (as far as each page has them) on pages 0..6.
    for (int page = 0; page < 7; ++page) {
        m_window->option(page, page % catalogue::question(page).answerCount())->setChecked(true);
        clickNext(*m_window, page);
    }
    QCOMPARE(m_window->currentPage(), 7);
    for (int page = 7; page > 0; --page) // Alt+B as fast as key repeat goes
        QTest::keyClick(m_window, Qt::Key_B, Qt::AltModifier);
    QCOMPARE(m_window->currentPage(), 0);
    for (int page = 0; page < 7; ++page)
        QCOMPARE(selectedAnswer(*m_window, page), page % catalogue::question(page).answerCount());

    // A changed answer replaces the earlier one.
    m_window->option(0, 5)->setChecked(true);
    QCOMPARE(selectedAnswer(*m_window, 0), 5);
    clickNext(*m_window, 0);
    QCOMPARE(m_window->currentPage(), 1);
}

void FrmMainTest::windowKeysCloseTheWindow_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("focusOnOption");
    QTest::newRow("Esc") << int(Qt::Key_Escape) << false;
    QTest::newRow("Return on an option") << int(Qt::Key_Return) << true;
    QTest::newRow("keypad Enter on an option") << int(Qt::Key_Enter) << true;
}

void FrmMainTest::windowKeysCloseTheWindow()
{
    QFETCH(int, key);
    QFETCH(bool, focusOnOption);
    QSignalSpy closed(m_window.data(), &frmMain::closed);
    QWidget *target = QApplication::focusWidget();
    if (focusOnOption) {
        target = m_window->option(0, 0);
        target->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), target);
    }
    QVERIFY(target);
    QTest::keyClick(target, Qt::Key(key),
                    key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QTRY_COMPARE(closed.count(), 1);
    QTRY_VERIFY(!m_window); // unloaded, not hidden
}

void FrmMainTest::focusFollowsThePageToItsNextButton_data()
{
    QTest::addColumn<bool>("back");
    QTest::newRow("after Next") << false;
    QTest::newRow("after Back") << true;
}

void FrmMainTest::focusFollowsThePageToItsNextButton()
{
    // Enter right after a page change must not land on an answer, where it
    // would close the window and lose the answers.
    QFETCH(bool, back);
    walkTo(*m_window, 2);
    m_window->option(2, 0)->setChecked(true);
    QPushButton *pressed = button(*m_window, back ? "cmdBack" : "cmdNext", 2);
    pressed->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), pressed);
    QTest::keyClick(pressed, Qt::Key_Space);
    const int page = back ? 1 : 3;
    QCOMPARE(m_window->currentPage(), page);
    QCOMPARE(QApplication::focusWidget(), button(*m_window, "cmdNext", page));

    // Enter presses the focused Next: page 1 is answered, page 3 is not.
    BoxAnswerer answerer({ QMessageBox::Ok });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_window->currentPage(), back ? 2 : 3);
    QCOMPARE(answerer.shown.size(), back ? 0 : 1);
}

void FrmMainTest::escAndCloseBoxDoNotAnswerTheToeShapeQuestion()
{
    walkTo(*m_window, catalogue::kToeShapePage);
    // The real box, as showMessage() builds it (every other test answers it
    // unseen): Esc and the close box first; then it is answered Yes.
    bool stayedOpen = false;
    QStringList built;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        poll.stop();
        built = { box->windowTitle(), box->text(),
                  box->textFormat() == Qt::PlainText ? "plain" : "rich",
                  box->defaultButton() == box->button(QMessageBox::Yes) ? "Yes" : "other",
                  box->windowModality() == Qt::ApplicationModal ? "modal" : "modeless" };
        QTest::keyClick(box, Qt::Key_Escape);
        box->close();
        stayedOpen = box->isVisible();
        box->button(QMessageBox::Yes)->click();
    });
    poll.start(10);
    clickNext(*m_window, catalogue::kToeShapePage);
    QVERIFY(stayedOpen);
    QCOMPARE(built,
             (QStringList { "Toevane", "Do you want to select this option ?", "plain", "Yes",
                            "modal" }));
    QCOMPARE(m_window->currentPage(), catalogue::kToeShapePage);
}

void FrmMainTest::analyzeHandsOnTheReadingOfTheAnswersOnce()
{
    const std::array<int, 8> answers { 1, 0, 4, 2, 1, -1, 3, 1 };
    QSignalSpy finished(m_window.data(), &frmMain::finished);
    answerAndFinish(*m_window, answers);
    QCOMPARE(finished.count(), 1);
    // A window that has finished makes no second Reading.
    QVERIFY(clickButton(m_window, QStringLiteral("cmdNext_7")));
    QCOMPARE(finished.count(), 1);

    const auto reading = finished.first().first().value<Reading>();
    for (const catalogue::Question &question : catalogue::questions()) {
        const ReadingEntry &entry = reading[std::size_t(question.page)];
        const int answer = answers[std::size_t(question.page)];
        QCOMPARE(entry.answered, answer >= 0);
        if (answer >= 0)
            QCOMPARE(entry.text, question.answers[std::size_t(answer)].text.toString());
    }
}

QTEST_MAIN(FrmMainTest)
#include "tst_frmmain.moc"
