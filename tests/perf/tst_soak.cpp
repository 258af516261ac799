// Long walks through the program's windows leave nothing behind: after a
// thousand rounds the number of live objects, widgets and top-level windows
// is what it was before, and resident memory has grown by less than 2 MiB.
//
// TOEVANE_SOAK_ROUNDS overrides the number of rounds (1000).

#include "common/style.h"
#include "exit_screen/frmnagscreen2.h"
#include "questionnaire/frmmain.h"
#include "results/frmdisplay.h"
#include "support/isolation.h"
#include "support/recorders.h"
#include "support/windows.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <atomic>
#include <memory>

#include <unistd.h>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

// Qt's hooks for tools that follow object lifetimes: slot 3 is called from
// every QObject constructor, slot 4 from every destructor. The table is
// exported by QtCore; its declaration sits in a private header.
QT_BEGIN_NAMESPACE
extern Q_CORE_EXPORT quintptr qtHookData[];
QT_END_NAMESPACE

using namespace toevane;

namespace {

enum HookSlot { HookDataSize = 1, HookQtVersion = 2, HookAddObject = 3, HookRemoveObject = 4 };

std::atomic<qint64> g_liveObjects { 0 };

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kUnderAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kUnderAddressSanitizer = true;
#else
constexpr bool kUnderAddressSanitizer = false;
#endif
#else
constexpr bool kUnderAddressSanitizer = false;
#endif

constexpr qint64 kMaxGrowthBytes = 2 * 1024 * 1024;

int rounds()
{
    bool ok = false;
    const int wanted = qEnvironmentVariableIntValue("TOEVANE_SOAK_ROUNDS", &ok);
    return ok && wanted > 0 ? wanted : 1000;
}

qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().simplified().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * ::sysconf(_SC_PAGESIZE) : -1;
}

int objectTreeSize(const QObject *object)
{
    int size = 1;
    for (const QObject *child : object->children())
        size += objectTreeSize(child);
    return size;
}

// What the program holds at a quiet moment.
struct Footprint
{
    qint64 liveObjects = 0; // every QObject in the process
    int treeObjects = 0; // objects under the top-level widgets and the application
    int widgets = 0;
    int topLevels = 0;
    qint64 residentBytes = 0;
};

Footprint footprint()
{
    // Deletions that closing windows asked for, then whatever they posted.
    for (int pass = 0; pass < 3; ++pass) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
#if defined(__GLIBC__)
    // Give freed heap back to the system, so that resident memory shows what
    // is held and not what the allocator keeps for reuse.
    ::malloc_trim(0);
#endif
    Footprint now;
    now.liveObjects = g_liveObjects.load();
    now.treeObjects = objectTreeSize(qApp);
    const QWidgetList topLevels = QApplication::topLevelWidgets();
    for (const QWidget *window : topLevels) {
        if (!window->parent())
            now.treeObjects += objectTreeSize(window);
    }
    now.widgets = int(QApplication::allWidgets().size());
    now.topLevels = int(topLevels.size());
    now.residentBytes = residentBytes();
    return now;
}

// One questionnaire -> results -> Back round. The questionnaire on screen is
// answered and analysed; the results window's Back opens a new one.
bool walkThroughAReading(Shell &shell, int round)
{
    QCoreApplication::processEvents(); // shown and painted
    frmDisplay *results = finishReading(shell, round);
    if (!results)
        return false;
    QCoreApplication::processEvents();
    if (!clickButton(results, QStringLiteral("cmdBack")))
        return false;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return qobject_cast<frmMain *>(shell.mainWindow()) && visibleWindowCount() == 1;
}

// One whole run of the program: start, Exit on the questionnaire, which
// shows the exit screen, and Exit there, which ends the program.
bool runTheProgram(const ProcessEndRecorder &ends)
{
    Shell shell(testServices(ends));
    if (!shell.start())
        return false;
    QCoreApplication::processEvents();
    if (!clickButton(shell.mainWindow(), QStringLiteral("cmdExit")))
        return false;
    frmNagScreen2 *exitScreen = shell.exitScreen();
    if (!exitScreen || !exitScreen->isVisible())
        return false;
    QCoreApplication::processEvents();
    return clickButton(exitScreen, QStringLiteral("cmdClose")) && visibleWindowCount() == 0;
}

