// libFuzzer entry for the referral request: the input is the five boxes of
// the refer-a-friend form separated by NUL bytes (see properties.h).
//
//     fuzz_referral -max_total_time=60 fuzz/corpus/referral

#include "properties.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString failure = toevane::fuzz::checkReferral(
        QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "fuzz_referral: %s\n", qPrintable(failure));
        std::abort();
    }
    return 0;
}
