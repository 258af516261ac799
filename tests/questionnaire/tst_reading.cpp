// The question catalogue and the Reading composed from the chosen answers.

#include "questionnaire/catalogue.h"
#include "questionnaire/reading.h"
#include "support/isolation.h"

#include <QFile>
#include <QTest>

using namespace toevane;

namespace {

// The lines of a golden file beside this test, its # comments left out.
QStringList goldenLines(const char *name)
{
    QFile golden(QFINDTESTDATA(name));
    if (!golden.open(QIODevice::ReadOnly | QIODevice::Text))
        return { QStringLiteral("cannot read ") + QString::fromLatin1(name) };
    QStringList lines = QString::fromUtf8(golden.readAll()).split(u'\n', Qt::SkipEmptyParts);
    lines.removeIf([](const QString &line) { return line.startsWith(u'#'); });
    return lines;
}

} // namespace

class ReadingTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { isolateTestSettings(); }

    void eachQuestionKeepsItsPlaceCaptionsAndControlNames();
    void eachAnswerAloneComposesItsGoldenEntryAndNoOther();
    void composeTakesTheFirstSelectedAnswerOfEachQuestion();
};

// Each question gives one line of questions.golden, in the catalogue's order.
void ReadingTest::eachQuestionKeepsItsPlaceCaptionsAndControlNames()
{
    QStringList shown;
    for (const catalogue::Question &question : catalogue::questions()) {
        QCOMPARE(question.page, int(shown.size()));
        QCOMPARE(question.hasBack(), question.page > 0);
        shown << QStringList { QString::number(question.page),
                               question.title.toString(),
                               question.resultTitle.toString(),
                               question.resultFrame.toString(),
                               question.answerRequired ? "required" : "may stay open",
                               question.nextCaption(),
                               question.optionName(1),
                               question.textLabelName(),
                               QString() }
                     .join(u'|');
    }
    QCOMPARE(shown, goldenLines("questionnaire/questions.golden"));
}

// Each answer chosen alone gives one line of reading.golden, in the
// catalogue's order; every other question stays unanswered.
void ReadingTest::eachAnswerAloneComposesItsGoldenEntryAndNoOther()
{
    QStringList composed;
    for (const catalogue::Question &question : catalogue::questions()) {
        for (int answer = 0; answer < question.answerCount(); ++answer) {
            const Reading reading =
                ComposeReading([&](int p, int a) { return p == question.page && a == answer; });
            for (std::size_t page = 0; page < reading.size(); ++page) {
                const ReadingEntry &entry = reading[page];
                if (entry.answered)
                    composed << QStringLiteral("%1|%2|%3|%4|%5|")
                                    .arg(QString::number(page), question.key.toString(),
                                         QString::number(answer), entry.caption, entry.text);
                else
                    QVERIFY2(entry.caption.isEmpty() && entry.text.isEmpty(),
                             qPrintable(QString::number(page)));
            }
        }
    }
    QCOMPARE(composed, goldenLines("questionnaire/reading.golden"));
}

void ReadingTest::composeTakesTheFirstSelectedAnswerOfEachQuestion()
{
    // Answers 1 and 2 both report selected: the lower index wins.
    const Reading reading = ComposeReading([](int page, int answer) {
        return page != catalogue::kToeShapePage && (answer == 1 || answer == 2);
    });
    for (const catalogue::Question &question : catalogue::questions()) {
        const ReadingEntry &entry = reading[std::size_t(question.page)];
        QCOMPARE(entry.answered, question.page != catalogue::kToeShapePage);
        if (entry.answered)
            QCOMPARE(entry.caption, question.answers[1].caption.toString());
        else
            QVERIFY(entry.caption.isEmpty() && entry.text.isEmpty());
    }
}

QTEST_GUILESS_MAIN(ReadingTest)
#include "tst_reading.moc"
