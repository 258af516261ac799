// What the user's clicks cost in the running program: the time from a click
// to the next window on screen, against the time the same process needs to
// put a fresh empty top-level window of the same size on screen.
//
//     actionbench [--rounds N] [--warm-up N] [--settle MS] [--timeout MS]
//
// Three actions, each timed the first time it happens in a run of the
// program, as a user meets it:
//
//   analyze  Analyze My Toes on the last questionnaire page -> results window
//   back     Back on the results window -> a new questionnaire
//   exit     Exit on the questionnaire of a fresh start -> exit screen
//
// Every round drives two runs of the program's Shell from scratch in this
// process (start, answers, Analyze, Back, end; then start, Exit, end), with
// its process end replaced by a counter and its lock and settings in a
// temporary folder of this program; the first start stores the reminder
// date there, so the update reminder is never due. Next to every action the
// floor is measured: a plain QWidget of the target window's size, shown.
// Action and floor alternate which goes first from round to round.
//
// The clock starts just before QAbstractButton::click() (or QWidget::show()
// for the floor) and stops when the target window's first Expose event has
// been handled: the window is mapped on the display and its first frame has
// been painted. The time at which that Expose event arrived (mapped, not yet
// painted) and the time at which click() or show() returned (the work done
// before the event loop runs again) are reported as well. All are taken the
// same way for action and floor; the Expose times in QApplication::notify.
//
// Standard output: one line per counted round, then the medians:
//
//     sizes analyze=WxH back=WxH exit=WxH
//     round=0 analyze_ms=... analyze_floor_ms=... analyze_exposed_ms=...
//             analyze_floor_exposed_ms=... analyze_returned_ms=...
//             analyze_floor_returned_ms=... back_ms=... ... exit_floor_returned_ms=...
//     median analyze_ms=... ...
//
// Runs on a real X server (QT_QPA_PLATFORM=xcb); with no window manager
// every window maps at once. Exit codes: 0 measured, 1 usage, 2 the program
// did not behave (no window within --timeout, a message box, a missing
// control).

#include "app/shell.h"
#include "app/startup.h"
#include "questionnaire/catalogue.h"
#include "support/windows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

[[noreturn]] void failRun(const QString &message)
{
    std::fprintf(stderr, "actionbench: %s\n", qPrintable(message));
    std::fflush(nullptr);
    std::_Exit(2);
}

// Times the first Expose of a chosen window, before and after it is handled.
class BenchApplication : public QApplication
{
public:
    using QApplication::QApplication;

    // Starts watching for the first Expose of a window that `wanted` accepts;
    // `clock` is the clock of the measurement.
    void watch(std::function<bool(QWindow *)> wanted, const QElapsedTimer *clock)
    {
        m_wanted = std::move(wanted);
        m_clock = clock;
        m_exposedNs = m_paintedNs = -1;
        m_target = nullptr;
    }
    bool painted() const { return m_paintedNs >= 0; }
    double exposedMs() const { return double(m_exposedNs) / 1.0e6; }
    double paintedMs() const { return double(m_paintedNs) / 1.0e6; }
    void stopWatching()
    {
        m_wanted = nullptr;
        m_target = nullptr;
    }

    bool notify(QObject *receiver, QEvent *event) override
    {
        if (!m_wanted || event->type() != QEvent::Expose || !receiver->isWindowType())
            return QApplication::notify(receiver, event);
        auto *window = static_cast<QWindow *>(receiver);
        const bool isTarget = m_target ? window == m_target : m_wanted(window);
        if (!isTarget)
            return QApplication::notify(receiver, event);
        m_target = window;
        const qint64 arrived = m_clock->nsecsElapsed();
        const bool result = QApplication::notify(receiver, event);
        // Widgets paint their window while handling the Expose event.
        if (m_wanted && window->isExposed()) {
            m_exposedNs = arrived;
            m_paintedNs = m_clock->nsecsElapsed();
            m_wanted = nullptr;
            m_target = nullptr;
            if (m_waiting)
                m_waiting->quit();
        }
        return result;
    }

    // Runs the event loop until the watched window has been painted or
    // `timeoutMs` has passed. False on timeout.
    bool waitUntilPainted(int timeoutMs)
    {
        if (painted())
            return true;
        QEventLoop loop;
        QTimer timeout;
        timeout.setSingleShot(true);
        QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
        timeout.start(timeoutMs);
        m_waiting = &loop;
        loop.exec();
        m_waiting = nullptr;
        return painted();
    }

private:
    std::function<bool(QWindow *)> m_wanted;
    QWindow *m_target = nullptr;
    const QElapsedTimer *m_clock = nullptr;
    qint64 m_exposedNs = -1;
    qint64 m_paintedNs = -1;
    QEventLoop *m_waiting = nullptr; // the loop of waitUntilPainted()
};

