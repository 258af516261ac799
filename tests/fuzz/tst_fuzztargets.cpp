// The two places where text from outside enters the program, fed with the
// committed seed inputs (fuzz/corpus/<target>/) and with a bounded number of
// random mutations of them drawn from a fixed seed, so that every run checks
// the same inputs. The properties are in fuzz/properties.h; fuzz/run runs the
// same checks under libFuzzer, coverage-guided and for longer.
//
// TOEVANE_FUZZ_RUNS overrides the number of mutated inputs per target.
// TOEVANE_FUZZ_SEED overrides the seed of the mutations.

#include "properties.h"
#include "support/isolation.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTest>

#include <functional>

using namespace toevane;

namespace {

using Check = std::function<QString(QByteArrayView)>;

QList<QByteArray> corpus(const QString &target)
{
    QList<QByteArray> inputs;
    const QDir folder(QStringLiteral(TOEVANE_FUZZ_CORPUS) + u'/' + target);
    const QStringList names = folder.entryList(QDir::Files, QDir::Name);
    for (const QString &name : names) {
        QFile file(folder.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            inputs.append(file.readAll());
    }
    return inputs;
}

// One random change of the kinds a coverage-guided fuzzer makes: bytes
// flipped, set, inserted, removed or repeated, a token of the format put in,
// or a piece of another input spliced in.
void mutate(QByteArray &input, const QList<QByteArray> &tokens, const QList<QByteArray> &pool,
            QRandomGenerator &random)
{
    const auto at = [&](qsizetype extra) {
        return qsizetype(random.bounded(quint32(input.size() + extra)));
    };
    switch (random.bounded(7)) {
    case 0:
        if (!input.isEmpty())
            input[at(0)] ^= char(1u << random.bounded(8));
        break;
    case 1:
        if (!input.isEmpty())
            input[at(0)] = char(random.bounded(256));
        break;
    case 2: {
        QByteArray bytes;
        for (quint32 n = 1 + random.bounded(8); n > 0; --n)
            bytes.append(char(random.bounded(256)));
        input.insert(at(1), bytes);
        break;
    }
    case 3:
        if (!input.isEmpty()) {
            const qsizetype from = at(0);
            input.remove(from, 1 + qsizetype(random.bounded(quint32(input.size() - from))));
        }
        break;
    case 4:
        if (!input.isEmpty()) {
            const qsizetype from = at(0);
            const qsizetype length =
                1 + qsizetype(random.bounded(quint32(qMin<qsizetype>(input.size() - from, 64))));
            input.insert(at(1), input.mid(from, length));
        }
        break;
    case 5:
        input.insert(at(1), tokens[random.bounded(quint32(tokens.size()))]);
        break;
    default: {
        const QByteArray &other = pool[random.bounded(quint32(pool.size()))];
        if (!other.isEmpty()) {
            const qsizetype from = random.bounded(quint32(other.size()));
            input.insert(at(1), other.mid(from, random.bounded(quint32(other.size() - from + 1))));
        }
        break;
    }
    }
    constexpr qsizetype kMaxInput = 4096;
    if (input.size() > kMaxInput)
        input.truncate(kMaxInput);
}

// The number in the environment variable, or the fallback when it holds none.
int fromEnvironment(const char *name, int fallback)
{
    bool ok = false;
    const int wanted = qEnvironmentVariableIntValue(name, &ok);
    return ok && wanted >= 0 ? wanted : fallback;
}

QList<QByteArray> referralTokens()
{
    // clang-format off
    return { QByteArray(1, '\0'), "&", "=", "#", "?", "+", "%", "%2", "%00", "%E9", " ", "  ",
             "\r\n", "\r", "\n", "\t", "@", ".", "taf1=", "&taf6=", "http://", "/", ":", ";",
             "\"", "'", "<", ">", "\\", "\x7f", "\xff", "\xc3", "\xc3\xa9", "\xe4\xb8\xad",
             "\xef\xbb\xbf", "\xed\xa0\x80", "\xe2\x80\xae", "\xf0\x9f\x98\x80" };
    // clang-format on
}

QList<QByteArray> storeTokens()
{
    // clang-format off
    return { QByteArray(1, '\0'), settings::storedKey(u"Duration").toLatin1() + '=',
             settings::scramble(u"2024-03-01").toUtf8(), settings::scramble(u"-").toUtf8(),
             "\n", "\r\n", "=", "\"", "\\", "\\x", "\\u", "\\0", ")", ";", "#", "%", "[", "]",
             "/", ",", " ", "\t", "\xff\xfe", "\xc3\xa9", "0", "9", "-", "[Settings]\n",
             "[General]\n", "@Variant(", "@ByteArray(", "@Invalid()", "\xef\xbb\xbf" };
    // clang-format on
}

} // namespace

class FuzzTargetsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { isolateTestSettings(); }

    void everyInputKeepsTheTargetsPromise_data();
    void everyInputKeepsTheTargetsPromise();
};

void FuzzTargetsTest::everyInputKeepsTheTargetsPromise_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("mutations");
    QTest::newRow("referral address from the five boxes") << QStringLiteral("referral") << 4000;
    QTest::newRow("reminder date from the settings file") << QStringLiteral("reminder") << 1500;
}

void FuzzTargetsTest::everyInputKeepsTheTargetsPromise()
{
    QFETCH(QString, target);
    QFETCH(int, mutations);

    const QDate today(2024, 3, 1);
    const QString storeHome = isolatedHome() + "/stores";
    const bool referral = target == QLatin1String("referral");
#ifdef Q_OS_WIN
    if (!referral)
        QSKIP("the store is the registry on Windows, not a file of any bytes");
#endif
    const Check check = referral
        ? Check([](QByteArrayView input) { return fuzz::checkReferral(input); })
        : Check([&](QByteArrayView input) {
              return fuzz::checkStoredReminder(input, storeHome, today);
          });
    const QList<QByteArray> tokens = referral ? referralTokens() : storeTokens();

    const QList<QByteArray> seeds = corpus(target);
    QVERIFY2(seeds.size() >= 5, qPrintable(QStringLiteral("no seed inputs for %1").arg(target)));

    const auto verify = [&](const QByteArray &input, const QString &origin) {
        const QString failure = check(input);
        if (failure.isEmpty())
            return true;
        QTest::qFail(qPrintable(QStringLiteral("%1 (%2: input \"%3\")")
                                    .arg(failure, origin, fuzz::describeBytes(input))),
                     __FILE__, __LINE__);
        return false;
    };

    for (qsizetype i = 0; i < seeds.size(); ++i) {
        if (!verify(seeds[i], QStringLiteral("seed %1").arg(i)))
            return;
    }
    QRandomGenerator random(quint32(fromEnvironment("TOEVANE_FUZZ_SEED", 20240611)));
    const int count = fromEnvironment("TOEVANE_FUZZ_RUNS", mutations);
    for (int n = 0; n < count; ++n) {
        QByteArray input = seeds[random.bounded(quint32(seeds.size()))];
        for (quint32 changes = 1 + random.bounded(6); changes > 0; --changes)
            mutate(input, tokens, seeds, random);
        if (!verify(input, QStringLiteral("mutation %1").arg(n)))
            return;
    }
}

QTEST_GUILESS_MAIN(FuzzTargetsTest)
#include "tst_fuzztargets.moc"
