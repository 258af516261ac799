// The single-instance guard with real processes: this test program starts
// copies of itself that take the guard the way a second start would.

#include "app/singleinstance.h"
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
#endif
#ifdef Q_OS_WIN
#include <windows.h>

#include <sddl.h>
#endif

using namespace toevane;

namespace {

// On Unix the guard is a lock file; on Windows a named mutex, where the
// checks of what may stand at a lock file's path are skipped.
#ifdef Q_OS_WIN
constexpr bool kLockIsAFile = false;
#define LOCK_FILE_ONLY() QSKIP("the guard is a named mutex on Windows")
#else
constexpr bool kLockIsAFile = true;
#define LOCK_FILE_ONLY()
#endif

// Set for a copy started by this test: the lock it takes, and after a line
// break the one it falls back to.
constexpr char kChildLock[] = "TOEVANE_TEST_HOLD_GUARD";

struct Child
{
    std::unique_ptr<QProcess> process = std::make_unique<QProcess>();

    void start(const QString &lockPath)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(kChildLock, lockPath);
        // A killed copy cannot remove its own folder: it lies in this one's.
        env.insert("TMPDIR", isolatedHome());
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
    void init();

    void copyThatEndedDoesNotBlockTheNextStart_data();
    void copyThatEndedDoesNotBlockTheNextStart();
    void exactlyOneOfSimultaneousStartsRuns();
    void staleLockIsTakenOverOrAvoided_data();
    void staleLockIsTakenOverOrAvoided();
    void tempFolderIsTheSameFromAnyFolder_data();
    void tempFolderIsTheSameFromAnyFolder();
    void mutexClosedToThisCopyMeansAnotherCopyRuns();
    void lockLivesInAFolderOfTheUsersOwn_data();
    void lockLivesInAFolderOfTheUsersOwn();
    void holdsTheGuardWhenStartedAsACopy();

private:
    QString m_lockPath;
};

void SingleInstanceTest::initTestCase()
{
    isolateTestSettings();
    m_lockPath = isolatedLockPath();
    qputenv("TMPDIR", QFile::encodeName(isolatedHome())); // as for the copies
}

void SingleInstanceTest::init()
{
    QFile::remove(m_lockPath);
    QFile::remove(m_lockPath + ".rmlock"); // a file, a FIFO or a link
    QDir().rmdir(m_lockPath + ".rmlock");
}

void SingleInstanceTest::copyThatEndedDoesNotBlockTheNextStart_data()
{
    QTest::addColumn<bool>("killed"); // with SIGKILL, which leaves the file behind
    QTest::newRow("clean exit") << false;
    QTest::newRow("killed") << true;
}

void SingleInstanceTest::copyThatEndedDoesNotBlockTheNextStart()
{
    QFETCH(bool, killed);
    Child first;
    first.start(m_lockPath);
    QCOMPARE(first.answer(), QStringLiteral("won"));
    killed ? first.kill() : first.stop();
    QCOMPARE(QFile::exists(m_lockPath), killed && kLockIsAFile);
    SingleInstanceGuard next(m_lockPath);
    QVERIFY(next.acquire());
}

void SingleInstanceTest::exactlyOneOfSimultaneousStartsRuns()
{
    std::vector<Child> children(8);
    for (Child &child : children)
        child.start(m_lockPath);
    QStringList answers;
    for (Child &child : children)
        answers << child.answer();
    for (Child &child : children)
        child.stop();
    answers.sort();
    QCOMPARE(answers, QStringList(7, QStringLiteral("refused")) << QStringLiteral("won"));
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

void SingleInstanceTest::staleLockIsTakenOverOrAvoided_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("companion"); // what stands at <lock>.rmlock
    QTest::addColumn<bool>("atLock"); // taken over, else the fallback is held
    const QByteArray deadPid =
        "999999\nToevaneFree\n" + QSysInfo::machineHostName().toLatin1() + '\n';
    QTest::newRow("empty") << QByteArray() << "" << true;
    QTest::newRow("garbage") << QByteArray("\x01\x02not a lock\n") << "" << true;
    QTest::newRow("dead pid") << deadPid << "" << true;
    for (const char *odd : { "FIFO", "folder", "dangling link", "link to a file", "foreign" })
        QTest::addRow("dead pid, companion %s", odd) << deadPid << odd << false;
    QTest::newRow("dead pid, companion of a killed copy") << deadPid << "fresh" << true;
}

void SingleInstanceTest::staleLockIsTakenOverOrAvoided()
{
    LOCK_FILE_ONLY();
    QFETCH(QByteArray, content);
    QFETCH(QString, companion);
    QFETCH(bool, atLock);
    QFile file(m_lockPath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    // Old enough not to be a copy that is just writing its lock.
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                             QFileDevice::FileModificationTime));
    file.close();
    const QString beside = m_lockPath + ".rmlock", target = QCoreApplication::applicationFilePath();
    if (companion == "foreign" || companion == "fresh")
        QVERIFY(QFile(beside).open(QIODevice::WriteOnly));
#ifdef Q_OS_UNIX
    if (companion == "FIFO")
        QCOMPARE(::mkfifo(QFile::encodeName(beside).constData(), 0600), 0);
    if (companion == "foreign" && ::chown(QFile::encodeName(beside).constData(), 65534, 65534))
        QSKIP("only root can make a file of another user's");
#endif
    if (companion == "folder")
        QVERIFY(QDir().mkdir(beside));
    if (companion.contains("link"))
        QVERIFY(QFile::link(companion == "dangling link" ? target + ".gone" : target, beside));
    const QString paths = m_lockPath + '\n' + SingleInstanceGuard::fallbackLockPath();
    Child first, next;
    first.start(paths);
    QCOMPARE(first.answer(), QStringLiteral("won"));
    QFile held(atLock ? m_lockPath : SingleInstanceGuard::fallbackLockPath());
    QVERIFY(held.open(QIODevice::ReadOnly));
    QCOMPARE(held.readLine().trimmed().toLongLong(), first.process->processId());
    // What is not the program's own stays; the guard holds all the same.
    QCOMPARE(QFileInfo(beside).exists() || QFileInfo(beside).isSymLink(), !atLock);
    next.start(paths);
    QCOMPARE(next.answer(), QStringLiteral("refused"));
    next.stop();
    first.stop();
}

