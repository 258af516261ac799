// The results window: its initial captions, Back to a new questionnaire,
// its keys and its File menu.

#include "app/shutdown.h"
#include "exit_screen/frmnagscreen2.h"
#include "links/linklabel.h"
#include "questionnaire/catalogue.h"
#include "questionnaire/frmmain.h"
#include "questionnaire/reading.h"
#include "results/frmdisplay.h"
#include "support/modalboxanswerer.h"
#include "support/recorders.h"
#include "support/windows.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace toevane;

namespace {

// Runs a questionnaire to its end; toeShape < 0 skips Toe Shape.
frmDisplay *readingWith(int toeShape)
{
    auto *questionnaire = new frmMain;
    questionnaire->show();
    return answerAndFinish(*questionnaire, { 0, 0, 0, 0, 0, toeShape, 0, 0 });
}

QString labelText(QWidget *window, const char *name)
{
    auto *label = window->findChild<QLabel *>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<missing>");
}

// The label a click in the promotional box would reach.
QWidget *frontPromoLabel(QWidget *window)
{
    auto *cobrand = window->findChild<LinkLabel *>(QStringLiteral("lblCobrand"));
    return cobrand->parentWidget()->childAt(cobrand->geometry().center());
}

} // namespace

class FrmDisplayTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();

    void newWindowShowsItsInitialCaptions();
    void backLeadsToAFreshQuestionnaire_data();
    void backLeadsToAFreshQuestionnaire();
    void answeringAgainShowsOnlyTheNewReading();
    void keysOfTheResultsWindow_data();
    void keysOfTheResultsWindow();
    void fileMenuHoldsBackAndExit();
    void switchesNeverMapTheExitScreen();
};

void FrmDisplayTest::cleanup()
{
    endProgramAndClearWindows();
}

void FrmDisplayTest::newWindowShowsItsInitialCaptions()
{
    frmDisplay display;
    display.setAttribute(Qt::WA_DeleteOnClose, false);
    display.show();
    QVERIFY(QTest::qWaitForWindowActive(&display));
    QCOMPARE(display.windowTitle(), QStringLiteral("Toevane v1.10"));
    QCOMPARE(display.centralWidget()->size(), QSize(585, 477));
    QCOMPARE(labelText(&display, "lblToeShape"), QString());
    QCOMPARE(labelText(&display, "lblToeShapeResult"),
             QStringLiteral("You are not selected this type of Toe."));
    QCOMPARE(labelText(&display, "lblBigToeResult"), QString());
    QCOMPARE(frontPromoLabel(&display)->objectName(), QStringLiteral("lblCobrand"));
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdBack"));
}

void FrmDisplayTest::backLeadsToAFreshQuestionnaire_data()
{
    QTest::addColumn<bool>("byMenu");
    QTest::newRow("Back button") << false;
    QTest::newRow("File > Back") << true;
}

void FrmDisplayTest::backLeadsToAFreshQuestionnaire()
{
    QFETCH(bool, byMenu);
    ProcessEndRecorder ends;
    frmDisplay *results = readingWith(2);
    QVERIFY(results);
    if (byMenu)
        results->findChild<QAction *>(QStringLiteral("mnuFileBack"))->trigger();
    else
        QTest::mouseClick(results->findChild<QPushButton *>(QStringLiteral("cmdBack")),
                          Qt::LeftButton);

    const auto questionnaires = visibleWindows<frmMain>();
    QCOMPARE(questionnaires.size(), 1);
    frmMain *fresh = questionnaires.first();
    QCOMPARE(fresh->currentPage(), 0);
    for (int page = 0; page < catalogue::kQuestionCount; ++page) {
        for (int answer = 0; answer < catalogue::question(page).answerCount(); ++answer)
            QVERIFY(!fresh->isAnswerSelected(page, answer));
    }
    QCOMPARE(frontPromoLabel(fresh)->objectName(), QStringLiteral("lblFullBrand"));
    QVERIFY(shell::exitScreen());
    QVERIFY(!shell::exitScreen()->isVisible());
    QCOMPARE(visibleWindowCount(), 1);
    QCOMPARE(ends.count(), 0);
}

void FrmDisplayTest::answeringAgainShowsOnlyTheNewReading()
{
    frmDisplay *first = readingWith(1);
    QVERIFY(first);
    QCOMPARE(labelText(first, "lblToeShape"), QStringLiteral("Bent"));
    first->cmdBack_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(visibleWindows<frmMain>().size(), 1);
    visibleWindows<frmMain>().first()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    frmDisplay *second = readingWith(-1);
    QVERIFY(second);
    QCOMPARE(labelText(second, "lblToeShape"), QString());
    QCOMPARE(labelText(second, "lblToeShapeResult"),
             QStringLiteral("You are not selected this type of Toe."));
}

void FrmDisplayTest::keysOfTheResultsWindow_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("leadsBack");
    QTest::newRow("Esc exits") << int(Qt::Key_Escape) << false;
    QTest::newRow("Enter at opening presses Back") << int(Qt::Key_Return) << true;
}

void FrmDisplayTest::keysOfTheResultsWindow()
{
    QFETCH(int, key);
    QFETCH(bool, leadsBack);
    ProcessEndRecorder ends;
    frmDisplay *results = readingWith(0);
    QVERIFY(results);
    QVERIFY(QTest::qWaitForWindowActive(results));
    QTRY_VERIFY(QApplication::focusWidget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QTRY_VERIFY(!results->isVisible());
    QCOMPARE(visibleWindows<frmMain>().size(), leadsBack ? 1 : 0);
    QCOMPARE(shell::exitScreen()->isVisible(), !leadsBack);
    QCOMPARE(ends.count(), 0);
}

void FrmDisplayTest::fileMenuHoldsBackAndExit()
{
    frmDisplay display;
    display.setAttribute(Qt::WA_DeleteOnClose, false);
    auto *file = display.findChild<QMenu *>(QStringLiteral("mnuFile"));
    QVERIFY(file);
    QStringList items;
    for (const QAction *action : file->actions())
        items << action->objectName() + u'=' + action->text();
    QCOMPARE(
        items,
        (QStringList { QStringLiteral("mnuFileBack=&Back"), QStringLiteral("mnuExit=E&xit") }));
}

void FrmDisplayTest::switchesNeverMapTheExitScreen()
{
    // The exit screen comes into being at the first switch but is shown
    // only by an exit: a switch must not flash it on screen.
    frmDisplay *results = readingWith(0);
    QVERIFY(results);
    frmNagScreen2 *exitScreen = shell::exitScreen();
    QVERIFY(exitScreen);
    QVERIFY(!exitScreen->isVisible());

    int shown = 0;
    struct ShowCounter : QObject
    {
        int *count;
        explicit ShowCounter(int *c)
            : count(c)
        {
        }
        bool eventFilter(QObject *, QEvent *event) override
        {
            *count += event->type() == QEvent::Show;
            return false;
        }
    } counter(&shown);
    exitScreen->installEventFilter(&counter);

    results->cmdBack_Click();
    QCOMPARE(visibleWindows<frmMain>().size(), 1);
    results = answerAndFinish(*visibleWindows<frmMain>().first(), { 1, 1, 1, 1, 1, 1, 1, 1 });
    QVERIFY(results);
    QCOMPARE(shown, 0);
    ProcessEndRecorder ends;
    results->cmdExit_Click();
    QCOMPARE(shown, 1);
    QCOMPARE(shell::exitScreen(), exitScreen);
    exitScreen->removeEventFilter(&counter);
}

QTEST_MAIN(FrmDisplayTest)
#include "tst_frmdisplay.moc"
