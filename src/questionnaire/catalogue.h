#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <span>

// The fixed content of the questionnaire: eight Questions in page order,
// each with its Answers and their interpretation texts. Both main windows
// are built from this one table.
namespace toevane::catalogue {

struct Answer
{
    QStringView caption; // exactly as shown, trailing blanks included
    QStringView text; // the interpretation text of this Answer
};

struct Question
{
    int page; // 0..7: page, Next and Back index, place in a Reading
    QStringView title; // caption of the questionnaire page
    QStringView resultTitle; // caption of its frame in the results window
    QStringView key; // stem of the control names: opt<key>, lbl<key>, lbl<key>Result
    QStringView resultFrame; // name of its frame in the results window
    std::span<const Answer> answers;
    bool answerRequired;

    constexpr int answerCount() const { return int(answers.size()); }
    constexpr bool hasBack() const { return page > 0; }
    QString nextCaption() const;
    QString optionName(int answer) const; // opt<key>_<answer>
    QString answerLabelName() const; // lbl<key>
    QString textLabelName() const; // lbl<key>Result
};

inline constexpr int kQuestionCount = 8;
inline constexpr int kMaxAnswerCount = 6; // the most Answers a Question has
inline constexpr int kToeShapePage = 5;
inline constexpr int kLastPage = kQuestionCount - 1;

const std::array<Question, kQuestionCount> &questions();
const Question &question(int page);

} // namespace toevane::catalogue
