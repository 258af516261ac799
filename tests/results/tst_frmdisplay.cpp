// The results window: its initial captions, the Reading written into it,
// Back to a new questionnaire and its keys.

#include "exit_screen/frmnagscreen2.h"
#include "questionnaire/catalogue.h"
#include "questionnaire/frmmain.h"
#include "questionnaire/reading.h"
#include "results/frmdisplay.h"
#include "support/isolation.h"
#include "support/recorders.h"
#include "support/windows.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace toevane;

namespace {

const QString kNotSelected = QStringLiteral("You are not selected this type of Toe.");

QString labelText(QWidget *window, const QString &name)
{
    auto *label = window->findChild<QLabel *>(name);
    return label ? label->text() : QStringLiteral("<no label %1>").arg(name);
}

} // namespace

class FrmDisplayTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { isolateTestSettings(); }
    void cleanup() { clearWindows(); }

    void newWindowShowsItsInitialCaptions();
    void readingFillsTheLabelsUnderEachQuestion_data();
    void readingFillsTheLabelsUnderEachQuestion();
    void backAndEscReportWhatTheUserWants_data();
    void backAndEscReportWhatTheUserWants();
    void analyzeAndBackReplaceTheMainWindowWithoutShowingTheExitScreen();
};

void FrmDisplayTest::newWindowShowsItsInitialCaptions()
{
    frmDisplay display;
    display.setAttribute(Qt::WA_DeleteOnClose, false);
    QVERIFY(shownActive(&display));
    QCOMPARE(display.windowTitle(), QStringLiteral("Toevane v1.10"));
    QCOMPARE(display.centralWidget()->size(), QSize(585, 477));
    QCOMPARE(labelText(&display, QStringLiteral("lblToeShape")), QString());
    QCOMPARE(labelText(&display, QStringLiteral("lblToeShapeResult")), kNotSelected);
    QCOMPARE(labelText(&display, QStringLiteral("lblBigToeResult")), QString());
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdBack"));
}

void FrmDisplayTest::readingFillsTheLabelsUnderEachQuestion_data()
{
    // Answer n on every page (the last one where a page has fewer): together
    // the rows show every answer of the catalogue. -1 skips Toe Shape.
    QTest::addColumn<int>("answer");
    for (int answer = 0; answer < 6; ++answer)
        QTest::addRow("answer %d", answer) << answer;
    QTest::newRow("Toe Shape skipped") << -1;
}

void FrmDisplayTest::readingFillsTheLabelsUnderEachQuestion()
{
    QFETCH(int, answer);
    const Reading reading = ComposeReading([answer](int page, int index) {
        if (answer < 0)
            return page != catalogue::kToeShapePage && index == 0;
        return index == std::min(answer, catalogue::question(page).answerCount() - 1);
    });
    frmDisplay display;
    ApplyReading(reading, display);

    for (const catalogue::Question &question : catalogue::questions()) {
        const ReadingEntry &entry = reading[std::size_t(question.page)];
        QCOMPARE(entry.answered, answer >= 0 || question.page != catalogue::kToeShapePage);
        auto *caption = display.findChild<QLabel *>(QStringLiteral("lbl%1").arg(question.key));
        auto *text = display.findChild<QLabel *>(QStringLiteral("lbl%1Result").arg(question.key));
        QVERIFY(caption && text);
        // Shown in the frame of that question.
        auto *frame = qobject_cast<QGroupBox *>(caption->parentWidget());
        QVERIFY(frame && text->parentWidget() == frame);
        QCOMPARE(frame->title(), question.resultTitle.toString());
        if (entry.answered) {
            QCOMPARE(caption->text(), entry.caption);
            QCOMPARE(text->text(), entry.text);
        } else {
            // An unanswered question keeps the captions the window opened with.
            QCOMPARE(caption->text(), QString());
            QCOMPARE(text->text(), kNotSelected);
        }
    }
}

void FrmDisplayTest::backAndEscReportWhatTheUserWants_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("back");
    QTest::newRow("Back button") << QStringLiteral("cmdBack") << true;
    QTest::newRow("File > Back") << QStringLiteral("mnuFileBack") << true;
    QTest::newRow("Enter at opening presses Back") << QStringLiteral("Enter") << true;
    QTest::newRow("Esc exits") << QStringLiteral("Esc") << false;
}

