// Leaving the program: the close step of the two main windows, the window
// switches that hide the exit screen again, and the end routine.

#include "exitscreentesting.h"

#include "app/platform.h"
#include "app/singleinstance.h"
#include "app/startup.h"
#include "questionnaire/catalogue.h"
#include "results/frmdisplay.h"
#include "support/modalboxanswerer.h"
#include "support/recorders.h"
#include "support/windows.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace toevane;

namespace {

// Checks answer (round % count) of every page by its option button and
// presses Next, the last time "&Analyze My Toes".
frmDisplay *answerEveryPage(frmMain *questionnaire, int round)
{
    for (const catalogue::Question &question : catalogue::questions()) {
        auto *option = questionnaire->findChild<QRadioButton *>(
            question.optionName(round % question.answerCount()));
        auto *next = questionnaire->findChild<QPushButton *>(
            QStringLiteral("cmdNext_%1").arg(question.page));
        if (!option || !next)
            return nullptr;
        option->setChecked(true);
        next->click();
    }
    const auto shown = visibleWindows<frmDisplay>();
    return shown.size() == 1 ? shown.first() : nullptr;
}

QString promotionalTextShown()
{
    frmNagScreen2 *screen = shell::exitScreen();
    return screen ? screen->findChild<QLabel *>(QStringLiteral("Label2"))->text() : QString();
}

// Makes the clock read so that a load step would draw a text other than
// the one shown.
void setClockToDrawAnotherText(const QString &shown)
{
    for (quint64 seed = 1; seed < 1000; ++seed) {
        rng::setClockSeedSource([seed] { return seed; });
        if (frmNagScreen2::promotionText(frmNagScreen2::drawPromotionNumber()) != shown)
            return;
    }
}

bool onlyVisible(QWidget *window)
{
    return window && window->isVisible() && visibleWindowCount() == 1;
}

} // namespace

class TestShutdown : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();

    void closingAMainWindowShowsTheExitScreenAndKeepsTheProgramRunning_data();
    void closingAMainWindowShowsTheExitScreenAndKeepsTheProgramRunning();
    void walkingBetweenQuestionnaireAndResultsNeverLeavesTheExitScreenVisible();
    void theExitScreenIsLoadedOnceAtTheFirstSwitchAndKeepsItsText();
    void endProgramClosesEveryWindowShownOrHiddenAndEndsTheProcess();
    void aSecondCopyEndsThroughEndProgramWithoutShowingAnyWindow();
};

void TestShutdown::cleanup()
{
    rng::resetClockSeedSource();
    endProgramAndClearWindows();
    QVERIFY(!shell::exitScreen());
}

void TestShutdown::closingAMainWindowShowsTheExitScreenAndKeepsTheProgramRunning_data()
{
    QTest::addColumn<bool>("results");
    QTest::addColumn<QString>("how");
    for (const bool results : { false, true }) {
        const char *window = results ? "results" : "questionnaire";
        for (const char *how : { "Exit button", "File > Exit", "Esc", "close box" })
            QTest::addRow("%s, %s", window, how) << results << QString::fromLatin1(how);
    }
    QTest::newRow("questionnaire, Enter on an option button") << false << "Enter";
}

void TestShutdown::closingAMainWindowShowsTheExitScreenAndKeepsTheProgramRunning()
{
    QFETCH(bool, results);
    QFETCH(QString, how);
    ProcessEndRecorder end;
    ModalBoxAnswerer noQuestions;

    QPointer<MainWindowBase> window;
    if (results)
        window = new frmDisplay;
    else
        window = new frmMain;
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));

    if (how == u"Exit button") {
        QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("cmdExit")),
                          Qt::LeftButton);
    } else if (how == u"File > Exit") {
        window->findChild<QAction *>(QStringLiteral("mnuExit"))->trigger();
    } else if (how == u"Esc") {
        QTest::keyClick(window->focusWidget(), Qt::Key_Escape);
    } else if (how == u"Enter") {
        QRadioButton *option = qobject_cast<frmMain *>(window.data())->option(0, 0);
        option->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(option->hasFocus());
        QTest::keyClick(option, Qt::Key_Return);
    } else {
        QVERIFY(window->close());
    }

    QTRY_VERIFY(!window);
    QVERIFY(onlyVisible(shell::exitScreen()));
    QCOMPARE(end.count(), 0);
    QVERIFY(noQuestions.seen().isEmpty());
}

