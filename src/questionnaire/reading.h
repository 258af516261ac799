#pragma once

#include "questionnaire/catalogue.h"

#include <QString>

#include <array>
#include <functional>

class frmDisplay;
class frmMain;

namespace toevane {

// One Question of a Reading: the chosen Answer's caption and text, or
// nothing when the Question was left unanswered (only Toe Shape can be).
struct ReadingEntry
{
    QString key;
    bool answered = false;
    QString caption;
    QString text;

    friend bool operator==(const ReadingEntry &, const ReadingEntry &) = default;
};

using Reading = std::array<ReadingEntry, catalogue::kQuestionCount>;

} // namespace toevane

// Builds the Reading from the eight option groups: for every Question in page
// order, the first selected Answer in index order, if any.
toevane::Reading ComposeReading(const std::function<bool(int page, int answer)> &isSelected);

// Writes a Reading into the label pairs of a results window, in page order,
// answer label before text label; an unanswered entry leaves both labels as
// they were created. A missing label is skipped and the rest still written.
void ApplyReading(const toevane::Reading &reading, frmDisplay &display);

// The hand-off after a valid last page: compose the Reading, write it into a
// new results window, close the questionnaire (its close step shows the exit
// screen), hide the exit screen and show the results window.
void FinishQuestionnaire(frmMain &questionnaire);
