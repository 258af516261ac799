#include "app/platform.h"
#include "app/settingsstore.h"
#include "app/startup.h"
#include "app/updatereminder.h"
#include "links/modhelp.h"
#include "questionnaire/frmmain.h"
#include "support/files.h"
#include "support/modalboxanswerer.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <utility>

#include <unistd.h>

using namespace toevane;
using reminder::Decision;

Q_DECLARE_METATYPE(Decision)

namespace {

const QDate kToday(2024, 3, 10);
const QString kQuestion = QStringLiteral(
    "There maybe an update to this software available\rDo you want to check for an update?");
constexpr char kChildToday[] = "TOEVANE_REMINDER_CHILD_TODAY";

QString storedDate()
{
    return settings::read("Settings", "Duration");
}

bool storeDate(const QString &text)
{
    return settings::write("Settings", "Duration", text);
}

QByteArray fileBytes()
{
    return ::fileBytes(settings::fileName());
}

} // namespace

// Records each page the program opens together with the date that stood in
// the store at that moment.
class PageRecorder : public QObject
{
    Q_OBJECT

public:
    struct Opened
    {
        QString address;
        QString storedThen;
    };

    PageRecorder() { QDesktopServices::setUrlHandler("http", this, "open"); }
    ~PageRecorder() override { QDesktopServices::unsetUrlHandler("http"); }

    QList<Opened> opened;

public Q_SLOTS:
    void open(const QUrl &url) { opened.append({ url.toString(), storedDate() }); }
};

// Answers every message box with Yes, first running `meanwhile` (once) while
// the first box is still open. Records the texts of the boxes.
class YesAnswerer : public QObject
{
public:
    explicit YesAnswerer(std::function<void()> meanwhile = {})
        : m_meanwhile(std::move(meanwhile))
    {
        connect(&m_timer, &QTimer::timeout, this, &YesAnswerer::poll);
        m_timer.start(10);
    }

    QStringList texts;

private:
    void poll()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || box == m_current || !box->isVisible())
            return;
        m_current = box;
        texts.append(box->text());
        if (m_meanwhile)
            std::exchange(m_meanwhile, nullptr)();
        if (QAbstractButton *yes = box->button(QMessageBox::Yes))
            QMetaObject::invokeMethod(yes, &QAbstractButton::click, Qt::QueuedConnection);
        else
            QMetaObject::invokeMethod(box, &QDialog::reject, Qt::QueuedConnection);
    }

    std::function<void()> m_meanwhile;
    QTimer m_timer;
    QPointer<QMessageBox> m_current;
};

class tst_UpdateReminder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void reminderAsksOnlyWhenTheStoredDateIsMoreThanFourteenDaysAway_data();
    void reminderAsksOnlyWhenTheStoredDateIsMoreThanFourteenDaysAway();
    void firstRunRemembersTodayAndAsksNothing();
    void answerDecidesWhetherTheDownloadPageOpens_data();
    void answerDecidesWhetherTheDownloadPageOpens();
    void secondStartOnTheSameDayAsksNothing();
    void updateMenuItemLeavesTheStoredDateAlone();
    void decisionFollowsTheStoredTextAndTheDay_data();
    void decisionFollowsTheStoredTextAndTheDay();
    void unreadableStoredValueIsReplacedWithTodayWithoutAQuestion_data();
    void unreadableStoredValueIsReplacedWithTodayWithoutAQuestion();
    void sameDecisionWhicheverLocaleWroteAndReadTheDate_data();
    void sameDecisionWhicheverLocaleWroteAndReadTheDate();
    void sameDecisionInChildProcessesUnderEveryLocale();
    void runsTheReminderOnceWhenStartedAsAChild();
    void unwritableStoreShowsNoErrorAndOpensNoPage_data();
    void unwritableStoreShowsNoErrorAndOpensNoPage();
    void startUpOpensTheQuestionnaireEvenWhenTheDateCannotBeWritten();