void TestShutdown::walkingBetweenQuestionnaireAndResultsNeverLeavesTheExitScreenVisible()
{
    ProcessEndRecorder end;
    ModalBoxAnswerer noQuestions;
    auto *questionnaire = new frmMain;
    questionnaire->show();

    for (int round = 0; round < 12; ++round) {
        frmDisplay *display = answerEveryPage(questionnaire, round);
        QVERIFY2(onlyVisible(display), "the results window alone after the last page");
        QVERIFY(shell::exitScreen());

        // Back by the button and by File > Back in turn.
        if (round % 2 == 0)
            QTest::mouseClick(display->findChild<QPushButton *>(QStringLiteral("cmdBack")),
                              Qt::LeftButton);
        else
            display->findChild<QAction *>(QStringLiteral("mnuFileBack"))->trigger();
        const auto shown = visibleWindows<frmMain>();
        QCOMPARE(shown.size(), 1);
        questionnaire = shown.first();
        QVERIFY(onlyVisible(questionnaire));
        QCOMPARE(questionnaire->currentPage(), 0);
        for (int answer = 0; answer < catalogue::question(0).answerCount(); ++answer)
            QVERIFY(!questionnaire->isAnswerSelected(0, answer));
    }
    QCOMPARE(end.count(), 0);
    QVERIFY(noQuestions.seen().isEmpty());
}

void TestShutdown::theExitScreenIsLoadedOnceAtTheFirstSwitchAndKeepsItsText()
{
    ProcessEndRecorder end;
    auto *questionnaire = new frmMain;
    questionnaire->show();
    QVERIFY(!shell::exitScreen());

    frmDisplay *display = answerEveryPage(questionnaire, 0);
    QVERIFY(display);
    QPointer<frmNagScreen2> screen = shell::exitScreen();
    QVERIFY(screen && !screen->isVisible());
    const QString text = promotionalTextShown();
    QVERIFY(!text.isEmpty());

    setClockToDrawAnotherText(text);
    for (int round = 1; round <= 3; ++round) {
        display->cmdBack_Click();
        display = answerEveryPage(visibleWindows<frmMain>().value(0), round);
        QVERIFY(display);
        QCOMPARE(shell::exitScreen(), screen.data());
        QCOMPARE(promotionalTextShown(), text);
    }

    display->cmdExit_Click();
    QVERIFY(onlyVisible(screen));
    QCOMPARE(promotionalTextShown(), text);
    // Hidden and shown again by a close step: the same window, same text.
    screen->hide();
    auto *again = new frmMain;
    again->show();
    again->close();
    QCOMPARE(shell::exitScreen(), screen.data());
    QVERIFY(onlyVisible(screen));
    QCOMPARE(promotionalTextShown(), text);
    QCOMPARE(end.count(), 0);
}

void TestShutdown::endProgramClosesEveryWindowShownOrHiddenAndEndsTheProcess()
{
    ProcessEndRecorder end;
    QPointer<frmNagScreen2> screen = exittest::openExitScreenByClosingAMainWindow();
    QVERIFY(screen);
    QPointer<frmDisplay> hiddenResults = new frmDisplay;
    QPointer<frmMain> shownQuestionnaire = new frmMain;
    shownQuestionnaire->show();

    modHelp::EndProgram();

    QCOMPARE(end.count(), 1);
    // Nothing is left on screen, not even the exit screen that the closing
    // questionnaire's close step would otherwise show.
    QCOMPARE(visibleWindowCount(), 0);
    QTRY_VERIFY(!screen && !hiddenResults && !shownQuestionnaire);
    QVERIFY(!shell::exitScreen());
}

void TestShutdown::aSecondCopyEndsThroughEndProgramWithoutShowingAnyWindow()
{
    SingleInstanceGuard firstCopy;
    QVERIFY(firstCopy.acquire());
    ProcessEndRecorder end;
    ModalBoxAnswerer answerer({ QMessageBox::Ok });

    QCOMPARE(startUp(), nullptr);

    QCOMPARE(end.count(), 1);
    QCOMPARE(answerer.seen().size(), 1);
    QCOMPARE(answerer.seen().first().text, QStringLiteral("Application is already running"));
    QVERIFY(!shell::exitScreen());
    QCOMPARE(visibleWindowCount(), 0);
}

QTEST_MAIN(TestShutdown)
#include "tst_shutdown.moc"
