// Every text the program shows must fit its control at the window's fixed
// size: no clipped or elided words at 96 dpi with the stand-in fonts.

#include "about/frmabout.h"
#include "exit_screen/frmnagscreen2.h"
#include "questionnaire/frmmain.h"
#include "questionnaire/reading.h"
#include "results/frmdisplay.h"
#include "support/textfit.h"

#include <QApplication>
#include <QTest>

#include <functional>
#include <memory>

using namespace toevane;

class TextFitsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void everyTextFitsItsControl_data();
    void everyTextFitsItsControl();
    void everyReadingFitsTheResultsWindow_data();
    void everyReadingFitsTheResultsWindow();
};

void TextFitsTest::initTestCase()
{
    QApplication::setStyle(QStringLiteral("Fusion"));
    QCOMPARE(qRound(qApp->primaryScreen()->logicalDotsPerInch()), 96);
}

void TextFitsTest::everyTextFitsItsControl_data()
{
    QTest::addColumn<std::function<QWidget *()>>("make");
    QTest::newRow("questionnaire") << std::function<QWidget *()>([] { return new frmMain; });
    QTest::newRow("results") << std::function<QWidget *()>([] { return new frmDisplay; });
    QTest::newRow("about") << std::function<QWidget *()>([] { return new frmAbout; });
    QTest::newRow("exit screen") << std::function<QWidget *()>([] { return new frmNagScreen2; });
}

void TextFitsTest::everyTextFitsItsControl()
{
    QFETCH(std::function<QWidget *()>, make);
    std::unique_ptr<QWidget> window(make());
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const QStringList problems = textThatDoesNotFit(window.get());
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

void TextFitsTest::everyReadingFitsTheResultsWindow_data()
{
    // Answer index n on every page (the last one where a page has fewer):
    // together the rows show every caption and text of the catalogue.
    QTest::addColumn<int>("answer");
    for (int answer = 0; answer < 6; ++answer)
        QTest::addRow("answer %d", answer) << answer;
}

void TextFitsTest::everyReadingFitsTheResultsWindow()
{
    QFETCH(int, answer);
    const Reading reading = ComposeReading([answer](int page, int index) {
        return index == std::min(answer, catalogue::question(page).answerCount() - 1);
    });
    frmDisplay display;
    display.setAttribute(Qt::WA_DeleteOnClose, false);
    ApplyReading(reading, display);
    display.show();
    QVERIFY(QTest::qWaitForWindowExposed(&display));
    const QStringList problems = textThatDoesNotFit(&display);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

QTEST_MAIN(TextFitsTest)
#include "tst_textfits.moc"
