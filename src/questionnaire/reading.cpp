#include "questionnaire/reading.h"

#include "app/shutdown.h"
#include "questionnaire/frmmain.h"
#include "results/frmdisplay.h"

#include <QLabel>

using namespace toevane;

Reading ComposeReading(const std::function<bool(int page, int answer)> &isSelected)
{
    Reading reading;
    for (const catalogue::Question &question : catalogue::questions()) {
        ReadingEntry &entry = reading[std::size_t(question.page)];
        entry.key = question.key.toString();
        for (int answer = 0; answer < question.answerCount(); ++answer) {
            if (!isSelected(question.page, answer))
                continue;
            const catalogue::Answer &chosen = question.answers[std::size_t(answer)];
            entry.answered = true;
            entry.caption = chosen.caption.toString();
            entry.text = chosen.text.toString();
            break;
        }
    }
    return reading;
}

void ApplyReading(const Reading &reading, frmDisplay &display)
{
    for (const ReadingEntry &entry : reading) {
        if (!entry.answered)
            continue;
        const QString answerLabel = QStringLiteral("lbl") + entry.key;
        if (auto *label = display.findChild<QLabel *>(answerLabel))
            label->setText(entry.caption);
        if (auto *label = display.findChild<QLabel *>(answerLabel + QStringLiteral("Result")))
            label->setText(entry.text);
    }
}

void FinishQuestionnaire(frmMain &questionnaire)
{
    const Reading reading = ComposeReading([&questionnaire](int page, int answer) {
        return questionnaire.isAnswerSelected(page, answer);
    });
    auto *display = new frmDisplay;
    ApplyReading(reading, *display);
    shell::switchToResults(&questionnaire, display);
}
