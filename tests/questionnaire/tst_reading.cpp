// From the chosen answers to the labels of a new results window.

#include "questionnaire/catalogue.h"
#include "questionnaire/frmmain.h"
#include "questionnaire/reading.h"
#include "results/frmdisplay.h"
#include "support/modalboxanswerer.h"
#include "support/windows.h"

#include <QLabel>
#include <QRadioButton>
#include <QSet>
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

class ReadingTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();

    void catalogueHoldsEightQuestionsAndTwentySevenTexts();
    void everyAnswerReachesItsLabelPair_data();
    void everyAnswerReachesItsLabelPair();
    void standaloneBigToeAndSwollenFeetShareOneSentence();
    void skippedToeShapeKeepsTheInitialCaptions();
    void fullyAnsweredReadingShowsNoSkippedSentence();
    void composeTakesTheFirstSelectedAnswerOfEachQuestion();
    void finishingLeavesOnlyTheResultsWindowOnScreen();
};

void ReadingTest::cleanup()
{
    endProgramAndClearWindows();
}

void ReadingTest::catalogueHoldsEightQuestionsAndTwentySevenTexts()
{
    int answers = 0;
    QSet<QString> texts;
    QSet<QString> keys;
    for (const catalogue::Question &question : catalogue::questions()) {
        answers += question.answerCount();
        keys.insert(question.key.toString());
        QCOMPARE(question.answerRequired, question.page != catalogue::kToeShapePage);
        for (const catalogue::Answer &answer : question.answers)
            texts.insert(answer.text.toString());
    }
    QCOMPARE(int(catalogue::questions().size()), 8);
    QCOMPARE(keys.size(), 8);
    QCOMPARE(answers, 28);
    QCOMPARE(texts.size(), 27);
    QCOMPARE(catalogue::question(4).title, QStringView(u"Foot Arches "));
    QCOMPARE(catalogue::question(4).resultTitle, QStringView(u"Foot Arches"));
}

void ReadingTest::everyAnswerReachesItsLabelPair_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("labelKey");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");

    const auto row = [](int page, int answer, const char *key, const char *caption,
                        const char *text) {
        QTest::addRow("%s %d", key, answer)
            << page << answer << QString::fromLatin1(key) << QString::fromLatin1(caption)
            << QString::fromLatin1(text);
    };
    row(0, 0, "ToeAppearance", "Large", "This toe indicates a high level of energy.");
    row(0, 1, "ToeAppearance", "Short",
        "This toe indicates that you are controlled and not very expressive.");
    row(0, 2, "ToeAppearance", "Pointed",
        "This toe indicates that you are prone to sudden bursts of energy.");
    row(0, 3, "ToeAppearance", "Rounded", "You are vulnerable but also diplomatic.");
    row(0, 4, "ToeAppearance", "Spatulate",
        "This toe indicates a lot of energy that can be powerful if used the right way. ");
    row(0, 5, "ToeAppearance", "Rectangular",
        "This toe signifies a practical and down-to-earth nature.");
    row(1, 0, "InclinationofToes", "Bent towards Big Toe",
        "This means that you still think about past happenings.");
    row(1, 1, "InclinationofToes", "Bent towards Little Toe",
        "You are in a hurry to face the unknown future.");
    row(2, 0, "BigToe", "Large Big Toe",
        "You may talk too much on the verge of boastfulness and not implement all your ideas but "
        "you "
        "may also be rational. This also indicates wealth and prosperity. ");
    row(2, 1, "BigToe", "Small Big Toe", "You may not be very dependable by nature.");
    row(2, 2, "BigToe", "Rounded Big Toe ",
        "You are very clever and can go to great heights in life.");
    row(2, 3, "BigToe", "Painful Big Toe", "You may have to face sorrows in life.");
    row(2, 4, "BigToe", "Standalone Big Toe",
        "You are not very comfortable with sharing your feelings with others.");
    row(3, 0, "SecondToe", "Second Toe Larger than the Big Toe",
        "You may have a dominating nature. But you can be a leader if you take life positively.");
    row(3, 1, "SecondToe", "Second Toe Smaller than the Big Toe",
        "You will have an average lifestyle with enough money but never more. ");
    row(3, 2, "SecondToe", "Webbed Second Toe", "Your career means everything to you.");
    row(4, 0, "FootArches", "High Arches",
        "You are very logical by nature and a thinker at heart. You may tend to dream a lot.");
    row(4, 1, "FootArches", "Low Arches or Flat Feet", "You are very practical by nature.");
    row(4, 2, "FootArches", "Swollen Feet",
        "You are not very comfortable with sharing your feelings with others.");
    row(5, 0, "ToeShape", "Twisted",
        "You may tend to run away from the truth and need encouragement from others.");
    row(5, 1, "ToeShape", "Bent",
        "You may scared to bear responsibility and very unsure of yourself");
    row(5, 2, "ToeShape", "Crooked", "You may change your thinking to please others.");
    row(6, 0, "ColorofNails", "Black", "You may not have a very dependable nature.");
    row(6, 1, "ColorofNails", "Blue", "You are well liked and respected.");
    row(6, 2, "ColorofNails", "Yellow", "You may become wealthy.");
    row(6, 3, "ColorofNails", "Copper", "You will lead a royal life.");
    row(7, 0, "RidgesonToeNails", "Vertical", "You may go to all extent to support your opinions");
    row(7, 1, "RidgesonToeNails", "Horizontal", "You may feel emotional unstable.");
}