enum class Walk { Reading, WholeRun };

} // namespace

class SoakTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup() { clearWindows(); }
    void cleanupTestCase();

    void walkingTheWindowsLeavesNothingBehind_data();
    void walkingTheWindowsLeavesNothingBehind();
};

void SoakTest::initTestCase()
{
    isolateTestSettings();
    QVERIFY2(qtHookData[HookDataSize] > HookRemoveObject, "QtCore has no object hooks");
    QCOMPARE(qtHookData[HookQtVersion], quintptr(QT_VERSION));
    QVERIFY(!qtHookData[HookAddObject] && !qtHookData[HookRemoveObject]);
    // The program's own style, with Qt's pixmap cache as it is: the style
    // keeps rendered faces there, and they must not pile up window by window.
    QApplication::setStyle(new Style);
    qtHookData[HookAddObject] = reinterpret_cast<quintptr>(+[](QObject *) { ++g_liveObjects; });
    qtHookData[HookRemoveObject] = reinterpret_cast<quintptr>(+[](QObject *) { --g_liveObjects; });
}

void SoakTest::cleanupTestCase()
{
    qtHookData[HookAddObject] = 0;
    qtHookData[HookRemoveObject] = 0;
}

void SoakTest::walkingTheWindowsLeavesNothingBehind_data()
{
    QTest::addColumn<int>("walk");
    QTest::newRow("questionnaire, results and Back") << int(Walk::Reading);
    QTest::newRow("start, exit screen and end") << int(Walk::WholeRun);
}

void SoakTest::walkingTheWindowsLeavesNothingBehind()
{
    QFETCH(int, walk);
    ProcessEndRecorder ends;
    std::unique_ptr<Shell> shell;
    if (Walk(walk) == Walk::Reading) {
        shell = std::make_unique<Shell>(testServices(ends));
        QVERIFY(shell->start());
    }
    const auto round = [&](int i) {
        return shell ? walkThroughAReading(*shell, i) : runTheProgram(ends);
    };
    const int count = rounds();

    // The first rounds fill the caches that live for the whole run (fonts,
    // glyphs, style, icon, settings) and create the exit screen; what they
    // allocate is not growth.
    constexpr int kWarmUpRounds = 20;
    for (int i = 0; i < kWarmUpRounds; ++i)
        QVERIFY2(round(i), qPrintable(QStringLiteral("warm-up round %1 went wrong").arg(i)));
    const Footprint before = footprint();

    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < count; ++i)
        QVERIFY2(round(kWarmUpRounds + i),
                 qPrintable(QStringLiteral("round %1 went wrong").arg(i)));
    const qint64 elapsed = clock.elapsed();
    const Footprint after = footprint();

    qInfo("%d rounds in %lld ms; live objects %lld -> %lld, widgets %d -> %d, resident "
          "%.2f -> %.2f MiB",
          count, elapsed, before.liveObjects, after.liveObjects, before.widgets, after.widgets,
          double(before.residentBytes) / 1048576.0, double(after.residentBytes) / 1048576.0);
    QCOMPARE(after.liveObjects, before.liveObjects);
    QCOMPARE(after.treeObjects, before.treeObjects);
    QCOMPARE(after.widgets, before.widgets);
    QCOMPARE(after.topLevels, before.topLevels);
    QCOMPARE(ends.count(), shell ? 0 : kWarmUpRounds + count);
    QVERIFY(before.residentBytes > 0 && after.residentBytes > 0);
    // Under AddressSanitizer freed memory sits in its quarantine, so resident
    // memory says nothing about what the program holds; the object counts
    // above still do.
    if (!kUnderAddressSanitizer) {
        QVERIFY2(after.residentBytes - before.residentBytes < kMaxGrowthBytes,
                 qPrintable(QStringLiteral("resident memory grew by %1 KiB")
                                .arg((after.residentBytes - before.residentBytes) / 1024)));
    }
}

QTEST_MAIN(SoakTest)
#include "tst_soak.moc"