private:
    bool m_immutable = false;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_UpdateReminder::init()
{
    QLocale::setDefault(QLocale::system());
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    // A child process finds its store through XDG_CONFIG_HOME instead.
    if (!qEnvironmentVariableIsSet(kChildToday))
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir->path());
    clock::setToday([] { return kToday; });
}

void tst_UpdateReminder::cleanup()
{
    clock::resetToday();
    QLocale::setDefault(QLocale::system());
    if (std::exchange(m_immutable, false))
        QProcess::execute("chattr", { "-i", settings::fileName() });
    QFile::setPermissions(settings::fileName(), QFile::ReadOwner | QFile::WriteOwner);
    m_dir.reset();
}

void tst_UpdateReminder::reminderAsksOnlyWhenTheStoredDateIsMoreThanFourteenDaysAway_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("asks");
    const auto away = [](int days) { return reminder::dateText(kToday.addDays(days)); };
    QTest::newRow("15 days ago") << away(-15) << true;
    QTest::newRow("14 days ago") << away(-14) << false;
    QTest::newRow("today") << away(0) << false;
    QTest::newRow("14 days ahead") << away(14) << false;
    QTest::newRow("15 days ahead") << away(15) << true;
    QTest::newRow("far past") << "0001-01-01" << true;
    QTest::newRow("far future") << "9999-12-31" << true;
}

void tst_UpdateReminder::reminderAsksOnlyWhenTheStoredDateIsMoreThanFourteenDaysAway()
{
    QFETCH(QString, stored);
    QFETCH(bool, asks);
    QVERIFY(storeDate(stored));
    const QByteArray before = fileBytes();
    PageRecorder pages;
    ModalBoxAnswerer answerer(asks ? QList { QMessageBox::No }
                                   : QList<QMessageBox::StandardButton> {});

    modHelp::UpdateReminder();

    QVERIFY(pages.opened.isEmpty());
    QCOMPARE(answerer.unexpected(), 0);
    if (!asks) {
        QVERIFY(answerer.seen().isEmpty());
        QCOMPARE(fileBytes(), before);
        return;
    }
    QCOMPARE(answerer.seen().size(), 1);
    const ModalBoxAnswerer::Seen &box = answerer.seen().first();
    QCOMPARE(box.text, kQuestion);
    QCOMPARE(box.title, QString("Toevane"));
    QCOMPARE(box.icon, QMessageBox::Information);
    QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(storedDate(), QString("2024-03-10"));
}

void tst_UpdateReminder::firstRunRemembersTodayAndAsksNothing()
{
    PageRecorder pages;
    ModalBoxAnswerer answerer;
    modHelp::UpdateReminder();
    QVERIFY(answerer.seen().isEmpty());
    QVERIFY(pages.opened.isEmpty());
    QCOMPARE(storedDate(), QString("2024-03-10"));

    // Neither the plain key nor the plain date stands in the file, and the
    // stored key is the same at every first run.
    const QByteArray bytes = fileBytes();
    QVERIFY(!bytes.toLower().contains("duration"));
    QVERIFY(!bytes.contains("2024-03-10"));
    QVERIFY(bytes.contains("\n" + settings::storedKey(u"Duration").toLatin1() + "="));
    QVERIFY(QFile::remove(settings::fileName()));
    modHelp::UpdateReminder();
    QCOMPARE(fileBytes(), bytes);
}

void tst_UpdateReminder::answerDecidesWhetherTheDownloadPageOpens_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("opens");
    QTest::newRow("Yes") << QMessageBox::Yes << true;
    QTest::newRow("No") << QMessageBox::No << false;
}

void tst_UpdateReminder::answerDecidesWhetherTheDownloadPageOpens()
{
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, opens);
    QVERIFY(storeDate("2024-01-01"));
    PageRecorder pages;
    ModalBoxAnswerer answerer({ answer });

    modHelp::UpdateReminder();

    QCOMPARE(answerer.seen().size(), 1);
    QCOMPARE(storedDate(), QString("2024-03-10"));
    QCOMPARE(pages.opened.size(), opens ? 1 : 0);
    if (opens) {
        QCOMPARE(pages.opened[0].address, sites::downloadPageAddress());
        QCOMPARE(pages.opened[0].storedThen, QString("2024-03-10"));
    }
}

