// libFuzzer entry for the stored reminder date: the input is the whole
// settings file (see properties.h). Runs with an application object in
// place, as the program reads the file.
//
//     fuzz_reminder -max_total_time=60 fuzz/corpus/reminder

#include "properties.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {
// Removed when the run ends, unless it ends in a crash.
QTemporaryDir &storeHome()
{
    static QTemporaryDir dir;
    return dir;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    if (!storeHome().isValid()) {
        std::fputs("fuzz_reminder: no temporary folder\n", stderr);
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString failure = toevane::fuzz::checkStoredReminder(
        QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)), storeHome().path(),
        QDate(2024, 3, 1));
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "fuzz_reminder: %s\n", qPrintable(failure));
        std::abort();
    }
    return 0;
}
