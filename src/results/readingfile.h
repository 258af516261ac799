#pragma once

#include <QByteArray>
#include <QLocale>
#include <QPageSize>
#include <QStringList>

class QWidget;

namespace toevane {

struct ReadingSheet;

// The three forms a reading is saved in, and the bytes of each.
namespace readingfile {

enum class Format { Pdf, Png, Text }; // in the save dialog's order, PDF the default

// The save dialog's filters, one per Format in its order, in the user's
// language.
QStringList nameFilters();
// "pdf", "png" or "txt".
QString suffix(Format format);
// The format a name asks for by its suffix (.pdf, .png, .txt in any case);
// any other name gets the format selected.
Format formatFor(const QString &path, Format selected);

// The paper of the user's country: Letter where that is the custom (the
// United States, Canada, Mexico and a few others), else A4.
QPageSize paperFor(QLocale::Territory territory);

// One page on that paper, in the program's colours and fonts, its text
// selectable, its fonts embedded.
QByteArray pdf(const ReadingSheet &sheet, const QPageSize &paper);
// The window as it is drawn, at the screen's scale.
QByteArray png(QWidget &window);

} // namespace readingfile
} // namespace toevane