void tst_UpdateReminder::secondStartOnTheSameDayAsksNothing()
{
    QVERIFY(storeDate("2023-12-01"));
    {
        ModalBoxAnswerer answerer({ QMessageBox::No });
        modHelp::UpdateReminder();
        QCOMPARE(answerer.seen().size(), 1);
    }
    const QByteArray afterFirst = fileBytes();
    ModalBoxAnswerer answerer;
    modHelp::UpdateReminder();
    QVERIFY(answerer.seen().isEmpty());
    QCOMPARE(fileBytes(), afterFirst);
}

void tst_UpdateReminder::updateMenuItemLeavesTheStoredDateAlone()
{
    QVERIFY(storeDate("2023-12-01"));
    const QByteArray before = fileBytes();
    PageRecorder pages;
    frmMain window;
    auto *update = window.findChild<QAction *>("mnuUpdate");
    QVERIFY(update);

    update->trigger();

    QCOMPARE(pages.opened.size(), 1);
    QCOMPARE(pages.opened[0].address, sites::downloadPageAddress());
    QCOMPARE(fileBytes(), before);
}

void tst_UpdateReminder::decisionFollowsTheStoredTextAndTheDay_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<Decision>("expected");
    const auto row = [](const char *name, const QString &stored, QDate today, Decision expected) {
        QTest::newRow(name) << stored << today << expected;
    };
    row("nothing stored", "", kToday, Decision::RecordToday);
    row("14 days across the new year", "2023-12-31", QDate(2024, 1, 14), Decision::Wait);
    row("15 days across the new year", "2023-12-31", QDate(2024, 1, 15), Decision::Ask);
    row("15 days across a leap day", "2024-02-29", QDate(2024, 3, 15), Decision::Ask);
    row("US short date", "3/10/24", kToday, Decision::RecordToday);
    row("German short date", "10.03.24", kToday, Decision::RecordToday);
    row("missing leading zeros", "2024-3-10", kToday, Decision::RecordToday);
    row("day that does not exist", "2024-02-30", kToday, Decision::RecordToday);
    row("leap day of a common year", "2023-02-29", kToday, Decision::RecordToday);
    row("year zero", "0000-01-01", kToday, Decision::RecordToday);
    row("signed year", "+024-03-10", kToday, Decision::RecordToday);
    row("blank before", " 2024-03-10", kToday, Decision::RecordToday);
    row("blank after", "2024-03-10 ", kToday, Decision::RecordToday);
    row("time after the date", "2024-03-10T00:00", kToday, Decision::RecordToday);
    row("other separators", "2024/03/10", kToday, Decision::RecordToday);
    row("full-width digits", QString::fromUtf16(u"\uFF12\uFF10\uFF12\uFF14-03-10"), kToday,
        Decision::RecordToday);
    row("lone surrogate", QString(QChar(0xD800)) + "024-03-10", kToday, Decision::RecordToday);
    row("no valid today", "2024-03-10", QDate(), Decision::Wait);
    row("today beyond four-digit years", "9999-12-31", QDate(10000, 1, 1), Decision::Wait);
}

void tst_UpdateReminder::decisionFollowsTheStoredTextAndTheDay()
{
    QFETCH(QString, stored);
    QFETCH(QDate, today);
    QFETCH(Decision, expected);
    QCOMPARE(reminder::decide(stored, today), expected);
}

void tst_UpdateReminder::unreadableStoredValueIsReplacedWithTodayWithoutAQuestion_data()
{
    QTest::addColumn<QByteArray>("valueLine"); // after "[Settings]" and the stored key
    QTest::addColumn<QString>("scrambled"); // written through the store when no line is given
    QTest::newRow("date in another locale's short format") << QByteArray() << "3/10/24";
    QTest::newRow("date that reads a century off") << QByteArray() << "10.03.24";
    QTest::newRow("plain date that was never scrambled") << QByteArray("=2024-01-01") << "";
    QTest::newRow("list value") << QByteArray("=a, b") << "";
    QTest::newRow("raw bytes") << QByteArray("=\xff\xfe\x01\\x0\"") << "";
}

