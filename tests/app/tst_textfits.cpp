// Every text the main windows show must fit its control at the window's
// fixed size: no clipped or elided words at 96 dpi with the stand-in fonts.
// (The About window and the exit screen are checked in their own tests.)
// And in every window, every control announces its own caption to screen
// readers.

#include "about/frmabout.h"
#include "common/platform.h"
#include "exit_screen/frmnagscreen2.h"
#include "questionnaire/frmmain.h"
#include "questionnaire/reading.h"
#include "results/frmdisplay.h"
#include "support/isolation.h"
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
    void everyControlAnnouncesItsOwnCaption_data();
    void everyControlAnnouncesItsOwnCaption();
};

void TextFitsTest::initTestCase()
{
    isolateTestSettings();
    QApplication::setStyle(QStringLiteral("Fusion"));
    QCOMPARE(qRound(qApp->primaryScreen()->logicalDotsPerInch()), 96);
}

void TextFitsTest::everyTextFitsItsControl_data()
{
    QTest::addColumn<std::function<QWidget *()>>("make");
    QTest::newRow("questionnaire") << std::function<QWidget *()>([] { return new frmMain; });
    // Answer n on every page (the last one where a page has fewer): together
    // the rows show every caption and text of the catalogue. Answer -1 leaves
    // the results window as it opens.
    for (int answer = -1; answer < 6; ++answer) {
        QTest::addRow("results, answer %d", answer) << std::function<QWidget *()>([answer] {
            auto *display = new frmDisplay;
            ApplyReading(ComposeReading([answer](int page, int index) {
                             return index ==
                                 std::min(answer, catalogue::question(page).answerCount() - 1);
                         }),
                         *display);
            return display;
        });
    }
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

void TextFitsTest::everyControlAnnouncesItsOwnCaption_data()
{
    everyTextFitsItsControl_data();
    QTest::newRow("about") << std::function<QWidget *()>([] { return new frmAbout; });
    QTest::newRow("exit screen") << std::function<QWidget *()>([] {
        static Random random;
        return new frmNagScreen2(random);
    });
}

void TextFitsTest::everyControlAnnouncesItsOwnCaption()
{
    QFETCH(std::function<QWidget *()>, make);
    std::unique_ptr<QWidget> window(make());
    const QStringList problems = controlsNotNamedByTheirCaption(window.get());
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

QTEST_MAIN(TextFitsTest)
#include "tst_textfits.moc"
