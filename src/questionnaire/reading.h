#pragma once

#include "questionnaire/catalogue.h"

#include <QString>

#include <array>
#include <functional>

namespace toevane {

// One Question of a Reading: the chosen Answer's caption and text, or
// nothing when the Question was left unanswered (only Toe Shape can be). Its
// place in the Reading is its Question's page, which names the Question.
struct ReadingEntry
{
    bool answered = false;
    QString caption;
    QString text;

    friend bool operator==(const ReadingEntry &, const ReadingEntry &) = default;
};

using Reading = std::array<ReadingEntry, catalogue::kQuestionCount>;

// Builds the Reading from the eight option groups: for every Question in page
// order, the first selected Answer in index order, if any.
Reading ComposeReading(const std::function<bool(int page, int answer)> &isSelected);

} // namespace toevane