BenchApplication *benchApp()
{
    return static_cast<BenchApplication *>(QCoreApplication::instance());
}

struct Options
{
    int rounds = 20;
    int warmUp = 2;
    int settleMs = 100;
    int timeoutMs = 10000;
};

struct Timing
{
    double returnedMs = 0; // click() or show() returned
    double exposedMs = 0; // the first Expose arrived: mapped
    double paintedMs = 0; // ... and has been handled: painted
};

// Lets the event loop run for a while: deferred deletions, the paint of
// what the last step uncovered and the X server's replies are done before
// the next clock starts.
void settle(int ms)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The visible top-level widget of that object name, if there is exactly one.
QWidget *visibleWindow(const QString &objectName)
{
    QWidget *found = nullptr;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window->objectName() == objectName && window->isVisible()) {
            if (found)
                failRun(QStringLiteral("two %1 windows are on screen").arg(objectName));
            found = window;
        }
    }
    return found;
}

QAbstractButton *control(QWidget *window, const QString &objectName)
{
    auto *button = window->findChild<QAbstractButton *>(objectName);
    if (!button || !button->isEnabled() || !button->isVisibleTo(window)) {
        failRun(QStringLiteral("%1 has no enabled, visible control %2")
                    .arg(window->objectName(), objectName));
    }
    return button;
}

// Times a click on `button` until the first new top-level window named
// `targetName` is painted.
Timing timeClick(QAbstractButton *button, const QString &targetName, const Options &options)
{
    // Windows of that name already there are not the one the click brings.
    QList<QPointer<QWidget>> before;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == targetName)
            before.append(window);
    }
    const QString what = button->objectName();
    QElapsedTimer clock;
    benchApp()->watch(
        [targetName, before](QWindow *window) {
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                if (widget->objectName() == targetName && widget->windowHandle() == window)
                    return !before.contains(widget);
            }
            return false;
        },
        &clock);
    clock.start();
    button->click();
    const double returnedMs = double(clock.nsecsElapsed()) / 1.0e6;
    if (!benchApp()->waitUntilPainted(options.timeoutMs)) {
        benchApp()->stopWatching();
        failRun(QStringLiteral("no %1 window was painted within %2 ms of clicking %3")
                    .arg(targetName)
                    .arg(options.timeoutMs)
                    .arg(what));
    }
    return { returnedMs, benchApp()->exposedMs(), benchApp()->paintedMs() };
}

// The floor: a fresh empty top-level window of that size, shown.
Timing timeEmptyWindow(QSize size, const Options &options)
{
    QElapsedTimer clock;
    QWidget *shown = nullptr;
    benchApp()->watch(
        [&shown](QWindow *window) { return shown && shown->windowHandle() == window; }, &clock);
    clock.start();
    auto window = std::make_unique<QWidget>();
    shown = window.get();
    window->resize(size);
    window->show();
    const double returnedMs = double(clock.nsecsElapsed()) / 1.0e6;
    if (!benchApp()->waitUntilPainted(options.timeoutMs)) {
        benchApp()->stopWatching();
        failRun(
            QStringLiteral("an empty window was not painted within %1 ms").arg(options.timeoutMs));
    }
    const Timing timing { returnedMs, benchApp()->exposedMs(), benchApp()->paintedMs() };
    window.reset();
    return timing;
}

// Answers a message box would stop the walk: none is expected, so one that
// comes up (a control not found, the update reminder) ends the run.
void refuseMessageBoxes()
{
    auto *guard = new QTimer(qApp);
    QObject::connect(guard, &QTimer::timeout, [] {
        if (QWidget *box = QApplication::activeModalWidget()) {
            const auto *message = qobject_cast<QMessageBox *>(box);
            failRun(QStringLiteral("an unexpected modal window came up: %1 \"%2\"")
                        .arg(box->metaObject()->className(),
                             message ? message->text().simplified() : box->windowTitle()));
        }
    });
    guard->start(100);
}

// One run of the program's Shell, from start to end.
class ProgramRun
{
public:
    explicit ProgramRun(const QString &lockPath, const Options &options)
        : m_options(options)
    {
        toevane::ShellServices services;
        services.lockPath = lockPath;
        services.endProcess = [this](int) { ++m_ends; };
        m_shell = std::make_unique<toevane::Shell>(std::move(services));
        QElapsedTimer clock;
        benchApp()->watch(
            [](QWindow *window) {
                const QWidget *questionnaire = visibleWindow(QStringLiteral("frmMain"));
                return questionnaire && questionnaire->windowHandle() == window;
            },
            &clock);
        clock.start();
        if (!m_shell->start())
            failRun(QStringLiteral("the Shell did not start: another copy holds the lock"));
        if (!benchApp()->waitUntilPainted(options.timeoutMs)) {
            benchApp()->stopWatching();
            failRun(QStringLiteral("the questionnaire was not painted within %1 ms of the start")
                        .arg(options.timeoutMs));
        }
        settle(options.settleMs);
    }

