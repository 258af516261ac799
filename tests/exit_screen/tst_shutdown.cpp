// Leaving the program: the close step of the two main windows, the window
// switches that hide the exit screen again, and the end routine.

#include "app/shell.h"
#include "exit_screen/frmnagscreen2.h"
#include "questionnaire/catalogue.h"
#include "questionnaire/frmmain.h"
#include "results/frmdisplay.h"
#include "support/isolation.h"
#include "support/recorders.h"
#include "support/windows.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace toevane;

namespace {

QString promotionalTextOf(const frmNagScreen2 *screen)
{
    return screen ? screen->findChild<QLabel *>(QStringLiteral("Label2"))->text() : QString();
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
    void initTestCase() { isolateTestSettings(); }
    void cleanup() { clearWindows(); }

    void closingAMainWindowShowsTheExitScreenAndKeepsTheProgramRunning_data();
    void closingAMainWindowShowsTheExitScreenAndKeepsTheProgramRunning();
    void walkingBetweenTheWindowsKeepsOneExitScreenHiddenWithItsFirstText();
    void keysThatReachAResultsWindowBeingLeftAreIgnored_data();
    void keysThatReachAResultsWindowBeingLeftAreIgnored();
    void theEndClosesEveryWindowShownOrHiddenAndEndsTheProcessOnce_data();
    void theEndClosesEveryWindowShownOrHiddenAndEndsTheProcessOnce();
};

void TestShutdown::closingAMainWindowShowsTheExitScreenAndKeepsTheProgramRunning_data()
{
    QTest::addColumn<bool>("results");
    QTest::addColumn<QString>("how");
    // The windows' keys (Esc, Enter) close them as their own tests show.
    for (const bool results : { false, true }) {
        const char *window = results ? "results" : "questionnaire";
        for (const char *how : { "Exit button", "File > Exit", "close box" })
            QTest::addRow("%s, %s", window, how) << results << QString::fromLatin1(how);
    }
}

void TestShutdown::closingAMainWindowShowsTheExitScreenAndKeepsTheProgramRunning()
{
    QFETCH(bool, results);
    QFETCH(QString, how);
    ProcessEndRecorder ends;
    BoxAnswerer noQuestions;
    Shell shell(testServices(ends));
    QVERIFY(shell.start());
    if (results)
        QVERIFY(finishReading(shell));

    QPointer<QMainWindow> window = shell.mainWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    if (how == u"Exit button") {
        QVERIFY(clickButton(window, QStringLiteral("cmdExit")));
    } else if (how == u"File > Exit") {
        window->findChild<QAction *>(QStringLiteral("mnuExit"))->trigger();
    } else {
        QVERIFY(window->close());
    }

    QTRY_VERIFY(!window);
    QVERIFY(onlyVisible(shell.exitScreen()));
    QCOMPARE(ends.count(), 0);
    QVERIFY(noQuestions.shown.isEmpty());
}

void TestShutdown::walkingBetweenTheWindowsKeepsOneExitScreenHiddenWithItsFirstText()
{
    ProcessEndRecorder ends;
    BoxAnswerer noQuestions;
    quint64 clockReading = 1;
    const SeedSource clock = [&clockReading] { return clockReading; };
    Shell shell(testServices(ends, clock));
    QVERIFY(shell.start());
    QVERIFY(!shell.exitScreen());

    QPointer<frmNagScreen2> screen;
    QString text;
    for (int round = 0; round < 12; ++round) {
        // A fresh questionnaire alone, at its first page, nothing answered.
        auto *questionnaire = qobject_cast<frmMain *>(shell.mainWindow());
        QVERIFY(onlyVisible(questionnaire));
        QCOMPARE(questionnaire->currentPage(), 0);
        for (int answer = 0; answer < catalogue::question(0).answerCount(); ++answer)
            QVERIFY(!questionnaire->isAnswerSelected(0, answer));

        frmDisplay *display = finishReading(shell, round);
        QVERIFY2(onlyVisible(display), "the results window alone after the last page");
        QCOMPARE(shell.mainWindow(), display);
        if (round == 0) {
            // Loaded at the first switch. From now on the clock reads so that
            // a fresh load step would draw another text.
            screen = shell.exitScreen();
            QVERIFY(screen);
            text = promotionalTextOf(screen);
            Random probe(clock);
            while (frmNagScreen2::promotionText(frmNagScreen2::drawPromotionNumber(probe)) ==
                       text &&
                   clockReading < 1000)
                ++clockReading;
        }
        QCOMPARE(shell.exitScreen(), screen.data());
        QCOMPARE(promotionalTextOf(screen), text);

        // Back by the button and by File > Back in turn.
        if (round % 2 == 0)
            QVERIFY(clickButton(display, QStringLiteral("cmdBack")));
        else
            display->findChild<QAction *>(QStringLiteral("mnuFileBack"))->trigger();
    }

    QVERIFY(clickButton(shell.mainWindow(), QStringLiteral("cmdExit")));
    QVERIFY(onlyVisible(screen));
    QCOMPARE(promotionalTextOf(screen), text);
    QCOMPARE(ends.count(), 0);
    QVERIFY(noQuestions.shown.isEmpty());
}

void TestShutdown::keysThatReachAResultsWindowBeingLeftAreIgnored_data()
{
    // Two keys on Back, the second delivered before the window is gone.
    QTest::addColumn<Qt::Key>("first");
    QTest::addColumn<Qt::Key>("second");
    QTest::addColumn<bool>("questionnaire"); // else the exit screen alone
    QTest::newRow("Enter, Enter") << Qt::Key_Return << Qt::Key_Return << true;
    QTest::newRow("Enter, Esc") << Qt::Key_Return << Qt::Key_Escape << true;
    QTest::newRow("Esc, Enter") << Qt::Key_Escape << Qt::Key_Return << false;
}

void TestShutdown::keysThatReachAResultsWindowBeingLeftAreIgnored()
{
    QFETCH(Qt::Key, first);
    QFETCH(Qt::Key, second);
    QFETCH(bool, questionnaire);
    ProcessEndRecorder ends;
    Shell shell(testServices(ends));
    QVERIFY(shell.start());
    QPointer<QPushButton> back =
        finishReading(shell)->findChild<QPushButton *>(QStringLiteral("cmdBack"));
    QTest::keyClick(back, first);
    QTest::keyClick(back, second);

    QTRY_VERIFY(!back);
    QCOMPARE(visibleWindowCount(), 1);
    QVERIFY(questionnaire ? onlyVisible(qobject_cast<frmMain *>(shell.mainWindow()))
                          : onlyVisible(shell.exitScreen()) && !shell.mainWindow());
}

void TestShutdown::theEndClosesEveryWindowShownOrHiddenAndEndsTheProcessOnce_data()
{
    QTest::addColumn<QString>("how");
    for (const char *how :
         { "end routine before the exit screen exists", "end routine with the exit screen hidden",
           "exit screen's Exit button", "exit screen's close box" })
        QTest::newRow(how) << QString::fromLatin1(how);
}

void TestShutdown::theEndClosesEveryWindowShownOrHiddenAndEndsTheProcessOnce()
{
    QFETCH(QString, how);
    ProcessEndRecorder ends;
    BoxAnswerer noQuestions;
    Shell shell(testServices(ends));
    QVERIFY(shell.start());
    QPointer<frmDisplay> hiddenResults = new frmDisplay; // loaded, never shown
    frmDisplay *display = nullptr;
    if (!how.endsWith(u"exists")) {
        display = finishReading(shell);
        QVERIFY(display && shell.exitScreen());
    }
    QPointer<frmNagScreen2> screen = shell.exitScreen();

    if (how.startsWith(u"end routine")) {
        // With the questionnaire shown, whose close step would otherwise
        // create or show the exit screen.
        if (display)
            QVERIFY(clickButton(display, QStringLiteral("cmdBack")));
        QPointer<QMainWindow> questionnaire = shell.mainWindow();
        QVERIFY(onlyVisible(questionnaire));
        shell.EndProgram();
        QTRY_VERIFY(!questionnaire);
    } else {
        // Closing the exit screen enters the end routine a second time.
        QVERIFY(clickButton(display, QStringLiteral("cmdExit")));
        QVERIFY(onlyVisible(screen));
        if (how == u"exit screen's Exit button")
            QVERIFY(clickButton(screen, QStringLiteral("cmdClose")));
        else
            QVERIFY(screen->close());
    }

    QCOMPARE(ends.count(), 1);
    QCOMPARE(visibleWindowCount(), 0);
    QTRY_VERIFY(!screen && !hiddenResults);
    QVERIFY(!shell.exitScreen() && !shell.mainWindow());
    QVERIFY(noQuestions.shown.isEmpty());
}

QTEST_MAIN(TestShutdown)
#include "tst_shutdown.moc"
