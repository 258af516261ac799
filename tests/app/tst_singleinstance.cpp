// The single-instance guard with real processes: this test program starts
// copies of itself that take the guard the way a second start would.

#include "app/singleinstance.h"
#include "support/files.h"
#include "support/isolation.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTest>

#include <iostream>
#include <memory>
#include <string>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#endif
#ifdef Q_OS_WIN
#include <windows.h>

#include <sddl.h>
#endif

using namespace toevane;

namespace {

// On Unix the guard is a lock file; on Windows a named mutex.
#ifdef Q_OS_WIN
constexpr bool kLockIsAFile = false;
#else
constexpr bool kLockIsAFile = true;
#endif

// Set for a copy started by this test: the lock it takes.
constexpr char kChildLock[] = "TOEVANE_TEST_HOLD_GUARD";

struct Child
{
    std::unique_ptr<QProcess> process = std::make_unique<QProcess>();

    void start(const QString &lockPath)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(kChildLock, lockPath);
        process->setProcessEnvironment(env);
        process->start(QCoreApplication::applicationFilePath(),
                       { "holdsTheGuardWhenStartedAsACopy", "-silent" });
    }
    QString answer()
    {
        const QDeadlineTimer deadline(10000);
        while (process->canReadLine() || process->waitForReadyRead(deadline.remainingTime())) {
            const QString line = QString::fromLatin1(process->readLine()).trimmed();
            if (line == u"won" || line == u"refused")
                return line;
        }
        // What the copy said instead, for the failure message.
        return QStringLiteral("<no answer> ") +
            QString::fromLocal8Bit(process->readAllStandardError()).trimmed();
    }
    void kill()
    {
        process->kill(); // SIGKILL
        process->waitForFinished(5000);
    }
    void stop()
    {
        process->closeWriteChannel();
        if (!process->waitForFinished(5000))
            kill();
    }
};

} // namespace

class SingleInstanceTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init() { QFile::remove(m_lockPath); }

    void copyThatEndedDoesNotBlockTheNextStartButAStoppedOneDoes_data();
    void copyThatEndedDoesNotBlockTheNextStartButAStoppedOneDoes();
    void exactlyOneOfSimultaneousStartsRuns_data();
    void exactlyOneOfSimultaneousStartsRuns();
    void mutexClosedToThisCopyMeansAnotherCopyRuns();
    void whatStandsAtTheLockPathStaysAndNeverHoldsUpAStart_data();
    void whatStandsAtTheLockPathStaysAndNeverHoldsUpAStart();
    void holdsTheGuardWhenStartedAsACopy();

private:
    QString m_lockPath;
};

void SingleInstanceTest::initTestCase()
{
    isolateTestSettings();
    m_lockPath = isolatedLockPath();
}

void SingleInstanceTest::copyThatEndedDoesNotBlockTheNextStartButAStoppedOneDoes_data()
{
    QTest::addColumn<QString>("end");
    QTest::newRow("clean exit") << "exit";
    QTest::newRow("killed with SIGKILL") << "kill";
#ifdef Q_OS_UNIX
    QTest::newRow("stopped with SIGSTOP: still a live copy") << "stop";
#endif
}

void SingleInstanceTest::copyThatEndedDoesNotBlockTheNextStartButAStoppedOneDoes()
{
    QFETCH(QString, end);
    Child first;
    first.start(m_lockPath);
    QCOMPARE(first.answer(), QStringLiteral("won"));
#ifdef Q_OS_UNIX
    if (end == "stop")
        ::kill(pid_t(first.process->processId()), SIGSTOP);
#endif
    end == "kill" ? first.kill() : end == "exit" ? first.stop() : void();
    // The file stays for the next copy: nothing is ever removed.
    QCOMPARE(QFile::exists(m_lockPath), kLockIsAFile);
    SingleInstanceGuard next(m_lockPath);
    QCOMPARE(next.acquire(), end != "stop");
    if (end == "stop")
        first.kill();
}

void SingleInstanceTest::exactlyOneOfSimultaneousStartsRuns_data()
{
    QTest::addColumn<int>("copies");
    QTest::newRow("8") << 8;
    QTest::newRow("20") << 20;
}

void SingleInstanceTest::exactlyOneOfSimultaneousStartsRuns()
{
    QFETCH(int, copies);
    std::vector<Child> children(copies);
    for (Child &child : children)
        child.start(m_lockPath);
    QStringList answers;
    for (Child &child : children)
        answers << child.answer();
    for (Child &child : children)
        child.stop();
    answers.sort();
    QCOMPARE(answers, QStringList(copies - 1, QStringLiteral("refused")) << QStringLiteral("won"));
}

