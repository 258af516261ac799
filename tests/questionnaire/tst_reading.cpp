// The question catalogue and the Reading composed from the chosen answers.

#include "questionnaire/catalogue.h"
#include "questionnaire/reading.h"
#include "support/isolation.h"

#include <QTest>

#include <algorithm>

using namespace toevane;

namespace {

struct Row
{
    int page;
    int answer;
    const char *key;
    const char *caption;
    const char *text;
};

// Every answer of the questionnaire, exactly as the results window shows it.
constexpr Row kAnswers[] = {
    { 0, 0, "ToeAppearance", "Large", "This toe indicates a high level of energy." },
    { 0, 1, "ToeAppearance", "Short",
      "This toe indicates that you are controlled and not very expressive." },
    { 0, 2, "ToeAppearance", "Pointed",
      "This toe indicates that you are prone to sudden bursts of energy." },
    { 0, 3, "ToeAppearance", "Rounded", "You are vulnerable but also diplomatic." },
    { 0, 4, "ToeAppearance", "Spatulate",
      "This toe indicates a lot of energy that can be powerful if used the right way. " },
    { 0, 5, "ToeAppearance", "Rectangular",
      "This toe signifies a practical and down-to-earth nature." },
    { 1, 0, "InclinationofToes", "Bent towards Big Toe",
      "This means that you still think about past happenings." },
    { 1, 1, "InclinationofToes", "Bent towards Little Toe",
      "You are in a hurry to face the unknown future." },
    { 2, 0, "BigToe", "Large Big Toe",
      "You may talk too much on the verge of boastfulness and not implement all your ideas but "
      "you may also be rational. This also indicates wealth and prosperity. " },
    { 2, 1, "BigToe", "Small Big Toe", "You may not be very dependable by nature." },
    { 2, 2, "BigToe", "Rounded Big Toe ",
      "You are very clever and can go to great heights in life." },
    { 2, 3, "BigToe", "Painful Big Toe", "You may have to face sorrows in life." },
    // Standalone Big Toe and Swollen Feet share one sentence.
    { 2, 4, "BigToe", "Standalone Big Toe",
      "You are not very comfortable with sharing your feelings with others." },
    { 3, 0, "SecondToe", "Second Toe Larger than the Big Toe",
      "You may have a dominating nature. But you can be a leader if you take life positively." },
    { 3, 1, "SecondToe", "Second Toe Smaller than the Big Toe",
      "You will have an average lifestyle with enough money but never more. " },
    { 3, 2, "SecondToe", "Webbed Second Toe", "Your career means everything to you." },
    { 4, 0, "FootArches", "High Arches",
      "You are very logical by nature and a thinker at heart. You may tend to dream a lot." },
    { 4, 1, "FootArches", "Low Arches or Flat Feet", "You are very practical by nature." },
    { 4, 2, "FootArches", "Swollen Feet",
      "You are not very comfortable with sharing your feelings with others." },
    { 5, 0, "ToeShape", "Twisted",
      "You may tend to run away from the truth and need encouragement from others." },
    { 5, 1, "ToeShape", "Bent",
      "You may scared to bear responsibility and very unsure of yourself" },
    { 5, 2, "ToeShape", "Crooked", "You may change your thinking to please others." },
    { 6, 0, "ColorofNails", "Black", "You may not have a very dependable nature." },
    { 6, 1, "ColorofNails", "Blue", "You are well liked and respected." },
    { 6, 2, "ColorofNails", "Yellow", "You may become wealthy." },
    { 6, 3, "ColorofNails", "Copper", "You will lead a royal life." },
    { 7, 0, "RidgesonToeNails", "Vertical", "You may go to all extent to support your opinions" },
    { 7, 1, "RidgesonToeNails", "Horizontal", "You may feel emotional unstable." },
};

} // namespace

class ReadingTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void eachQuestionKeepsItsPlaceCaptionsAndControlNames_data();
    void eachQuestionKeepsItsPlaceCaptionsAndControlNames();
    void eachAnswerComposesItsEntryAndLeavesTheOthersUnanswered_data();
    void eachAnswerComposesItsEntryAndLeavesTheOthersUnanswered();
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
    const auto rows = std::count_if(std::begin(kAnswers), std::end(kAnswers),
                                    [page](const Row &row) { return row.page == page; });
    const auto first = std::find_if(std::begin(kAnswers), std::end(kAnswers),
                                    [page](const Row &row) { return row.page == page; });
    QCOMPARE(question.page, page);
    QCOMPARE(question.answerCount(), int(rows));
    QCOMPARE(question.title.toString(), title);
    QCOMPARE(question.resultTitle.toString(), title.trimmed());
    QCOMPARE(question.resultFrame.toString(), frame);
    QCOMPARE(question.answerRequired, required);
    QCOMPARE(question.hasBack(), page > 0);
    QCOMPARE(question.nextCaption(), next);
    const QString key = QString::fromLatin1(first->key);
    QCOMPARE(question.optionName(1), "opt" + key + "_1");
    QCOMPARE(question.textLabelName(), "lbl" + key + "Result");
}

void ReadingTest::eachAnswerComposesItsEntryAndLeavesTheOthersUnanswered_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");
    for (const Row &row : kAnswers) {
        QTest::addRow("%s %d", row.key, row.answer)
            << row.page << row.answer << QString::fromLatin1(row.key)
            << QString::fromLatin1(row.caption) << QString::fromLatin1(row.text);
    }
}

void ReadingTest::eachAnswerComposesItsEntryAndLeavesTheOthersUnanswered()
{
    QFETCH(int, page);
    QFETCH(int, answer);
    QFETCH(QString, key);
    QFETCH(QString, caption);
    QFETCH(QString, text);

    const Reading reading = ComposeReading([&](int p, int a) { return p == page && a == answer; });
    for (const ReadingEntry &entry : reading) {
        if (entry.key == key)
            QCOMPARE(entry, (ReadingEntry { key, true, caption, text }));
        else
            QVERIFY2(!entry.answered && entry.caption.isEmpty() && entry.text.isEmpty(),
                     qPrintable(entry.key));
    }
    QCOMPARE(reading[std::size_t(page)].key, key);
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
