#include "results/readingsheet.h"

#include <QCoreApplication>

namespace toevane {

QString sheetPlainText(const ReadingSheet &sheet)
{
    QString text = sheet.heading + u'\n';
    for (const ReadingSheet::Entry &entry : sheet.entries) {
        text += u'\n' + entry.title + u'\n';
        if (!entry.answer.isEmpty())
            text += entry.answer + u'\n';
        text += entry.statement + u'\n';
    }
    return text;
}

QString sheetHtml(const ReadingSheet &sheet)
{
    const QString direction = sheet.rightToLeft ? QStringLiteral(" dir=\"rtl\"") : QString();
    QString html = QStringLiteral("<!DOCTYPE html>\n<html%1><head><meta charset=\"utf-8\">"
                                  "<title>%2</title></head>\n<body%1>\n<h1>%2</h1>\n")
                       .arg(direction, sheet.heading.toHtmlEscaped());
    for (const ReadingSheet::Entry &entry : sheet.entries) {
        html += QStringLiteral("<h2>%1</h2>\n").arg(entry.title.toHtmlEscaped());
        if (!entry.answer.isEmpty())
            html +=
                QStringLiteral("<p class=\"answer\">%1</p>\n").arg(entry.answer.toHtmlEscaped());
        html +=
            QStringLiteral("<p class=\"statement\">%1</p>\n").arg(entry.statement.toHtmlEscaped());
    }
    return html + QStringLiteral("</body></html>\n");
}

QString notSelectedText()
{
    //: Said in place of the Toe Shape answer that was skipped; at most four
    //: lines of 273 pixels at 8.25 pt bold.
    return QCoreApplication::translate("toevane::frmDisplay",
                                       "You are not selected this type of Toe.");
}

QString readingFileBaseName(QDate date)
{
    //: The name a saved reading is offered under; %1 is the date, 2026-12-08.
    return QCoreApplication::translate("toevane::frmDisplay", "Toevane reading %1")
        .arg(date.toString(Qt::ISODate));
}

} // namespace toevane