    ~ProgramRun()
    {
        m_shell->EndProgram();
        if (m_ends != 1)
            failRun(QStringLiteral("the end of the program was asked for %1 times").arg(m_ends));
        m_shell.reset();
        clearWindows();
        settle(m_options.settleMs);
    }

    QWidget *window(const QString &objectName) const
    {
        QWidget *found = visibleWindow(objectName);
        if (!found)
            failRun(QStringLiteral("no %1 window is on screen").arg(objectName));
        return found;
    }

    // Chooses an answer on every page and Next on all but the last.
    void answerAllPages(int round)
    {
        QWidget *questionnaire = window(QStringLiteral("frmMain"));
        for (int page = 0; page < toevane::catalogue::kQuestionCount; ++page) {
            const toevane::catalogue::Question &question = toevane::catalogue::question(page);
            QAbstractButton *option = control(
                questionnaire, question.optionName((round + page) % question.answerCount()));
            option->click();
            if (!option->isChecked())
                failRun(QStringLiteral("%1 did not take the answer").arg(option->objectName()));
            if (page < toevane::catalogue::kLastPage)
                control(questionnaire, QStringLiteral("cmdNext_%1").arg(page))->click();
        }
        settle(m_options.settleMs);
    }

private:
    const Options &m_options;
    std::unique_ptr<toevane::Shell> m_shell;
    int m_ends = 0;
};

enum Action { Analyze, Back, Exit, ActionCount };
constexpr std::array<const char *, ActionCount> kActionNames { "analyze", "back", "exit" };

struct Round
{
    std::array<Timing, ActionCount> action;
    std::array<Timing, ActionCount> floor;
};

class Bench
{
public:
    Bench(QString lockPath, Options options)
        : m_lockPath(std::move(lockPath))
        , m_options(options)
    {
    }

    // One round; the action goes first in even rounds, the floor in odd
    // ones. Before the sizes are known (the first warm-up round) the action
    // goes first.
    Round round(int index)
    {
        const bool floorFirst = index % 2 == 1 && m_sizesKnown;
        Round result;
        const auto pair = [&](Action action, const std::function<Timing()> &act) {
            if (floorFirst)
                result.floor[action] = floor(action);
            result.action[action] = act();
            if (!floorFirst)
                result.floor[action] = floor(action);
        };
        {
            ProgramRun run(m_lockPath, m_options);
            run.answerAllPages(index);
            pair(Analyze, [&] {
                QWidget *questionnaire = run.window(QStringLiteral("frmMain"));
                const QString analyze =
                    QStringLiteral("cmdNext_%1").arg(toevane::catalogue::kLastPage);
                return measured(Analyze,
                                timeClick(control(questionnaire, analyze),
                                          QStringLiteral("frmDisplay"), m_options),
                                QStringLiteral("frmDisplay"));
            });
            pair(Back, [&] {
                QWidget *results = run.window(QStringLiteral("frmDisplay"));
                return measured(Back,
                                timeClick(control(results, QStringLiteral("cmdBack")),
                                          QStringLiteral("frmMain"), m_options),
                                QStringLiteral("frmMain"));
            });
        }
        {
            ProgramRun run(m_lockPath, m_options);
            pair(Exit, [&] {
                QWidget *questionnaire = run.window(QStringLiteral("frmMain"));
                return measured(Exit,
                                timeClick(control(questionnaire, QStringLiteral("cmdExit")),
                                          QStringLiteral("frmNagScreen2"), m_options),
                                QStringLiteral("frmNagScreen2"));
            });
        }
        m_sizesKnown = true;
        return result;
    }

    QString sizes() const
    {
        QStringList parts;
        for (int action = 0; action < ActionCount; ++action) {
            parts << QStringLiteral("%1=%2x%3")
                         .arg(QLatin1String(kActionNames[std::size_t(action)]))
                         .arg(m_sizes[std::size_t(action)].width())
                         .arg(m_sizes[std::size_t(action)].height());
        }
        return parts.join(QLatin1Char(' '));
    }

private:
    // Notes the size of the window an action brought, settles, and hands
    // the timing on.
    Timing measured(Action action, Timing timing, const QString &targetName)
    {
        const QWidget *target = visibleWindow(targetName);
        if (!target)
            failRun(QStringLiteral("the %1 window went away").arg(targetName));
        m_sizes[std::size_t(action)] = target->size();
        settle(m_options.settleMs);
        return timing;
    }

