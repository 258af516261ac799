// The question catalogue and the Reading composed from the chosen answers.

#include "questionnaire/catalogue.h"
#include "questionnaire/reading.h"
#include "support/isolation.h"

#include <QTest>

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

    void catalogueHoldsExactlyTheListedAnswersInPageOrder();
    void eachAnswerComposesItsEntryAndLeavesTheOthersUnanswered_data();
    void eachAnswerComposesItsEntryAndLeavesTheOthersUnanswered();
    void composeTakesTheFirstSelectedAnswerOfEachQuestion();
};

void ReadingTest::initTestCase()
{
    isolateTestSettings();
}

void ReadingTest::catalogueHoldsExactlyTheListedAnswersInPageOrder()
{
    int answers = 0;
    for (int page = 0; page < catalogue::kQuestionCount; ++page) {
        QCOMPARE(catalogue::questions()[std::size_t(page)].page, page);
        answers += catalogue::question(page).answerCount();
    }
    QCOMPARE(answers, int(std::size(kAnswers)));
    // The page caption keeps its trailing blank; the results frame has none.
    QCOMPARE(catalogue::question(4).title, QStringView(u"Foot Arches "));
    QCOMPARE(catalogue::question(4).resultTitle, QStringView(u"Foot Arches"));
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
