#include "questionnaire/catalogue.h"

namespace toevane::catalogue {

namespace {

// Shared by "Standalone Big Toe" and "Swollen Feet".
constexpr QStringView kNotComfortableSharing =
    u"You are not very comfortable with sharing your feelings with others.";

constexpr Answer kToeAppearance[] = {
    { u"Large", u"This toe indicates a high level of energy." },
    { u"Short", u"This toe indicates that you are controlled and not very expressive." },
    { u"Pointed", u"This toe indicates that you are prone to sudden bursts of energy." },
    { u"Rounded", u"You are vulnerable but also diplomatic." },
    { u"Spatulate",
      u"This toe indicates a lot of energy that can be powerful if used the right way. " },
    { u"Rectangular", u"This toe signifies a practical and down-to-earth nature." },
};

constexpr Answer kInclinationOfToes[] = {
    { u"Bent towards Big Toe", u"This means that you still think about past happenings." },
    { u"Bent towards Little Toe", u"You are in a hurry to face the unknown future." },
};

constexpr Answer kBigToe[] = {
    { u"Large Big Toe",
      u"You may talk too much on the verge of boastfulness and not implement all your ideas but "
      u"you may also be rational. This also indicates wealth and prosperity. " },
    { u"Small Big Toe", u"You may not be very dependable by nature." },
    { u"Rounded Big Toe ", u"You are very clever and can go to great heights in life." },
    { u"Painful Big Toe", u"You may have to face sorrows in life." },
    { u"Standalone Big Toe", kNotComfortableSharing },
};

constexpr Answer kSecondToe[] = {
    { u"Second Toe Larger than the Big Toe",
      u"You may have a dominating nature. But you can be a leader if you take life positively." },
    { u"Second Toe Smaller than the Big Toe",
      u"You will have an average lifestyle with enough money but never more. " },
    { u"Webbed Second Toe", u"Your career means everything to you." },
};

constexpr Answer kFootArches[] = {
    { u"High Arches",
      u"You are very logical by nature and a thinker at heart. You may tend to dream a lot." },
    { u"Low Arches or Flat Feet", u"You are very practical by nature." },
    { u"Swollen Feet", kNotComfortableSharing },
};

constexpr Answer kToeShape[] = {
    { u"Twisted", u"You may tend to run away from the truth and need encouragement from others." },
    { u"Bent", u"You may scared to bear responsibility and very unsure of yourself" },
    { u"Crooked", u"You may change your thinking to please others." },
};

constexpr Answer kColorOfNails[] = {
    { u"Black", u"You may not have a very dependable nature." },
    { u"Blue", u"You are well liked and respected." },
    { u"Yellow", u"You may become wealthy." },
    { u"Copper", u"You will lead a royal life." },
};

constexpr Answer kRidgesOnToeNails[] = {
    { u"Vertical", u"You may go to all extent to support your opinions" },
    { u"Horizontal", u"You may feel emotional unstable." },
};

constexpr std::array<Question, kQuestionCount> kQuestions = { {
    { 0, u"Toe Appearance", u"Toe Appearance", u"ToeAppearance", u"Frame3", kToeAppearance, true },
    { 1, u"Inclination of Toes", u"Inclination of Toes", u"InclinationofToes", u"Frame4",
      kInclinationOfToes, true },
    { 2, u"Big Toe", u"Big Toe", u"BigToe", u"Frame6", kBigToe, true },
    { 3, u"Second Toe", u"Second Toe", u"SecondToe", u"Frame7", kSecondToe, true },
    { 4, u"Foot Arches ", u"Foot Arches", u"FootArches", u"Frame8", kFootArches, true },
    { 5, u"Toe Shape", u"Toe Shape", u"ToeShape", u"Frame9", kToeShape, false },
    { 6, u"Color of Nails", u"Color of Nails", u"ColorofNails", u"Frame10", kColorOfNails, true },
    { 7, u"Ridges on Toe Nails", u"Ridges on Toe Nails", u"RidgesonToeNails", u"Frame11",
      kRidgesOnToeNails, true },
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

QString Question::nextCaption() const
{
    return page == kLastPage ? QStringLiteral("&Analyze My Toes") : QStringLiteral("&Next");
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
