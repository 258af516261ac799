#include "common/platform.h"

#include <chrono>
#include <random>

namespace toevane {

QDate systemToday()
{
    return QDate::currentDate();
}

quint64 systemClockSeed()
{
    return static_cast<quint64>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

Random::Random(SeedSource clockSeed)
    : m_clockSeed(clockSeed ? std::move(clockSeed) : SeedSource(&systemClockSeed))
{
}

void Random::seed(quint64 value)
{
    // QRandomGenerator takes 32-bit seed words; fold both halves in.
    std::seed_seq words { static_cast<quint32>(value), static_cast<quint32>(value >> 32) };
    m_generator.seed(words);
}

void Random::seedFromClock()
{
    seed(m_clockSeed());
}

float Random::next()
{
    // 24 random bits scaled by 2^-24: every value is exactly representable
    // in single precision and strictly below 1, so int(n * next()) < n.
    return static_cast<float>(m_generator.generate() >> 8) * (1.0f / 16777216.0f);
}

} // namespace toevane
