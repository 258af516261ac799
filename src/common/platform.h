#pragma once

#include <QDate>
#include <QRandomGenerator>

#include <functional>

// The platform services whose answers a test needs to choose: today's date
// and the random generator with its clock seed. The shipped program uses the
// defaults; a test hands its own sources to the object that needs them.
namespace toevane {

using TodaySource = std::function<QDate()>;
using SeedSource = std::function<quint64()>;

// Today's date on this computer.
QDate systemToday();
// The system clock's reading, used as a seed.
quint64 systemClockSeed();

// Uniform fractions in [0, 1), seeded from a clock.
class Random
{
public:
    explicit Random(SeedSource clockSeed = &systemClockSeed);

    void seed(quint64 value);
    // Seeds from the clock this generator was given.
    void seedFromClock();
    // Next fraction in [0, 1), single precision; never 1.0.
    float next();

private:
    QRandomGenerator m_generator { 1u };
    SeedSource m_clockSeed;
};

} // namespace toevane
