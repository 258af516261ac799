#include "app/platform.h"

#include "app/singleinstance.h"

#include <QDateTime>
#include <QRandomGenerator>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>

namespace toevane {

namespace clock {

namespace {
std::function<QDate()> &todaySource()
{
    static std::function<QDate()> source;
    return source;
}
} // namespace

QDate today()
{
    if (const auto &source = todaySource())
        return source();
    return QDate::currentDate();
}

void setToday(std::function<QDate()> source)
{
    todaySource() = std::move(source);
}
void resetToday()
{
    todaySource() = nullptr;
}

} // namespace clock

namespace rng {

namespace {
QRandomGenerator &generator()
{
    static QRandomGenerator instance(1u);
    return instance;
}

std::function<quint64()> &seedSource()
{
    static std::function<quint64()> source;
    return source;
}

quint64 clockSeed()
{
    return static_cast<quint64>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}
} // namespace

void seed(quint64 value)
{
    // QRandomGenerator takes 32-bit seed words; fold both halves in.
    std::seed_seq words { static_cast<quint32>(value), static_cast<quint32>(value >> 32) };
    generator().seed(words);
}

void seedFromClock()
{
    seed(seedSource() ? seedSource()() : clockSeed());
}

float next()
{
    // 24 random bits scaled by 2^-24: every value is exactly representable
    // in single precision and strictly below 1, so int(n * next()) < n.
    return static_cast<float>(generator().generate() >> 8) * (1.0f / 16777216.0f);
}

void setClockSeedSource(std::function<quint64()> source)
{
    seedSource() = std::move(source);
}
void resetClockSeedSource()
{
    seedSource() = nullptr;
}

} // namespace rng

namespace process {

namespace {
std::function<void(int)> &endHandler()
{
    static std::function<void(int)> handler;
    return handler;
}
} // namespace

void end(int exitCode)
{
    if (const auto &handler = endHandler()) {
        handler(exitCode);
        return;
    }
    SingleInstanceGuard::releaseApplicationGuard();
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

void setEndHandler(std::function<void(int)> handler)
{
    endHandler() = std::move(handler);
}
void resetEndHandler()
{
    endHandler() = nullptr;
}

} // namespace process

} // namespace toevane
