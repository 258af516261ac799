// When the update reminder asks, without its message box: the decision on
// the stored text and today, and the stored form of a date, under every
// locale.

#include "app/reminder.h"
#include "support/isolation.h"

#include <QProcess>
#include <QTest>

using namespace toevane::reminder;

Q_DECLARE_METATYPE(Decision)

namespace {

const QDate kToday(2024, 3, 10);
// Set for a copy of this program started under a chosen system locale.
constexpr char kChildLocale[] = "TOEVANE_TEST_LOCALE";

} // namespace

class tst_Reminder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { isolateTestSettings(); }

    void decisionFollowsTheStoredTextAndTheDay_data();
    void decisionFollowsTheStoredTextAndTheDay();
    void storedFormIsIsoAndReadsBackAsTheSameDay_data();
    void storedFormIsIsoAndReadsBackAsTheSameDay();
    void sameResultsUnderEverySystemLocale_data();
    void sameResultsUnderEverySystemLocale();
};

void tst_Reminder::decisionFollowsTheStoredTextAndTheDay_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<Decision>("expected");
    const auto row = [](const char *name, const QString &stored, Decision expected,
                        QDate today = kToday) {
        QTest::newRow(name) << stored << today << expected;
    };
    using enum Decision;
    const auto away = [](int days) { return dateText(kToday.addDays(days)); };
    row("15 days ago", away(-15), Ask);
    row("14 days ago", away(-14), Wait);
    row("today", away(0), Wait);
    row("14 days ahead", away(14), Wait);
    row("15 days ahead", away(15), Ask);
    row("far past", "0001-01-01", Ask);
    row("far future", "9999-12-31", Ask);
    row("14 days across the new year", "2023-12-31", Wait, QDate(2024, 1, 14));
    row("15 days across the new year", "2023-12-31", Ask, QDate(2024, 1, 15));
    row("15 days across a leap day", "2024-02-29", Ask, QDate(2024, 3, 15));
    row("nothing stored", "", RecordToday);
    row("US short date", "3/10/24", RecordToday);
    row("German short date", "10.03.24", RecordToday);
    row("missing leading zeros", "2024-3-10", RecordToday);
    row("day that does not exist", "2024-02-30", RecordToday);
    row("leap day of a common year", "2023-02-29", RecordToday);
    row("year zero", "0000-01-01", RecordToday);
    row("signed year", "+024-03-10", RecordToday);
    row("blank before", " 2024-03-10", RecordToday);
    row("blank after", "2024-03-10 ", RecordToday);
    row("time after the date", "2024-03-10T00:00", RecordToday);
    row("other separators", "2024/03/10", RecordToday);
    row("colon next to the digits", "2024-03-1:", RecordToday);
    row("full-width digits", QString::fromUtf16(u"\uFF12\uFF10\uFF12\uFF14-03-10"), RecordToday);
    row("Arabic-Indic digits", QString::fromUtf16(u"\u0662\u0660\u0662\u0664-03-10"), RecordToday);
    row("lone surrogate", QString(QChar(0xD800)) + "024-03-10", RecordToday);
    row("no valid today", "2024-03-10", Wait, QDate());
    row("today beyond four-digit years", "9999-12-31", Wait, QDate(10000, 1, 1));
}

void tst_Reminder::decisionFollowsTheStoredTextAndTheDay()
{
    QFETCH(QString, stored);
    QFETCH(QDate, today);
    QFETCH(Decision, expected);
    QCOMPARE(decide(stored, today), expected);
}

void tst_Reminder::storedFormIsIsoAndReadsBackAsTheSameDay_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("text"); // empty: the date cannot be stored
    QTest::newRow("ordinary day") << kToday << "2024-03-10";
    QTest::newRow("leap day") << QDate(2024, 2, 29) << "2024-02-29";
    QTest::newRow("first storable day") << QDate(1, 1, 1) << "0001-01-01";
    QTest::newRow("last storable day") << QDate(9999, 12, 31) << "9999-12-31";
    QTest::newRow("year before 1") << QDate(-1, 12, 31) << "";
    QTest::newRow("five-digit year") << QDate(10000, 1, 1) << "";
    QTest::newRow("no date") << QDate() << "";
}

void tst_Reminder::storedFormIsIsoAndReadsBackAsTheSameDay()
{
    QFETCH(QDate, date);
    QFETCH(QString, text);
    QCOMPARE(dateText(date), text);
    if (!text.isEmpty())
        QCOMPARE(parseDateText(text), std::optional(date));
}

void tst_Reminder::sameResultsUnderEverySystemLocale_data()
{
    QTest::addColumn<QString>("locale");
    // Other date orders and separators, and digits other than ASCII.
    for (const char *locale : { "de_DE", "en_US", "ar_EG", "fa_IR", "C" })
        QTest::newRow(locale) << QString::fromLatin1(locale);
}

// Runs this whole program again, once under each system locale.
void tst_Reminder::sameResultsUnderEverySystemLocale()
{
    QFETCH(QString, locale);
    if (qEnvironmentVariableIsSet(kChildLocale)) {
        // In such a copy: only make sure the locale has taken effect.
        QCOMPARE(QLocale().name(), qEnvironmentVariable(kChildLocale));
        return;
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QString full = locale == u"C" ? locale : locale + ".UTF-8";
    env.insert("LC_ALL", full);
    env.insert("LANG", full);
    env.insert(kChildLocale, locale);
    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), { "-silent" });
    QVERIFY(child.waitForFinished(60000));
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
             child.readAll().constData());
}

QTEST_GUILESS_MAIN(tst_Reminder)
#include "tst_reminder.moc"
