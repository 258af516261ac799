#pragma once

#include <QDate>

#include <functional>

// Thin seams over the platform services that tests need to observe or steer.
// The shipped program uses the defaults; a test installs its own function and
// restores the default with the matching reset call.
namespace toevane {

namespace clock {
// Today's date on this computer.
QDate today();
void setToday(std::function<QDate()> source);
void resetToday();
} // namespace clock

namespace rng {
// The program's single generator of uniform fractions in [0, 1).
void seed(quint64 value);
// Seeds from the system clock (or from the test's seed source).
void seedFromClock();
// Next fraction in [0, 1), single precision; never 1.0.
float next();
void setClockSeedSource(std::function<quint64()> source);
void resetClockSeedSource();
} // namespace rng

namespace process {
// Ends the process at once with the given exit code. The default releases
// the single-instance lock and leaves without unwinding anything else, so
// no window or pending event can keep the program alive.
void end(int exitCode = 0);
void setEndHandler(std::function<void(int)> handler);
void resetEndHandler();
} // namespace process

} // namespace toevane
