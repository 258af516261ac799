// What keeping a reading costs the window: the time from the save command
// (the dialog's answer given) to the file written, for each format, on a
// results window that shows a whole reading.
//
//     savebench [--rounds N] [--language CODE] [--into FOLDER]
//
// Standard output: one line per round, then the medians:
//
//     round=0 pdf_ms=... png_ms=... text_ms=... pdf_bytes=... png_bytes=...
//     median pdf_ms=... png_ms=... text_ms=...
//
// Runs on any Qt platform (QT_QPA_PLATFORM=offscreen needs no display). The
// files go to a temporary folder that is removed at the end, or with --into
// to that folder, where they stay to be looked at. Exit codes: 0 measured,
// 1 usage, 2 a save failed.

#include "app/language.h"
#include "questionnaire/reading.h"
#include "results/frmdisplay.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace toevane;

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    int rounds = 20;
    QTemporaryDir temporary;
    QString folder = temporary.path();
    const QStringList args = QApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == u"--rounds" && i + 1 < args.size() && args[i + 1].toInt() > 0) {
            rounds = args[++i].toInt();
        } else if (args[i] == u"--language" && i + 1 < args.size()) {
            language::install({ args[++i] });
            if (QLocale(args[i]).textDirection() == Qt::RightToLeft)
                QGuiApplication::setLayoutDirection(Qt::RightToLeft);
        } else if (args[i] == u"--into" && i + 1 < args.size()) {
            folder = args[++i];
        } else {
            std::fprintf(stderr,
                         "usage: savebench [--rounds N] [--language CODE] [--into FOLDER]\n");
            return 1;
        }
    }
    frmDisplay display;
    ApplyReading(ComposeReading([](int, int answer) { return answer == 0; }), display);
    display.show();
    QApplication::processEvents();

    const struct
    {
        const char *name;
        readingfile::Format format;
    } formats[] = { { "pdf", readingfile::Format::Pdf },
                    { "png", readingfile::Format::Png },
                    { "text", readingfile::Format::Text } };
    std::vector<double> times[3];
    for (int round = 0; round < rounds; ++round) {
        std::printf("round=%d", round);
        for (int f = 0; f < 3; ++f) {
            const QString path = folder + u'/' + QString::fromLatin1(formats[f].name) + u'.' +
                readingfile::suffix(formats[f].format);
            QElapsedTimer clock;
            clock.start();
            if (!display.saveReading(path, formats[f].format))
                return 2;
            times[f].push_back(clock.nsecsElapsed() / 1e6);
            std::printf(" %s_ms=%.1f %s_bytes=%lld", formats[f].name, times[f].back(),
                        formats[f].name, QFileInfo(path).size());
        }
        std::printf("\n");
    }
    std::printf("median");
    for (int f = 0; f < 3; ++f)
        std::printf(" %s_ms=%.1f", formats[f].name, median(times[f]));
    std::printf("\n");
    return 0;
}