void ReadingTest::everyAnswerReachesItsLabelPair()
{
    QFETCH(int, page);
    QFETCH(int, answer);
    QFETCH(QString, labelKey);
    QFETCH(QString, caption);
    QFETCH(QString, text);

    auto *questionnaire = new frmMain;
    questionnaire->show();
    QCOMPARE(questionnaire->option(page, answer)->text(), caption);
    std::array<int, 8> answers {};
    answers[std::size_t(page)] = answer;
    frmDisplay *results = answerAndFinish(*questionnaire, answers);
    QVERIFY(results);
    QCOMPARE(labelText(results, QStringLiteral("lbl") + labelKey), caption);
    QCOMPARE(labelText(results, QStringLiteral("lbl") + labelKey + QStringLiteral("Result")), text);
}

void ReadingTest::standaloneBigToeAndSwollenFeetShareOneSentence()
{
    auto *questionnaire = new frmMain;
    questionnaire->show();
    frmDisplay *results = answerAndFinish(*questionnaire, { 0, 0, 4, 0, 2, 0, 0, 0 });
    QVERIFY(results);
    const QString sentence =
        QStringLiteral("You are not very comfortable with sharing your feelings with others.");
    QCOMPARE(labelText(results, QStringLiteral("lblBigToeResult")), sentence);
    QCOMPARE(labelText(results, QStringLiteral("lblFootArchesResult")), sentence);
}

void ReadingTest::skippedToeShapeKeepsTheInitialCaptions()
{
    auto *questionnaire = new frmMain;
    questionnaire->show();
    frmDisplay *results = answerAndFinish(*questionnaire, { 1, 1, 1, 1, 1, -1, 1, 1 });
    QVERIFY(results);
    QCOMPARE(labelText(results, QStringLiteral("lblToeShape")), QString());
    QCOMPARE(labelText(results, QStringLiteral("lblToeShapeResult")), kNotSelected);
    for (const catalogue::Question &question : catalogue::questions()) {
        if (question.page == catalogue::kToeShapePage)
            continue;
        QCOMPARE(labelText(results, question.answerLabelName()),
                 question.answers[1].caption.toString());
        QCOMPARE(labelText(results, question.textLabelName()), question.answers[1].text.toString());
    }
}

void ReadingTest::fullyAnsweredReadingShowsNoSkippedSentence()
{
    auto *questionnaire = new frmMain;
    questionnaire->show();
    frmDisplay *results = answerAndFinish(*questionnaire, { 0, 0, 0, 0, 0, 0, 0, 0 });
    QVERIFY(results);
    const auto labels = results->findChildren<QLabel *>();
    for (const QLabel *label : labels)
        QVERIFY2(label->text() != kNotSelected, qPrintable(label->objectName()));
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

void ReadingTest::finishingLeavesOnlyTheResultsWindowOnScreen()
{
    auto *questionnaire = new frmMain;
    questionnaire->show();
    QPointer<frmMain> watched(questionnaire);
    frmDisplay *results = answerAndFinish(*questionnaire, { 0, 0, 0, 0, 0, 0, 0, 0 });
    QVERIFY(results);
    QVERIFY(results->isVisible());
    QCOMPARE(visibleWindowCount(), 1);
    // The questionnaire is unloaded, not hidden.
    QTRY_VERIFY(watched.isNull());
}

QTEST_MAIN(ReadingTest)
#include "tst_reading.moc"
