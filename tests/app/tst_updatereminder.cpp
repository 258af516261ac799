// The update reminder with its message box: when it asks, what the answer
// opens, and what happens when the date cannot be remembered. The decision
// itself and the stored form of the date are checked in tst_reminder.

#include "app/settingsstore.h"
#include "app/shell.h"
#include "app/updatereminder.h"
#include "links/addresses.h"
#include "questionnaire/frmmain.h"
#include "support/files.h"
#include "support/isolation.h"
#include "support/recorders.h"
#include "support/windows.h"

#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QTest>

#include <functional>
#include <optional>
#include <utility>

using namespace toevane;

namespace {

const QDate kToday(2024, 3, 10);
const QString kQuestion = QStringLiteral(
    "There maybe an update to this software available\rDo you want to check for an update?");

// What the store holds: on Unix the file's bytes; on Windows, where the
// store is the registry and nothing else can stand in its place, its values.
#ifdef Q_OS_WIN
QByteArray storeBytes()
{
    const QSettings store(settings::fileName(), QSettings::NativeFormat);
    QByteArray values;
    for (const QString &key : store.allKeys())
        values += key.toUtf8() + '=' + store.value(key).toString().toUtf8() + '\n';
    return values;
}
#else
QByteArray storeBytes()
{
    return fileBytes(settings::fileName());
}
#endif

// Puts a folder where the settings file is while the question is open,
// after the stored date has been read and before today is written.
void blockStoreWhileAsking(BoxAnswerer &answerer, std::function<void()> meanwhile = {})
{
    answerer.whileShown = [meanwhile = std::move(meanwhile)] {
        QVERIFY(QFile::remove(settings::fileName()) && QDir().mkpath(settings::fileName()));
        if (meanwhile)
            meanwhile();
    };
}

} // namespace

class tst_UpdateReminder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { isolateTestSettings(); }
    void init() { QVERIFY(m_store.emplace().isValid()); }
    void cleanup() { m_store.reset(); }

    void asksOnlyWhenTheStoredDateIsMoreThanFourteenDaysAwayAndRemembersToday_data();
    void asksOnlyWhenTheStoredDateIsMoreThanFourteenDaysAwayAndRemembersToday();
    void unwritableStoreShowsNoErrorAndOpensNoPage_data();
    void unwritableStoreShowsNoErrorAndOpensNoPage();
    void startUpOpensTheQuestionnaireEvenWhenTheDateCannotBeWritten();

private:
    std::optional<FreshStore> m_store;
};

void tst_UpdateReminder::asksOnlyWhenTheStoredDateIsMoreThanFourteenDaysAwayAndRemembersToday_data()
{
    QTest::addColumn<QString>("stored"); // through the store; null: nothing
    QTest::addColumn<bool>("asks");
    QTest::addColumn<bool>("remembersToday"); // else the file stays as it was
    QTest::addColumn<bool>("yes"); // the answer, else No, which opens nothing
    // clang-format off
    QTest::newRow("first run") << QString() << false << true << false;
    QTest::newRow("14 days ago") << "2024-02-25" << false << false << false;
    QTest::newRow("15 days ago") << "2024-02-24" << true << true << false;
    QTest::newRow("Yes opens the download page") << "2024-01-01" << true << true << true;
    // clang-format on
}

