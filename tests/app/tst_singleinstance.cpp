// The single-instance guard with real processes: this test program starts
// copies of itself that take the guard the way a second start would.

#include "app/singleinstance.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>

using namespace toevane;

namespace {

constexpr char kHoldArgument[] = "--hold-guard";

// Child mode: take the guard, say whether it was won, and keep it until
// standard input closes.
int holdGuard(const QString &lockPath)
{
    SingleInstanceGuard guard(lockPath);
    const bool won = guard.acquire();
    std::cout << (won ? "won" : "refused") << std::endl;
    std::string line;
    while (std::getline(std::cin, line)) { }
    return won ? 0 : 3;
}

struct Child
{
    std::unique_ptr<QProcess> process = std::make_unique<QProcess>();

    void start(const QString &lockPath)
    {
        process->start(QCoreApplication::applicationFilePath(),
                       { QString::fromLatin1(kHoldArgument), lockPath });
    }
    QString answer()
    {
        if (!process->waitForReadyRead(10000))
            return QStringLiteral("<no answer>");
        return QString::fromLatin1(process->readLine()).trimmed();
    }
    void kill()
    {
        ::kill(pid_t(process->processId()), SIGKILL);
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
    void init();

    void secondCopyIsRefusedWhileTheFirstRuns();
    void copyKilledWithSigkillDoesNotBlockTheNextStart();
    void exactlyOneOfSimultaneousStartsRuns();
    void cleanExitReleasesTheGuard();
    void ownerlessLockFileIsTakenOver_data();
    void ownerlessLockFileIsTakenOver();
    void defaultLockIsPerUser();

private:
    QTemporaryDir m_dir;
    QString m_lockPath;
};

void SingleInstanceTest::init()
{
    QVERIFY(m_dir.isValid());
    m_lockPath = m_dir.filePath(QStringLiteral("ToevaneFree.lock"));
    QFile::remove(m_lockPath);
}

void SingleInstanceTest::secondCopyIsRefusedWhileTheFirstRuns()
{
    Child first;
    first.start(m_lockPath);
    QCOMPARE(first.answer(), QStringLiteral("won"));

    SingleInstanceGuard second(m_lockPath);
    QVERIFY(!second.acquire());
    // The first copy runs on untouched.
    QCOMPARE(first.process->state(), QProcess::Running);
    first.stop();
    QCOMPARE(first.process->exitCode(), 0);
}

void SingleInstanceTest::copyKilledWithSigkillDoesNotBlockTheNextStart()
{
    Child first;
    first.start(m_lockPath);
    QCOMPARE(first.answer(), QStringLiteral("won"));
    first.kill();
    QVERIFY(QFile::exists(m_lockPath)); // left behind by the crash

    SingleInstanceGuard next(m_lockPath);
    QVERIFY(next.acquire());
}

void SingleInstanceTest::exactlyOneOfSimultaneousStartsRuns()
{
    std::vector<Child> children(8);
    for (Child &child : children)
        child.start(m_lockPath);
    int won = 0;
    int refused = 0;
    for (Child &child : children) {
        const QString answer = child.answer();
        won += answer == QStringLiteral("won");
        refused += answer == QStringLiteral("refused");
    }
    for (Child &child : children)
        child.stop();
    QCOMPARE(won, 1);
    QCOMPARE(refused, 7);
}

void SingleInstanceTest::cleanExitReleasesTheGuard()
{
    Child first;
    first.start(m_lockPath);
    QCOMPARE(first.answer(), QStringLiteral("won"));
    first.stop();
    QVERIFY(!QFile::exists(m_lockPath));
    SingleInstanceGuard next(m_lockPath);
    QVERIFY(next.acquire());
}

void SingleInstanceTest::ownerlessLockFileIsTakenOver_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("garbage") << QByteArray("\x01\x02not a lock\n");
    QTest::newRow("dead pid") << QByteArray("999999\nToevaneFree\n") +
            QSysInfo::machineHostName().toLatin1() + '\n';
}

void SingleInstanceTest::ownerlessLockFileIsTakenOver()
{
    QFETCH(QByteArray, content);
    QFile file(m_lockPath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    // Old enough not to be a copy that is just writing its lock.
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                             QFileDevice::FileModificationTime));
    file.close();

    SingleInstanceGuard guard(m_lockPath);
    QVERIFY(guard.acquire());
}

void SingleInstanceTest::defaultLockIsPerUser()
{
    const QString path = SingleInstanceGuard::defaultLockPath();
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    QVERIFY(!runtime.isEmpty());
    QCOMPARE(path, QString::fromLocal8Bit(runtime) + QStringLiteral("/ToevaneFree.lock"));
}

int main(int argc, char *argv[])
{
    if (argc == 3 && std::string(argv[1]) == kHoldArgument)
        return holdGuard(QString::fromLocal8Bit(argv[2]));
    QCoreApplication app(argc, argv);
    SingleInstanceTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_singleinstance.moc"