    Timing floor(Action action)
    {
        const QSize size =
            m_sizes[std::size_t(action)].isValid() ? m_sizes[std::size_t(action)] : QSize(484, 414);
        const Timing timing = timeEmptyWindow(size, m_options);
        settle(m_options.settleMs);
        return timing;
    }

    QString m_lockPath;
    Options m_options;
    std::array<QSize, ActionCount> m_sizes {};
    bool m_sizesKnown = false;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

int usage(const char *problem)
{
    if (problem)
        std::fprintf(stderr, "actionbench: %s\n", problem);
    std::fputs("usage: actionbench [--rounds N] [--warm-up N] [--settle MS] [--timeout MS]\n"
               "  --rounds N    counted rounds (default 20)\n"
               "  --warm-up N   rounds run first and not counted (default 2, at least 1)\n"
               "  --settle MS   event-loop time between two measurements (default 100)\n"
               "  --timeout MS  longest wait for a window (default 10000)\n",
               problem ? stderr : stdout);
    return problem ? 1 : 0;
}

} // namespace

int main(int argc, char *argv[])
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "-h" || option == "--help")
            return usage(nullptr);
        if (i + 1 >= argc)
            return usage("an option lacks its value");
        const int value = std::atoi(argv[++i]);
        if (option == "--rounds" && value > 0)
            options.rounds = value;
        else if (option == "--warm-up" && value > 0)
            options.warmUp = value;
        else if (option == "--settle" && value >= 0)
            options.settleMs = value;
        else if (option == "--timeout" && value > 0)
            options.timeoutMs = value;
        else
            return usage("unknown option or bad value");
    }

    // Settings and lock live in a folder of this run: the first start stores
    // the reminder date there, so that no later start asks about updates, and
    // the user's own settings are never touched.
    QTemporaryDir folder;
    if (!folder.isValid())
        failRun(QStringLiteral("cannot create a temporary folder"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.filePath(QStringLiteral("config"))));
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder.path())); // mode 0700

    const toevane::DisplayChoice display = toevane::ensureDisplay();
    if (!display)
        return 1;
    BenchApplication app(argc, argv);
    toevane::configureApplication(display);
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        std::fprintf(stderr,
                     "actionbench: warning: platform %s; the figures mean something on a real "
                     "X server only (QT_QPA_PLATFORM=xcb)\n",
                     qPrintable(QGuiApplication::platformName()));
    }
    refuseMessageBoxes();

    Bench bench(folder.filePath(QStringLiteral("ToevaneFree.lock")), options);
    for (int i = 0; i < options.warmUp; ++i)
        bench.round(i);
    std::printf("sizes %s\n", qPrintable(bench.sizes()));
    std::fflush(stdout);

    std::map<std::string, std::vector<double>> samples;
    for (int i = 0; i < options.rounds; ++i) {
        const Round round = bench.round(options.warmUp + i);
        std::string line = "round=" + std::to_string(i);
        for (int action = 0; action < ActionCount; ++action) {
            const std::string name = kActionNames[std::size_t(action)];
            const Timing &act = round.action[std::size_t(action)];
            const Timing &floor = round.floor[std::size_t(action)];
            const std::pair<std::string, double> values[] = {
                { name + "_ms", act.paintedMs },
                { name + "_floor_ms", floor.paintedMs },
                { name + "_exposed_ms", act.exposedMs },
                { name + "_floor_exposed_ms", floor.exposedMs },
                { name + "_returned_ms", act.returnedMs },
                { name + "_floor_returned_ms", floor.returnedMs },
            };
            for (const auto &[key, value] : values) {
                samples[key].push_back(value);
                char text[64];
                std::snprintf(text, sizeof text, " %s=%.3f", key.c_str(), value);
                line += text;
            }
        }
        std::printf("%s\n", line.c_str());
        std::fflush(stdout);
    }

    std::string line = "median";
    for (const auto &[key, values] : samples) {
        char text[64];
        std::snprintf(text, sizeof text, " %s=%.3f", key.c_str(), median(values));
        line += text;
    }
    for (const char *name : kActionNames) {
        const std::string key = name;
        char text[64];
        std::snprintf(text, sizeof text, " %s_ratio=%.3f", name,
                      median(samples[key + "_ms"]) / median(samples[key + "_floor_ms"]));
        line += text;
    }
    std::printf("%s\n", line.c_str());
    return 0;
}
