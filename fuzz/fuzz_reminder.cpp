// libFuzzer entry for the stored reminder date: the input is the whole
// settings file (see properties.h). Runs with an offscreen application, as
// the program reads the file with its application in place.
//
//     fuzz_reminder -max_total_time=60 fuzz/corpus/reminder

#include "properties.h"

#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {
QTemporaryDir *g_storeHome = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Damaged files make QSettings warn on every input.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
        if (type == QtFatalMsg) {
            std::fprintf(stderr, "%s\n", qPrintable(text));
            std::abort();
        }
    });
    static QApplication app(*argc, *argv);
    g_storeHome = new QTemporaryDir;
    if (!g_storeHome->isValid()) {
        std::fputs("fuzz_reminder: no temporary folder\n", stderr);
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString failure = toevane::fuzz::checkStoredReminder(
        QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)), g_storeHome->path(),
        QDate(2024, 3, 1));
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "fuzz_reminder: %s\n", qPrintable(failure));
        std::abort();
    }
    return 0;
}
