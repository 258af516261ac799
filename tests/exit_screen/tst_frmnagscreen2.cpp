// The exit screen: its look and texts, the promotional text chosen at load,
// the forum check box, the tab order and the ways of closing it (its
// catalogue link is tst_links').

#include "common/platform.h"
#include "exit_screen/frmnagscreen2.h"
#include "links/addresses.h"
#include "support/isolation.h"
#include "support/recorders.h"
#include "support/textfit.h"
#include "support/windows.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <QTextLayout>

using namespace toevane;

class TestExitScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { isolateTestSettings(); }
    void init() { QVERIFY((m_screen = shownActive(new frmNagScreen2(m_random)))); }
    void cleanup()
    {
        clearWindows();
        QVERIFY(!m_screen);
    }

    void theWindowIsAFixedWhiteWindowKeptOnTopOfOthers();
    void everyTextFitsItsControlAtNinetySixDpi_data();
    void everyTextFitsItsControlAtNinetySixDpi();
    void theCatalogueTextKeepsItsRunOfBlanksBetweenItsParagraphs();
    void theTabKeyWalksFromExitThroughTheCheckBoxAndTheForm();

    void eachPromotionalTextNamesTheForumUnbreakablyAndDiffersFromTheOthers();
    void eachPromotionalTextIsDrawnAboutAQuarterOfTheTime();
    void theLoadStepShowsTheTextThatTheClockSeededDrawPicks_data()
    {
        everyTextFitsItsControlAtNinetySixDpi_data();
    }
    void theLoadStepShowsTheTextThatTheClockSeededDrawPicks();

    void theForumCheckBoxOpensTheHomePageOncePerClickAndNeverStaysChecked();

    void exitAndTheCloseBoxAskOnceForTheEndOfTheProgram_data();
    void exitAndTheCloseBoxAskOnceForTheEndOfTheProgram();

private:
    quint64 m_clockReading = 1;
    Random m_random { [this] { return m_clockReading; } };
    QPointer<frmNagScreen2> m_screen;
};

void TestExitScreen::theWindowIsAFixedWhiteWindowKeptOnTopOfOthers()
{
    QCOMPARE(m_screen->windowTitle(), QStringLiteral("Toevane v1.10"));
    QCOMPARE(m_screen->size(), QSize(741, 315));
    QCOMPARE(m_screen->minimumSize(), m_screen->maximumSize());
    const Qt::WindowFlags flags = m_screen->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!m_screen->windowIcon().isNull());
    QCOMPARE(m_screen->palette().color(QPalette::Window), QColor(Qt::white));
    const QPoint centre = m_screen->screen()->availableGeometry().center();
    QVERIFY((m_screen->frameGeometry().center() - centre).manhattanLength() <= 2);
}

void TestExitScreen::everyTextFitsItsControlAtNinetySixDpi_data()
{
    QTest::addColumn<int>("k");
    for (int k = 0; k < frmNagScreen2::kPromotionCount; ++k)
        QTest::addRow("promotional text %d", k) << k;
}

void TestExitScreen::everyTextFitsItsControlAtNinetySixDpi()
{
    QFETCH(int, k);
    QCOMPARE(m_screen->logicalDpiY(), 96);
    m_screen->findChild<QLabel *>(QStringLiteral("Label2"))
        ->setText(frmNagScreen2::promotionText(k));
    QStringList problems = textThatDoesNotFit(m_screen);

    // Text boxes: their starting texts in one line, with QLineEdit's margins
    // of 2 pixels beside and 1 above and below the text, inside the frame.
    for (const QLineEdit *box : m_screen->findChildren<QLineEdit *>()) {
        const QFontMetrics metrics(box->font());
        const int frame = 2 * box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box);
        const QSize needed(metrics.horizontalAdvance(box->text()) + 4 + frame,
                           metrics.height() + 2 + frame);
        if (needed.width() > box->width() || needed.height() > box->height())
            problems << box->objectName();
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));

    // Every control lies inside its frame or window, but the message box:
    // out of sight below the form (it stays in the tab order).
    for (const QWidget *control : m_screen->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        QVERIFY2(m_screen->rect().contains(control->geometry()), qPrintable(control->objectName()));
        for (const QWidget *inner : control->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (inner->objectName() == u"txtMessage")
                QVERIFY(inner->geometry().top() >= control->height());
            else if (!inner->objectName().isEmpty())
                QVERIFY2(control->rect().contains(inner->geometry()),
                         qPrintable(inner->objectName()));
        }
    }
}

void TestExitScreen::theCatalogueTextKeepsItsRunOfBlanksBetweenItsParagraphs()
{
    // The run of blanks pushes the second paragraph onto a line of its own;
    // nowhere else are two blanks in a row.
    const QString text = m_screen->findChild<QLabel *>(QStringLiteral("Label3"))->text();
    const QStringList paragraphs = text.split(QString(61, u' '));
    QCOMPARE(paragraphs.size(), 2);
    QVERIFY(paragraphs[0].endsWith(u"depending on their interests.") &&
            !paragraphs[0].contains(u"  "));
    QVERIFY(paragraphs[1].startsWith(u"All the programs") && !paragraphs[1].contains(u"  "));
}