void SingleInstanceTest::tempFolderIsTheSameFromAnyFolder_data()
{
    QTest::addColumn<QString>("tmpdir");
    QTest::newRow("relative") << "tmp"; // a lock of its own in every working folder
    QTest::newRow("missing") << isolatedHome() + "/missing";
    QTest::newRow("a file") << QCoreApplication::applicationFilePath();
}

void SingleInstanceTest::tempFolderIsTheSameFromAnyFolder()
{
    LOCK_FILE_ONLY();
    QFETCH(QString, tmpdir);
    qputenv("TMPDIR", QFile::encodeName(tmpdir));
    const QString path = SingleInstanceGuard::fallbackLockPath();
    qputenv("TMPDIR", QFile::encodeName(isolatedHome()));
    QVERIFY2(path.startsWith("/tmp/ToevaneFree-"), qPrintable(path));
}

void SingleInstanceTest::lockLivesInAFolderOfTheUsersOwn_data()
{
    QTest::addColumn<QString>("runtime"); // XDG_RUNTIME_DIR; "-": unset
    QTest::addColumn<QString>("obstacle"); // what stands in the way
    QTest::addColumn<QString>("held"); // runtime, fallback or none
    const QString usable = isolatedHome() + "/runtime";
    QTest::newRow("runtime folder") << usable << ""
                                    << "runtime";
    QTest::newRow("no runtime folder") << "-"
                                       << ""
                                       << "fallback";
    QTest::newRow("relative runtime folder") << "runtime"
                                             << ""
                                             << "fallback";
    QTest::newRow("over-long runtime path") << usable + '/' + QString(300, 'x') << ""
                                            << "fallback";
    QTest::newRow("runtime folder is a file") << isolatedHome() + "/file"
                                              << ""
                                              << "fallback";
    QTest::newRow("another user's live lock") << usable << "foreign"
                                              << "fallback";
    QTest::newRow("temp folder's own a link") << "-"
                                              << "link"
                                              << "none";
    QTest::newRow("temp folder's own others can write") << "-"
                                                        << "shared"
                                                        << "none";
}

void SingleInstanceTest::lockLivesInAFolderOfTheUsersOwn()
{
    LOCK_FILE_ONLY();
    QFETCH(QString, runtime);
    QFETCH(QString, obstacle);
    QFETCH(QString, held);
    const QString fallback = SingleInstanceGuard::fallbackLockPath();
    const QString ownFolder = QFileInfo(fallback).absolutePath();
    QDir(ownFolder).removeRecursively();
    QFile::remove(ownFolder);
    QVERIFY(QFile(isolatedHome() + "/file").open(QIODevice::WriteOnly));
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    const auto restore = qScopeGuard([&] { qputenv("XDG_RUNTIME_DIR", saved); });
    if (runtime == "-")
        qunsetenv("XDG_RUNTIME_DIR");
    else
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    Child other; // another user's copy: a lock it holds, in a file not ours
    if (obstacle == "foreign") {
#ifdef Q_OS_UNIX
        if (geteuid() != 0)
            QSKIP("only root can make a file of another user's");
        other.start(m_lockPath);
        QCOMPARE(other.answer(), QStringLiteral("won"));
        QCOMPARE(::chown(QFile::encodeName(m_lockPath).constData(), 65534, 65534), 0);
#endif
    } else if (obstacle == "link") {
        QVERIFY(QDir().mkpath(isolatedHome() + "/elsewhere"));
        QVERIFY(QFile::link(isolatedHome() + "/elsewhere", ownFolder));
    } else if (obstacle == "shared") {
        QVERIFY(QDir().mkpath(ownFolder));
        QVERIFY(QFile::setPermissions(ownFolder, QFileDevice::Permissions(0x7777)));
    }

    SingleInstanceGuard guard;
    QVERIFY(guard.acquire());
    const QString expected = held == "runtime" ? m_lockPath : held == "fallback" ? fallback : "";
    QCOMPARE(guard.heldPath(), expected);
    Child next;
    next.start(SingleInstanceGuard::defaultLockPath() + '\n' + fallback);
    QCOMPARE(next.answer(), QString(held == "none" ? "won" : "refused"));
    next.stop();
    other.stop();
}

// Does its work only in the copies that the tests above start: takes the
// guard, says whether it was won, and keeps it until standard input closes.
void SingleInstanceTest::holdsTheGuardWhenStartedAsACopy()
{
    if (!qEnvironmentVariableIsSet(kChildLock))
        QSKIP("runs only in a copy started by another test");
    const QStringList paths = qEnvironmentVariable(kChildLock).split(u'\n');
    SingleInstanceGuard guard(paths[0], paths.value(1));
    const bool won = guard.acquire();
    std::cout << (won ? "won" : "refused") << std::endl;
    std::string line;
    while (std::getline(std::cin, line)) { }
    QVERIFY(won);
}

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "tst_singleinstance.moc"