void tst_UpdateReminder::unreadableStoredValueIsReplacedWithTodayWithoutAQuestion()
{
    QFETCH(QByteArray, valueLine);
    QFETCH(QString, scrambled);
    if (valueLine.isEmpty())
        QVERIFY(storeDate(scrambled));
    else
        QVERIFY(writeFileBytes(settings::fileName(),
                               "[Settings]\n" + settings::storedKey(u"Duration").toLatin1() +
                                   valueLine + "\n"));
    PageRecorder pages;
    ModalBoxAnswerer answerer;

    modHelp::UpdateReminder();

    QVERIFY(answerer.seen().isEmpty());
    QVERIFY(pages.opened.isEmpty());
    QCOMPARE(storedDate(), QString("2024-03-10"));
}

void tst_UpdateReminder::sameDecisionWhicheverLocaleWroteAndReadTheDate_data()
{
    QTest::addColumn<QString>("writer");
    QTest::addColumn<QString>("reader");
    const QStringList locales { "en_US", "de_DE", "C" };
    for (const QString &writer : locales) {
        for (const QString &reader : locales)
            QTest::addRow("%s then %s", qPrintable(writer), qPrintable(reader)) << writer << reader;
    }
}

void tst_UpdateReminder::sameDecisionWhicheverLocaleWroteAndReadTheDate()
{
    QFETCH(QString, writer);
    QFETCH(QString, reader);
    QLocale::setDefault(QLocale(writer));
    modHelp::UpdateReminder(); // the first run, on kToday

    QLocale::setDefault(QLocale(reader));
    clock::setToday([] { return kToday.addDays(14); });
    {
        ModalBoxAnswerer answerer;
        modHelp::UpdateReminder();
        QVERIFY(answerer.seen().isEmpty());
    }
    clock::setToday([] { return kToday.addDays(15); });
    ModalBoxAnswerer answerer({ QMessageBox::No });
    modHelp::UpdateReminder();
    QCOMPARE(answerer.seen().size(), 1);
    QCOMPARE(storedDate(), QString("2024-03-25"));
}

void tst_UpdateReminder::sameDecisionInChildProcessesUnderEveryLocale()
{
    struct Start
    {
        const char *locale;
        const char *expectedName;
        QDate today;
        int boxes;
        const char *stored;
    };
    const Start starts[] = {
        { "de_DE.UTF-8", "de_DE", QDate(2024, 3, 10), 0, "2024-03-10" },
        { "en_US.UTF-8", "en_US", QDate(2024, 3, 24), 0, "2024-03-10" },
        { "C", "C", QDate(2024, 3, 25), 1, "2024-03-25" },
        { "en_US.UTF-8", "en_US", QDate(2024, 4, 9), 1, "2024-04-09" },
        { "de_DE.UTF-8", "de_DE", QDate(2024, 4, 24), 1, "2024-04-24" },
    };
    for (const Start &start : starts) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LC_ALL", start.locale);
        env.insert("LANG", start.locale);
        env.insert("XDG_CONFIG_HOME", m_dir->path());
        env.insert(kChildToday, reminder::dateText(start.today));
        QProcess child;
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(),
                    { "runsTheReminderOnceWhenStartedAsAChild" });
        QVERIFY(child.waitForFinished(60000));
        const QString output = QString::fromUtf8(child.readAllStandardOutput());
        QVERIFY2(child.exitCode() == 0, qPrintable(output));
        const QString expected = QString("child: locale=%1 boxes=%2 stored=%3")
                                     .arg(start.expectedName)
                                     .arg(start.boxes)
                                     .arg(start.stored);
        QVERIFY2(output.contains(expected), qPrintable(start.locale + (": " + output)));
    }
}