void tst_UpdateReminder::asksOnlyWhenTheStoredDateIsMoreThanFourteenDaysAwayAndRemembersToday()
{
    QFETCH(QString, stored);
    QFETCH(bool, asks);
    QFETCH(bool, remembersToday);
    QFETCH(bool, yes);
    if (!stored.isNull())
        QVERIFY(settings::write("Settings", "Duration", stored));
    const QByteArray before = storeBytes();
    UrlRecorder pages;
    BoxAnswerer answerer(asks ? QList { yes ? QMessageBox::Yes : QMessageBox::No }
                              : QList<QMessageBox::StandardButton> {});

    modHelp::UpdateReminder(kToday);

    QCOMPARE(pages.addresses(), yes ? QStringList { sites::downloadPageAddress() } : QStringList());
    QCOMPARE(answerer.shown,
             (asks ? QList<BoxAnswerer::Box> { { kQuestion, QMessageBox::Information,
                                                 QMessageBox::Yes | QMessageBox::No } }
                   : QList<BoxAnswerer::Box> {}));
    if (remembersToday)
        QCOMPARE(settings::read("Settings", "Duration"), QString("2024-03-10"));
    else
        QCOMPARE(storeBytes(), before);
}

void tst_UpdateReminder::unwritableStoreShowsNoErrorAndOpensNoPage_data()
{
    // Which files cannot be written is the store's own test; here, what the
    // reminder makes of it.
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<bool>("asks"); // an old date is stored unless a folder is in the way
    QTest::newRow("folder where the file belongs") << "folder" << false;
    // Answered Yes, and the page still stays closed: today is written, and
    // the write checked, before the page would open.
    QTest::newRow("file replaced by a folder while the question is open")
        << "folderDuringQuestion" << true;
    QTest::newRow("immutable file") << "immutable" << true;
}

void tst_UpdateReminder::unwritableStoreShowsNoErrorAndOpensNoPage()
{
    FILE_STORE_ONLY();
    QFETCH(QString, obstacle);
    QFETCH(bool, asks);

    const QString path = settings::fileName();
    BoxAnswerer answerer(asks ? QList { QMessageBox::Yes } : QList<QMessageBox::StandardButton> {});
    if (obstacle == "folder") {
        QVERIFY(QDir().mkpath(path));
    } else {
        // Behind the store's back, as an earlier run would have written it.
        QVERIFY(writeFileBytes(path,
                               "[Settings]\n" + settings::storedKey(u"Duration").toLatin1() + '=' +
                                   settings::scramble(u"2024-01-01").toLatin1() + '\n'));
        if (obstacle == "folderDuringQuestion")
            blockStoreWhileAsking(answerer);
        if (obstacle == "immutable" && QProcess::execute("chattr", { "+i", path }) != 0)
            QSKIP("chattr +i is not available here");
        m_store->immutable = obstacle == "immutable" ? path : QString();
    }
    UrlRecorder pages;

    modHelp::UpdateReminder(kToday);

    QCOMPARE(answerer.shown.size(), asks ? 1 : 0);
    QVERIFY(pages.urls().isEmpty());
    if (obstacle == "immutable")
        QCOMPARE(settings::read("Settings", "Duration"), QString("2024-01-01"));
}

void tst_UpdateReminder::startUpOpensTheQuestionnaireEvenWhenTheDateCannotBeWritten()
{
    FILE_STORE_ONLY();
    QVERIFY(settings::write("Settings", "Duration", "2024-01-01"));
    bool questionnaireBeforeAnswer = true;
    BoxAnswerer answerer({ QMessageBox::Yes });
    blockStoreWhileAsking(
        answerer, [&] { questionnaireBeforeAnswer = !visibleWindows<frmMain>().isEmpty(); });
    UrlRecorder pages;
    ProcessEndRecorder ends;
    ShellServices services = testServices(ends);
    services.today = [] { return kToday; };
    Shell shell(services);

    QVERIFY(shell.start());

    auto *questionnaire = qobject_cast<frmMain *>(shell.mainWindow());
    QVERIFY(questionnaire && questionnaire->isVisible());
    QCOMPARE(answerer.shown.size(), 1);
    QCOMPARE(answerer.shown.first().text, kQuestion);
    QVERIFY(!questionnaireBeforeAnswer);
    QVERIFY(pages.urls().isEmpty());
    endProgramAndClearWindows(shell);
}

QTEST_MAIN(tst_UpdateReminder)
#include "tst_updatereminder.moc"
