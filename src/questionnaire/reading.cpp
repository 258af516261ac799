#include "questionnaire/reading.h"

namespace toevane {

Reading ComposeReading(const std::function<bool(int page, int answer)> &isSelected)
{
    Reading reading;
    for (const catalogue::Question &question : catalogue::questions()) {
        ReadingEntry &entry = reading[std::size_t(question.page)];
        for (int answer = 0; answer < question.answerCount(); ++answer) {
            if (!isSelected(question.page, answer))
                continue;
            const catalogue::Answer &chosen = question.answers[std::size_t(answer)];
            entry.answered = true;
            entry.caption = chosen.caption.shown();
            entry.text = chosen.text.shown();
            break;
        }
    }
    return reading;
}

} // namespace toevane
