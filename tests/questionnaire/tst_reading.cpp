// The question catalogue and the Reading composed from the chosen answers.

#include "questionnaire/catalogue.h"
#include "questionnaire/reading.h"
#include "support/isolation.h"

#include <QFile>
#include <QTest>

using namespace toevane;

class ReadingTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void eachQuestionKeepsItsPlaceCaptionsAndControlNames_data();
    void eachQuestionKeepsItsPlaceCaptionsAndControlNames();
    void eachAnswerAloneComposesItsGoldenEntryAndNoOther();
    void composeTakesTheFirstSelectedAnswerOfEachQuestion();
};

void ReadingTest::initTestCase()
{
    isolateTestSettings();
}

void ReadingTest::eachQuestionKeepsItsPlaceCaptionsAndControlNames_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("title"); // of the page; its frame in the results has no blanks
    QTest::addColumn<QString>("frame");
    QTest::addColumn<bool>("required");
    QTest::addColumn<QString>("next");
    // clang-format off
    QTest::newRow("Toe Appearance") << 0 << "Toe Appearance" << "Frame3" << true << "&Next";
    QTest::newRow("Inclination of Toes") << 1 << "Inclination of Toes" << "Frame4" << true << "&Next";
    QTest::newRow("Big Toe") << 2 << "Big Toe" << "Frame6" << true << "&Next";
    QTest::newRow("Second Toe") << 3 << "Second Toe" << "Frame7" << true << "&Next";
    QTest::newRow("Foot Arches") << 4 << "Foot Arches " << "Frame8" << true << "&Next";
    QTest::newRow("Toe Shape, the one that may stay open") << 5 << "Toe Shape" << "Frame9" << false << "&Next";
    QTest::newRow("Color of Nails") << 6 << "Color of Nails" << "Frame10" << true << "&Next";
    QTest::newRow("Ridges on Toe Nails") << 7 << "Ridges on Toe Nails" << "Frame11" << true << "&Analyze My Toes";
    // clang-format on
}

void ReadingTest::eachQuestionKeepsItsPlaceCaptionsAndControlNames()
{
    QFETCH(int, page);
    QFETCH(QString, title);
    QFETCH(QString, frame);
    QFETCH(bool, required);
    QFETCH(QString, next);
    const catalogue::Question &question = catalogue::questions()[std::size_t(page)];
    QCOMPARE(question.page, page);
    QCOMPARE(question.title.toString(), title);
    QCOMPARE(question.resultTitle.toString(), title.trimmed());
    QCOMPARE(question.resultFrame.toString(), frame);
    QCOMPARE(question.answerRequired, required);
    QCOMPARE(question.hasBack(), page > 0);
    QCOMPARE(question.nextCaption(), next);
    const QString key = question.key.toString(); // pinned in reading.golden
    QCOMPARE(question.optionName(1), "opt" + key + "_1");
    QCOMPARE(question.textLabelName(), "lbl" + key + "Result");
}

// Each answer chosen alone gives one line of reading.golden, in the
// catalogue's order; every other question stays unanswered.
void ReadingTest::eachAnswerAloneComposesItsGoldenEntryAndNoOther()
{
    QFile golden(QFINDTESTDATA("reading.golden"));
    QVERIFY(golden.open(QIODevice::ReadOnly | QIODevice::Text));
    QStringList expected = QString::fromUtf8(golden.readAll()).split(u'\n', Qt::SkipEmptyParts);
    expected.removeIf([](const QString &line) { return line.startsWith(u'#'); });

    QStringList composed;
    for (const catalogue::Question &question : catalogue::questions()) {
        for (int answer = 0; answer < question.answerCount(); ++answer) {
            const Reading reading =
                ComposeReading([&](int p, int a) { return p == question.page && a == answer; });
            for (std::size_t page = 0; page < reading.size(); ++page) {
                const ReadingEntry &entry = reading[page];
                if (entry.answered)
                    composed
                        << QStringList { QString::number(page), entry.key,  QString::number(answer),
                                         entry.caption,         entry.text, QString() }
                               .join(u'|');
                else
                    QVERIFY2(entry.caption.isEmpty() && entry.text.isEmpty(),
                             qPrintable(entry.key));
            }
        }
    }
    QCOMPARE(composed, expected);
}

void ReadingTest::composeTakesTheFirstSelectedAnswerOfEachQuestion()
{
    // Answers 1 and 2 both report selected: the lower index wins.
    const Reading reading = ComposeReading([](int page, int answer) {
        return page != catalogue::kToeShapePage && (answer == 1 || answer == 2);
    });
    for (const catalogue::Question &question : catalogue::questions()) {
        const ReadingEntry &entry = reading[std::size_t(question.page)];
        QCOMPARE(entry.key, question.key.toString());
        QCOMPARE(entry.answered, question.page != catalogue::kToeShapePage);
        if (entry.answered)
            QCOMPARE(entry.caption, question.answers[1].caption.toString());
        else
            QVERIFY(entry.caption.isEmpty() && entry.text.isEmpty());
    }
}

QTEST_GUILESS_MAIN(ReadingTest)
#include "tst_reading.moc"
