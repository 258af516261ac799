#pragma once

#include "questionnaire/catalogue.h"

#include <QDate>
#include <QString>

#include <array>

namespace toevane {

// A reading as the results window shows it, ready to be kept: its heading
// and, for each Question in page order, the frame's title, the answer line
// (empty for a skipped Toe Shape) and the statement under it.
struct ReadingSheet
{
    struct Entry
    {
        QString title;
        QString answer;
        QString statement;
    };
    QString heading;
    std::array<Entry, catalogue::kQuestionCount> entries;
    bool rightToLeft = false;
};

// The sheet as plain text: the heading, then each Question's title, answer
// and statement on lines of their own, a blank line between Questions. An
// empty answer takes no line. Lines end with "\n".
QString sheetPlainText(const ReadingSheet &sheet);

// The same as an HTML document: the heading as <h1>, each title as <h2>,
// the answer (class "answer") and the statement (class "statement") as
// paragraphs; dir="rtl" for a language written right to left.
QString sheetHtml(const ReadingSheet &sheet);

// What the Toe Shape frame says while the question is unanswered.
QString notSelectedText();

// The name a saved reading is offered under, without a suffix:
// "Toevane reading 2026-12-08" in the user's language.
QString readingFileBaseName(QDate date);

} // namespace toevane