void TestExitScreen::theTabKeyWalksFromExitThroughTheCheckBoxAndTheForm()
{
    const QStringList expected { "cmdClose",      "Check1",     "txtName",
                                 "cmdSubmit",     "txtEmail",   "txtFriendEmail",
                                 "txtFriendName", "txtMessage", "cmdClose" };
    QStringList walked;
    for (int step = 0; step < expected.size(); ++step) {
        QVERIFY(QApplication::focusWidget());
        walked.append(QApplication::focusWidget()->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(walked, expected);
}

void TestExitScreen::eachPromotionalTextNamesTheForumUnbreakablyAndDiffersFromTheOthers()
{
    QSet<QString> texts;
    for (int k = 0; k < frmNagScreen2::kPromotionCount; ++k) {
        const QString text = frmNagScreen2::promotionText(k);
        QVERIFY2(text.contains(sites::shownInText(sites::forumAddress())), qPrintable(text));
        texts.insert(text);
    }
    QCOMPARE(texts.size(), frmNagScreen2::kPromotionCount);
    QVERIFY(frmNagScreen2::forumCheckCaption().contains(sites::shownInText(sites::forumAddress())));
    // The address as shown never breaks, however narrow the line.
    QTextLayout address(sites::shownInText(sites::forumAddress()), m_screen->font());
    address.beginLayout();
    address.createLine().setLineWidth(1);
    QVERIFY(!address.createLine().isValid());
    address.endLayout();
}

void TestExitScreen::eachPromotionalTextIsDrawnAboutAQuarterOfTheTime()
{
    // One draw per run, each run seeded from a different clock reading. The
    // readings are fixed, so the counts are the same on every run of this
    // test; 150 is more than five standard deviations of a fair quarter.
    constexpr int kRuns = 4000;
    std::array<int, frmNagScreen2::kPromotionCount> counts {};
    for (quint64 run = 1; run <= kRuns; ++run) {
        m_clockReading = run * 1000003u;
        const int k = frmNagScreen2::drawPromotionNumber(m_random);
        QVERIFY(k >= 0 && k < frmNagScreen2::kPromotionCount);
        ++counts[std::size_t(k)];
    }
    for (const int count : counts)
        QCOMPARE_LE(qAbs(count - kRuns / 4), 150);
}

void TestExitScreen::theLoadStepShowsTheTextThatTheClockSeededDrawPicks()
{
    QFETCH(int, k);
    // A clock reading whose draw gives k.
    m_clockReading = 0;
    do
        ++m_clockReading;
    while (frmNagScreen2::drawPromotionNumber(m_random) != k && m_clockReading < 1000);

    // Draw something else in between: the load step must seed afresh.
    m_random.seed(987654321);
    m_random.next();
    const frmNagScreen2 screen(m_random);
    QCOMPARE(screen.findChild<QLabel *>(QStringLiteral("Label2"))->text(),
             frmNagScreen2::promotionText(k));
}

void TestExitScreen::theForumCheckBoxOpensTheHomePageOncePerClickAndNeverStaysChecked()
{
    UrlRecorder browser;
    auto *check1 = m_screen->findChild<QPushButton *>(QStringLiteral("Check1"));
    QVERIFY(check1 && check1->isCheckable());
    QVERIFY(!check1->isChecked());
    QCOMPARE(check1->cursor().shape(), Qt::PointingHandCursor);
    for (int click = 1; click <= 3; ++click) {
        QTest::mouseClick(check1, Qt::LeftButton);
        QCOMPARE(browser.addresses(), QStringList(click, sites::forumAddress()));
        QVERIFY(!check1->isChecked());
    }
    QVERIFY(m_screen->isVisible());
}

void TestExitScreen::exitAndTheCloseBoxAskOnceForTheEndOfTheProgram_data()
{
    QTest::addColumn<QString>("how");
    for (const char *how : { "Exit button", "close box", "Enter on the first control", "Alt+X" })
        QTest::newRow(how) << QString::fromLatin1(how);
}

void TestExitScreen::exitAndTheCloseBoxAskOnceForTheEndOfTheProgram()
{
    // The screen only asks; its owner, the Shell, ends the program.
    QFETCH(QString, how);
    auto *cmdClose = m_screen->findChild<QPushButton *>(QStringLiteral("cmdClose"));
    QCOMPARE(QApplication::focusWidget(), cmdClose);

    QSignalSpy endRequests(m_screen.data(), &frmNagScreen2::endRequested);
    BoxAnswerer noQuestions;
    if (how == u"Exit button")
        QTest::mouseClick(cmdClose, Qt::LeftButton);
    else if (how == u"close box")
        QVERIFY(m_screen->close());
    else if (how == u"Enter on the first control")
        QTest::keyClick(cmdClose, Qt::Key_Return);
    else
        QTest::keyClick(m_screen, Qt::Key_X, Qt::AltModifier);

    QTRY_COMPARE(endRequests.count(), 1); // Alt+X presses the button after a moment
    QVERIFY(noQuestions.shown.isEmpty());
}

QTEST_MAIN(TestExitScreen)
#include "tst_frmnagscreen2.moc"