void FrmDisplayTest::backAndEscReportWhatTheUserWants()
{
    QFETCH(QString, how);
    QFETCH(bool, back);
    QPointer display = shownActive(new frmDisplay);
    QVERIFY(display);
    QSignalSpy backRequested(display.data(), &frmDisplay::backRequested);
    QSignalSpy closed(display.data(), &frmDisplay::closed);

    if (how == u"cmdBack") {
        QTest::mouseClick(display->findChild<QPushButton *>(how), Qt::LeftButton);
    } else if (how == u"mnuFileBack") {
        display->findChild<QAction *>(how)->trigger();
    } else {
        QTRY_VERIFY(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(),
                        how == u"Esc" ? Qt::Key_Escape : Qt::Key_Return);
    }

    QCOMPARE(backRequested.count(), back ? 1 : 0);
    QCOMPARE(closed.count(), back ? 0 : 1);
    // Back leaves the closing to the one who asked for it.
    if (back)
        QVERIFY(display->isVisible());
    else
        QTRY_VERIFY(!display);
}

void FrmDisplayTest::analyzeAndBackReplaceTheMainWindowWithoutShowingTheExitScreen()
{
    ProcessEndRecorder ends;
    Shell shell(testServices(ends));
    QVERIFY(shell.start());
    QPointer questionnaire = qobject_cast<frmMain *>(shell.mainWindow());
    QVERIFY(questionnaire);
    QPointer results = answerAndFinish(*questionnaire, { 2, 1, 2, 1, 2, 1, 2, 1 });
    QVERIFY(results);
    QCOMPARE(shell.mainWindow(), results);
    QCOMPARE(labelText(results, QStringLiteral("lblToeShape")), QStringLiteral("Bent"));
    QCOMPARE(visibleWindowCount(), 1);
    QTRY_VERIFY(!questionnaire); // unloaded, not hidden
    // The exit screen comes into being at the first switch but is shown only
    // by an exit: a switch must not even flash it on screen.
    QPointer<frmNagScreen2> exitScreen = shell.exitScreen();
    QVERIFY(exitScreen && !exitScreen->isVisible());
    int shown = 0;
    struct ShowCounter : QObject
    {
        int &count;
        explicit ShowCounter(int &c)
            : count(c)
        {
        }
        bool eventFilter(QObject *, QEvent *event) override
        {
            count += event->type() == QEvent::Show;
            return false;
        }
    } counter(shown);
    exitScreen->installEventFilter(&counter);

    QVERIFY(clickButton(results, QStringLiteral("cmdBack")));
    auto *fresh = qobject_cast<frmMain *>(shell.mainWindow());
    QVERIFY(fresh && fresh->isVisible());
    QCOMPARE(visibleWindowCount(), 1);
    QTRY_VERIFY(!results);
    QCOMPARE(fresh->currentPage(), 0);
    for (int page = 0; page < catalogue::kQuestionCount; ++page) {
        for (int answer = 0; answer < catalogue::question(page).answerCount(); ++answer)
            QVERIFY(!fresh->isAnswerSelected(page, answer));
    }
    // Only the questionnaire of the start draws its promotional label.
    QCOMPARE(frontPromoLabel(*fresh), QStringLiteral("lblFullBrand"));

    // The new results window shows the new answers only.
    results = answerAndFinish(*fresh, { 0, 0, 0, 0, 0, -1, 0, 0 });
    QVERIFY(results);
    QCOMPARE(labelText(results, QStringLiteral("lblToeShape")), QString());
    QCOMPARE(labelText(results, QStringLiteral("lblToeShapeResult")), kNotSelected);
    QCOMPARE(shown, 0);

    QVERIFY(clickButton(results, QStringLiteral("cmdExit")));
    QCOMPARE(shown, 1);
    QCOMPARE(shell.exitScreen(), exitScreen.data());
    exitScreen->removeEventFilter(&counter);
    QCOMPARE(ends.count(), 0);
    endProgramAndClearWindows(shell);
}

QTEST_MAIN(FrmDisplayTest)
#include "tst_frmdisplay.moc"
