#include "questionnaire/catalogue.h"

namespace toevane::catalogue {

/* TRANSLATOR toevane::catalogue

The questionnaire's pages and the reading. Titles: the caption of a page and
of a frame of the reading, one line of 267 pixels at 8.25 pt bold. Answers:
an option of a page, and the reading's underlined answer, one line of 273
pixels at 8.25 pt bold. Texts: at most four lines of 273 pixels at 8.25 pt
bold. A trailing blank in the English text plays no part. */

namespace {

// Shared by "Standalone Big Toe" and "Swollen Feet".
constexpr Text kNotComfortableSharing = { QT_TRANSLATE_NOOP(
    "toevane::catalogue", "You are not very comfortable with sharing your feelings with others.") };

constexpr Answer kToeAppearance[] = {
    { QT_TRANSLATE_NOOP("toevane::catalogue", "Large"),
      QT_TRANSLATE_NOOP("toevane::catalogue", "This toe indicates a high level of energy.") },
    { QT_TRANSLATE_NOOP("toevane::catalogue", "Short"),
      QT_TRANSLATE_NOOP("toevane::catalogue",
                        "This toe indicates that you are controlled and not very expressive.") },
    { QT_TRANSLATE_NOOP("toevane::catalogue", "Pointed"),
      QT_TRANSLATE_NOOP("toevane::catalogue",
                        "This toe indicates that you are prone to sudden bursts of energy.") },
    { QT_TRANSLATE_NOOP("toevane::catalogue", "Rounded"),
      QT_TRANSLATE_NOOP("toevane::catalogue", "You are vulnerable but also diplomatic.") },
    { QT_TRANSLATE_NOOP("toevane::catalogue", "Spatulate"),
      QT_TRANSLATE_NOOP(
          "toevane::catalogue",
          "This toe indicates a lot of energy that can be powerful if used the right way. ") },
    { QT_TRANSLATE_NOOP("toevane::catalogue", "Rectangular"),
      QT_TRANSLATE_NOOP("toevane::catalogue",
                        "This toe signifies a practical and down-to-earth nature.") },
};

constexpr Answer kInclinationOfToes[] = {
    { QT_TRANSLATE_NOOP("toevane::catalogue", "Bent towards Big Toe"),
      QT_TRANSLATE_NOOP("toevane::catalogue",
                        "This means that you still think about past happenings.") },
    { QT_TRANSLATE_NOOP("toevane::catalogue", "Bent towards Little Toe"),
      QT_TRANSLATE_NOOP("toevane::catalogue", "You are in a hurry to face the unknown future.") },
};

constexpr Answer kBigToe[] = {
    { QT_TRANSLATE_NOOP("toevane::catalogue", "Large Big Toe"),
      QT_TRANSLATE_NOOP(
          "toevane::catalogue",
          "You may talk too much on the verge of boastfulness and not implement all your ideas but "
          "you may also be rational. This also indicates wealth and prosperity. ") },
    { QT_TRANSLATE_NOOP("toevane::catalogue", "Small Big Toe"),
      QT_TRANSLATE_NOOP("toevane::catalogue", "You may not be very dependable by nature.") },
    { QT_TRANSLATE_NOOP("toevane::catalogue", "Rounded Big Toe "),
      QT_TRANSLATE_NOOP("toevane::catalogue",
                        "You are very clever and can go to great heights in life.") },
    { QT_TRANSLATE_NOOP("toevane::catalogue", "Painful Big Toe"),
      QT_TRANSLATE_NOOP("toevane::catalogue", "You may have to face sorrows in life.") },
    { QT_TRANSLATE_NOOP("toevane::catalogue", "Standalone Big Toe"), kNotComfortableSharing },
};

constexpr Answer kSecondToe[] = {
    { QT_TRANSLATE_NOOP("toevane::catalogue", "Second Toe Larger than the Big Toe"),
      QT_TRANSLATE_NOOP("toevane::catalogue",
                        "You may have a dominating nature. But you can be a leader if you take "
                        "life positively.") },
    { QT_TRANSLATE_NOOP("toevane::catalogue", "Second Toe Smaller than the Big Toe"),
      QT_TRANSLATE_NOOP("toevane::catalogue",
                        "You will have an average lifestyle with enough money but never more. ") },
    { QT_TRANSLATE_NOOP("toevane::catalogue", "Webbed Second Toe"),
      QT_TRANSLATE_NOOP("toevane::catalogue", "Your career means everything to you.") },
};

constexpr Answer kFootArches[] = {
    { QT_TRANSLATE_NOOP("toevane::catalogue", "High Arches"),
      QT_TRANSLATE_NOOP(
          "toevane::catalogue",
          "You are very logical by nature and a thinker at heart. You may tend to dream a lot.") },
    { QT_TRANSLATE_NOOP("toevane::catalogue", "Low Arches or Flat Feet"),
      QT_TRANSLATE_NOOP("toevane::catalogue", "You are very practical by nature.") },
    { QT_TRANSLATE_NOOP("toevane::catalogue", "Swollen Feet"), kNotComfortableSharing },
};

constexpr Answer kToeShape[] = {
    { QT_TRANSLATE_NOOP("toevane::catalogue", "Twisted"),
      QT_TRANSLATE_NOOP(
          "toevane::catalogue",
          "You may tend to run away from the truth and need encouragement from others.") },
    { QT_TRANSLATE_NOOP("toevane::catalogue", "Bent"),
      QT_TRANSLATE_NOOP("toevane::catalogue",
                        "You may scared to bear responsibility and very unsure of yourself") },
    { QT_TRANSLATE_NOOP("toevane::catalogue", "Crooked"),
      QT_TRANSLATE_NOOP("toevane::catalogue", "You may change your thinking to please others.") },
};

constexpr Answer kColorOfNails[] = {
    { QT_TRANSLATE_NOOP("toevane::catalogue", "Black"),
      QT_TRANSLATE_NOOP("toevane::catalogue", "You may not have a very dependable nature.") },
    { QT_TRANSLATE_NOOP("toevane::catalogue", "Blue"),
      QT_TRANSLATE_NOOP("toevane::catalogue", "You are well liked and respected.") },
    { QT_TRANSLATE_NOOP("toevane::catalogue", "Yellow"),
      QT_TRANSLATE_NOOP("toevane::catalogue", "You may become wealthy.") },
    { QT_TRANSLATE_NOOP("toevane::catalogue", "Copper"),
      QT_TRANSLATE_NOOP("toevane::catalogue", "You will lead a royal life.") },
};

constexpr Answer kRidgesOnToeNails[] = {
    { QT_TRANSLATE_NOOP("toevane::catalogue", "Vertical"),
      QT_TRANSLATE_NOOP("toevane::catalogue",
                        "You may go to all extent to support your opinions") },
    { QT_TRANSLATE_NOOP("toevane::catalogue", "Horizontal"),
      QT_TRANSLATE_NOOP("toevane::catalogue", "You may feel emotional unstable.") },
};

constexpr std::array<Question, kQuestionCount> kQuestions = { {
    { 0, QT_TRANSLATE_NOOP("toevane::catalogue", "Toe Appearance"),
      QT_TRANSLATE_NOOP("toevane::catalogue", "Toe Appearance"), u"ToeAppearance", u"Frame3",
      kToeAppearance, true },
    { 1, QT_TRANSLATE_NOOP("toevane::catalogue", "Inclination of Toes"),
      QT_TRANSLATE_NOOP("toevane::catalogue", "Inclination of Toes"), u"InclinationofToes",
      u"Frame4", kInclinationOfToes, true },
    { 2, QT_TRANSLATE_NOOP("toevane::catalogue", "Big Toe"),
      QT_TRANSLATE_NOOP("toevane::catalogue", "Big Toe"), u"BigToe", u"Frame6", kBigToe, true },
    { 3, QT_TRANSLATE_NOOP("toevane::catalogue", "Second Toe"),
      QT_TRANSLATE_NOOP("toevane::catalogue", "Second Toe"), u"SecondToe", u"Frame7", kSecondToe,
      true },
    { 4, QT_TRANSLATE_NOOP("toevane::catalogue", "Foot Arches "),
      QT_TRANSLATE_NOOP("toevane::catalogue", "Foot Arches"), u"FootArches", u"Frame8", kFootArches,
      true },
    { 5, QT_TRANSLATE_NOOP("toevane::catalogue", "Toe Shape"),
      QT_TRANSLATE_NOOP("toevane::catalogue", "Toe Shape"), u"ToeShape", u"Frame9", kToeShape,
      false },
    { 6, QT_TRANSLATE_NOOP("toevane::catalogue", "Color of Nails"),
      QT_TRANSLATE_NOOP("toevane::catalogue", "Color of Nails"), u"ColorofNails", u"Frame10",
      kColorOfNails, true },
    { 7, QT_TRANSLATE_NOOP("toevane::catalogue", "Ridges on Toe Nails"),
      QT_TRANSLATE_NOOP("toevane::catalogue", "Ridges on Toe Nails"), u"RidgesonToeNails",
      u"Frame11", kRidgesOnToeNails, true },
} };

// Each Question stands at its page index and has 2 to kMaxAnswerCount Answers,
// which the windows' control tables are sized for.
static_assert([] {
    for (std::size_t page = 0; page < kQuestions.size(); ++page) {
        const Question &question = kQuestions[page];
        if (question.page != int(page) || question.answerCount() < 2 ||
            question.answerCount() > kMaxAnswerCount)
            return false;
    }
    return true;
}());

} // namespace

QString Text::shown() const
{
    return QCoreApplication::translate(kContext, source);
}

QString Question::nextCaption() const
{
    if (page == kLastPage) {
        //: The last page's button; fits in 132 pixels at 8.25 pt bold.
        return QCoreApplication::translate("toevane::catalogue", "&Analyze My Toes");
    }
    //: Fits in 132 pixels at 8.25 pt bold.
    return QCoreApplication::translate("toevane::catalogue", "&Next");
}

QString Question::optionName(int answer) const
{
    return QStringLiteral("opt") + key.toString() + u'_' + QString::number(answer);
}

QString Question::answerLabelName() const
{
    return QStringLiteral("lbl") + key.toString();
}

QString Question::textLabelName() const
{
    return answerLabelName() + QStringLiteral("Result");
}

const std::array<Question, kQuestionCount> &questions()
{
    return kQuestions;
}

const Question &question(int page)
{
    return kQuestions.at(std::size_t(page));
}

} // namespace toevane::catalogue
