#include "results/readingfile.h"

#include "common/apptext.h"
#include "common/look.h"
#include "results/readingsheet.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <QWidget>

#include <algorithm>

namespace toevane::readingfile {

namespace {

constexpr const char *kSuffixes[] = { "pdf", "png", "txt" };

// Where the page is laid out, in pixels of 1/96 inch as on a screen, so
// that the style sheet's sizes mean what they mean in the window.
constexpr int kResolution = 96;

QString styleSheet()
{
    const auto colour = [](const QColor &c) { return c.name(); };
    // No ligatures ("ff", "fi" as one glyph), which a PDF reader copies and
    // searches as signs of their own: Qt leaves them out where letters are
    // spaced, and 1/64 pixel (its smallest step) is spacing enough. Scripts
    // that must join their letters (Arabic) are shaped as before.
    return QStringLiteral("h1, h2, p { letter-spacing: 0.02px; }"
                          "h1 { color: %1; font-size: 18pt; margin-bottom: 8px; }"
                          "h2 { color: %2; font-size: 13pt; margin-top: 16px; margin-bottom: 4px; }"
                          "p { font-size: 11pt; font-weight: bold; margin: 0px; }"
                          "p.answer { color: %3; text-decoration: underline; }"
                          "p.statement { color: %4; }")
        .arg(colour(look::kWhite), colour(look::kPink), colour(look::kLightCyan),
             colour(look::kOrange));
}

} // namespace

QStringList nameFilters()
{
    return { QCoreApplication::translate("toevane::frmDisplay", "PDF document (*.pdf)"),
             QCoreApplication::translate("toevane::frmDisplay", "PNG image (*.png)"),
             QCoreApplication::translate("toevane::frmDisplay", "Plain text (*.txt)") };
}

QString suffix(Format format)
{
    return QString::fromLatin1(kSuffixes[int(format)]);
}

Format formatFor(const QString &path, Format selected)
{
    const QString given = QFileInfo(path).suffix();
    for (const Format format : { Format::Pdf, Format::Png, Format::Text }) {
        if (given.compare(suffix(format), Qt::CaseInsensitive) == 0)
            return format;
    }
    return selected;
}

QPageSize paperFor(QLocale::Territory territory)
{
    // The countries whose custom is US Letter (the Unicode CLDR's list).
    static constexpr QLocale::Territory kLetter[] = {
        QLocale::UnitedStates, QLocale::Canada,    QLocale::Mexico,      QLocale::Belize,
        QLocale::Chile,        QLocale::Colombia,  QLocale::CostaRica,   QLocale::Guatemala,
        QLocale::Nicaragua,    QLocale::Panama,    QLocale::Philippines, QLocale::PuertoRico,
        QLocale::ElSalvador,   QLocale::Venezuela,
    };
    const bool letter =
        std::find(std::begin(kLetter), std::end(kLetter), territory) != std::end(kLetter);
    return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

QByteArray pdf(const ReadingSheet &sheet, const QPageSize &paper)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kResolution);
    writer.setPageSize(paper);
    writer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    writer.setTitle(sheet.heading);
    writer.setCreator(appTitle());

    QTextDocument document;
    document.documentLayout()->setPaintDevice(&writer);
    document.setDefaultFont(look::verdana(10));
    document.setDefaultStyleSheet(styleSheet());
    document.setDocumentMargin(0);
    document.setHtml(sheetHtml(sheet));

    // One page: a reading in a language with long words is made smaller
    // until it fits.
    const QRect page = writer.pageLayout().paintRectPixels(kResolution);
    qreal scale = 1;
    for (int pass = 0; pass < 3; ++pass) {
        document.setTextWidth(page.width() / scale);
        const qreal height = document.size().height() * scale;
        if (height <= page.height())
            break;
        scale *= page.height() / height;
    }
    QPainter painter(&writer);
    painter.fillRect(writer.pageLayout().fullRectPixels(kResolution).translated(-page.topLeft()),
                     look::kPurple);
    painter.scale(scale, scale);
    document.drawContents(&painter);
    painter.end();
    return bytes;
}

QByteArray png(QWidget &window)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // zlib's fastest level: a drawn window (flat colours and text) packs
    // within a few per cent of the default size in little more than half the
    // time (measured with bench/savebench at 2x).
    QImageWriter writer(&buffer, "png");
    writer.setCompression(11); // 0 to 100, mapped onto zlib's 0 to 9: level 1
    writer.write(window.grab().toImage());
    return bytes;
}

} // namespace toevane::readingfile