void SingleInstanceTest::mutexClosedToThisCopyMeansAnotherCopyRuns()
{
#ifdef Q_OS_WIN
    SingleInstanceGuard guard(m_lockPath);
    QVERIFY(guard.acquire());
    const QString name = guard.heldPath();
    guard.release();
    // Made as a copy started as administrator makes it: closed to this one.
    PSECURITY_DESCRIPTOR closed = nullptr;
    QVERIFY(ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:(A;;GA;;;SY)", SDDL_REVISION_1,
                                                                 &closed, nullptr));
    SECURITY_ATTRIBUTES attributes { sizeof attributes, closed, FALSE };
    const HANDLE mutex = CreateMutexW(&attributes, FALSE, qUtf16Printable(name));
    LocalFree(closed);
    QVERIFY(mutex);
    QVERIFY(!guard.acquire());
    CloseHandle(mutex);
#else
    QSKIP("a lock file of this user's cannot shut this user's copies out");
#endif
}

void SingleInstanceTest::whatStandsAtTheLockPathStaysAndNeverHoldsUpAStart_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<bool>("guarded"); // else both copies run, unguarded
    QTest::newRow("a file an earlier version left") << "file" << true;
    QTest::newRow("a read-only file") << "read-only" << true;
    QTest::newRow("an immutable file") << "immutable" << true;
    QTest::newRow("a file others may read") << "shared" << false;
    QTest::newRow("another user's file") << "foreign" << false;
    QTest::newRow("a FIFO") << "FIFO" << false;
    QTest::newRow("a folder") << "folder" << false;
    QTest::newRow("a dangling link") << "dangling link" << false;
    QTest::newRow("a link to a file of this user's") << "link" << false;
}

void SingleInstanceTest::whatStandsAtTheLockPathStaysAndNeverHoldsUpAStart()
{
#ifndef Q_OS_UNIX
    QSKIP("the guard is a named mutex on Windows: no file stands in its way");
#else
    QFETCH(QString, what);
    QFETCH(bool, guarded);
    const QByteArray path = QFile::encodeName(m_lockPath);
    const QString elsewhere = isolatedHome() + "/elsewhere";
    QVERIFY(writeFileBytes(elsewhere, "123\n"));
    if (what == "FIFO")
        QCOMPARE(::mkfifo(path.constData(), 0600), 0);
    else if (what == "folder")
        QVERIFY(QDir().mkdir(m_lockPath));
    else if (what.contains("link"))
        QVERIFY(QFile::link(what == "link" ? elsewhere : elsewhere + ".gone", m_lockPath));
    else
        QVERIFY(writeFileBytes(m_lockPath, "4242\nToevaneFree\nhost\n"));
    const auto cleanUp = qScopeGuard([&] {
        if (what == "immutable")
            QProcess::execute("chattr", { "-i", m_lockPath });
        QDir().rmdir(m_lockPath);
    });
    if (QFileInfo(m_lockPath).isFile() && !QFileInfo(m_lockPath).isSymLink())
        QCOMPARE(::chmod(path.constData(),
                         what == "shared"          ? 0644
                             : what == "read-only" ? 0400
                                                   : 0600),
                 0);
    if (what == "immutable" && QProcess::execute("chattr", { "+i", m_lockPath }) != 0)
        QSKIP("chattr +i is not available here");
    if (what == "foreign" && ::chown(path.constData(), 65534, 65534) != 0)
        QSKIP("only root can make a file of another user's");
    struct stat before, after;
    QCOMPARE(::lstat(path.constData(), &before), 0);
    const auto content = [&] { return what == "FIFO" ? QByteArray() : fileBytes(m_lockPath); };
    const QByteArray contentBefore = content();

    Child first, next;
    first.start(m_lockPath);
    QCOMPARE(first.answer(), QStringLiteral("won"));
    next.start(m_lockPath);
    QCOMPARE(next.answer(), QString(guarded ? "refused" : "won"));
    next.stop();
    first.stop();
    QCOMPARE(::lstat(path.constData(), &after), 0);
    QCOMPARE(after.st_mode, before.st_mode);
    QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(content(), contentBefore);
#endif
}

// Does its work only in the copies that the tests above start: takes the
// guard, says whether it was won, and keeps it until standard input closes.
void SingleInstanceTest::holdsTheGuardWhenStartedAsACopy()
{
    if (!qEnvironmentVariableIsSet(kChildLock))
        QSKIP("runs only in a copy started by another test");
    SingleInstanceGuard guard(qEnvironmentVariable(kChildLock));
    const bool won = guard.acquire();
    std::cout << (won ? "won" : "refused") << std::endl;
    std::string line;
    while (std::getline(std::cin, line)) { }
    QVERIFY(won);
}

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "tst_singleinstance.moc"
