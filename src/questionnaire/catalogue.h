#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringView>

#include <array>
#include <span>

// The fixed content of the questionnaire: eight Questions in page order,
// each with its Answers and their interpretation texts. Both main windows
// are built from this one table.
namespace toevane::catalogue {

// The translation context of the catalogue's texts.
inline constexpr char kContext[] = "toevane::catalogue";

// A text of the catalogue as it is written here: its English source, which
// lupdate finds in QT_TRANSLATE_NOOP, translated where it is shown.
struct Text
{
    const char *source;

    QString toString() const { return QString::fromUtf8(source); } // the English source
    QString shown() const; // in the user's language
};

struct Answer
{
    Text caption; // exactly as shown, trailing blanks included
    Text text; // the interpretation text of this Answer
};

struct Question
{
    int page; // 0..7: page, Next and Back index, place in a Reading
    Text title; // caption of the questionnaire page
    Text resultTitle; // caption of its frame in the results window
    QStringView key; // stem of the control names: opt<key>, lbl<key>, lbl<key>Result
    QStringView resultFrame; // name of its frame in the results window
    std::span<const Answer> answers;
    bool answerRequired;

    constexpr int answerCount() const { return int(answers.size()); }
    constexpr bool hasBack() const { return page > 0; }
    QString nextCaption() const; // shown in the user's language
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