// Does its work only inside the child processes of the test above.
void tst_UpdateReminder::runsTheReminderOnceWhenStartedAsAChild()
{
    if (!qEnvironmentVariableIsSet(kChildToday))
        QSKIP("runs only as a child process of the locale test");
    const QDate today = QDate::fromString(qEnvironmentVariable(kChildToday), Qt::ISODate);
    QVERIFY(today.isValid());
    clock::setToday([today] { return today; });
    ModalBoxAnswerer answerer({ QMessageBox::No });
    modHelp::UpdateReminder();
    std::printf("child: locale=%s boxes=%d stored=%s\n", qPrintable(QLocale().name()),
                int(answerer.seen().size()), qPrintable(storedDate()));
    std::fflush(stdout);
}

void tst_UpdateReminder::unwritableStoreShowsNoErrorAndOpensNoPage_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<bool>("asks"); // an old date is stored unless a folder is in the way
    QTest::addColumn<bool>("rootIgnoresIt");
    QTest::newRow("folder where the file belongs") << "folder" << false << false;
    QTest::newRow("plain file where the folder belongs") << "file" << false << false;
    QTest::newRow("file replaced by a folder while the question is open")
        << "folderDuringQuestion" << true << false;
    QTest::newRow("immutable file") << "immutable" << true << false;
    QTest::newRow("mode 000 file") << "mode000" << false << true;
    QTest::newRow("read-only file") << "readonly" << true << true;
}

void tst_UpdateReminder::unwritableStoreShowsNoErrorAndOpensNoPage()
{
    QFETCH(QString, obstacle);
    QFETCH(bool, asks);
    QFETCH(bool, rootIgnoresIt);
    if (rootIgnoresIt && geteuid() == 0)
        QSKIP("file permissions do not stop root");

    const QString path = settings::fileName();
    if (obstacle == "folder") {
        QVERIFY(QDir().mkpath(path));
    } else if (obstacle == "file") {
        QVERIFY(writeFileBytes(QFileInfo(path).absolutePath(), "not a folder"));
    } else {
        // Written behind the store's back, as a previous run would have.
        QVERIFY(writeFileBytes(path,
                               "[Settings]\n" + settings::storedKey(u"Duration").toLatin1() + "=" +
                                   settings::scramble(u"2024-01-01").toLatin1() + "\n"));
        if (obstacle == "immutable" && QProcess::execute("chattr", { "+i", path }) != 0)
            QSKIP("chattr +i is not available here");
        m_immutable = obstacle == "immutable";
        if (obstacle == "mode000" || obstacle == "readonly")
            QVERIFY(QFile::setPermissions(
                path, obstacle == "readonly" ? QFile::ReadOwner : QFile::Permissions()));
    }
    PageRecorder pages;
    YesAnswerer answerer([&] {
        if (obstacle == "folderDuringQuestion")
            QVERIFY(QFile::remove(path) && QDir().mkpath(path));
    });

    modHelp::UpdateReminder();

    QCOMPARE(answerer.texts, asks ? QStringList { kQuestion } : QStringList {});
    QVERIFY(pages.opened.isEmpty());
    if (obstacle == "immutable" || obstacle == "readonly")
        QCOMPARE(storedDate(), QString("2024-01-01"));
}

void tst_UpdateReminder::startUpOpensTheQuestionnaireEvenWhenTheDateCannotBeWritten()
{
    QVERIFY(storeDate("2024-01-01"));
    const QString path = settings::fileName();
    bool questionnaireBeforeAnswer = true;
    YesAnswerer answerer([&] {
        QVERIFY(QFile::remove(path) && QDir().mkpath(path));
        const QWidgetList windows = QApplication::topLevelWidgets();
        questionnaireBeforeAnswer = std::any_of(windows.cbegin(), windows.cend(), [](QWidget *w) {
            return qobject_cast<frmMain *>(w) != nullptr;
        });
    });
    PageRecorder pages;

    std::unique_ptr<frmMain> questionnaire(startUp());

    QVERIFY(questionnaire);
    QVERIFY(questionnaire->isVisible());
    QCOMPARE(answerer.texts, QStringList { kQuestion });
    QVERIFY(!questionnaireBeforeAnswer);
    QVERIFY(pages.opened.isEmpty());
}

QTEST_MAIN(tst_UpdateReminder)
#include "tst_updatereminder.moc"
