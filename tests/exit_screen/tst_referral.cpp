// The refer-a-friend request without its window: the trimming of entries,
// which entries count as missing, the order of the refusals, and the address
// that carries a referral to the forum site.

#include "exit_screen/referral.h"
#include "links/addresses.h"
#include "links/sites.h"
#include "properties.h"
#include "support/isolation.h"

#include <QTest>
#include <QUrlQuery>

using namespace toevane::modTellAFriend;

namespace {

Referral referralOf(const QStringList &five)
{
    return { five.value(0), five.value(1), five.value(2), five.value(3), five.value(4) };
}

} // namespace

class TestReferral : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { isolateTestSettings(); }

    void blanksAreTrimmedAtTheEndsAndABlankOrPlaceholderEntryIsMissing_data();
    void blanksAreTrimmedAtTheEndsAndABlankOrPlaceholderEntryIsMissing();
    void theAddressChecksRefuseTheSameAddressFirstThenOneWithoutAtSignOrDot_data();
    void theAddressChecksRefuseTheSameAddressFirstThenOneWithoutAtSignOrDot();
    void theFirstMissingEntryInTheOrderOfTheFormIsNamed_data();
    void theFirstMissingEntryInTheOrderOfTheFormIsNamed();
    void everyAddressIsItsHostAndItsFixedPath_data();
    void everyAddressIsItsHostAndItsFixedPath();
    void theRequestCarriesExactlyTheEntriesAsTheSiteReadsThem_data();
    void theRequestCarriesExactlyTheEntriesAsTheSiteReadsThem();
};

void TestReferral::blanksAreTrimmedAtTheEndsAndABlankOrPlaceholderEntryIsMissing_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("trimmed");
    QTest::addColumn<bool>("missing"); // as the entry of the name box

    // clang-format off
    QTest::newRow("empty") << "" << "" << true;
    QTest::newRow("only blanks") << "   " << "" << true;
    QTest::newRow("the placeholder") << "Your Name" << "Your Name" << true;
    QTest::newRow("the placeholder with blanks around") << "  Your Name " << "Your Name" << true;
    QTest::newRow("the placeholder in other letter case") << "your name" << "your name" << false;
    QTest::newRow("inner blanks stay") << "  Ann   Lee  " << "Ann   Lee" << false;
    QTest::newRow("tabs are not blanks") << "\tAnn \t" << "\tAnn \t" << false;
    QTest::newRow("line breaks stay") << " \r\nAnn\r\n " << "\r\nAnn\r\n" << false;
    QTest::newRow("no-break spaces stay") << "\u00a0Ann\u00a0" << "\u00a0Ann\u00a0" << false;
    // clang-format on
}

void TestReferral::blanksAreTrimmedAtTheEndsAndABlankOrPlaceholderEntryIsMissing()
{
    QFETCH(QString, entry);
    QFETCH(QString, trimmed);
    QFETCH(bool, missing);

    QCOMPARE(trimBlanks(entry), trimmed);
    QCOMPARE(isMissing(entry, kYourNamePlaceholder), missing);
}

void TestReferral::theAddressChecksRefuseTheSameAddressFirstThenOneWithoutAtSignOrDot_data()
{
    QTest::addColumn<QString>("yours");
    QTest::addColumn<QString>("friends");
    QTest::addColumn<QString>("refusal"); // empty: the addresses pass

    const QString distinct = QStringLiteral("Please Enter Distinct Email Addresses");
    const QString proper = QStringLiteral("Please Enter Proper Email Address");
    // clang-format off
    QTest::newRow("same address") << "ann@x.org" << "ann@x.org" << distinct;
    QTest::newRow("both empty are the same") << "" << "" << distinct;
    QTest::newRow("sameness is checked before the at sign") << "nonsense" << "nonsense" << distinct;
    QTest::newRow("own address without at sign") << "ann.x.org" << "bob@x.org" << proper;
    QTest::newRow("friend's address without at sign") << "ann@x.org" << "bob.x.org" << proper;
    QTest::newRow("own address without dot") << "ann@xorg" << "bob@x.org" << proper;
    QTest::newRow("friend's address without dot") << "ann@x.org" << "bob@xorg" << proper;
    QTest::newRow("a dot before the at sign is enough") << "a.nn@x" << "b.ob@x" << "";
    QTest::newRow("other letter case is another address") << "Ann@x.org" << "ann@x.org" << "";
    QTest::newRow("two proper addresses") << "ann@x.org" << "bob@x.org" << "";
    // clang-format on
}

void TestReferral::theAddressChecksRefuseTheSameAddressFirstThenOneWithoutAtSignOrDot()
{
    QFETCH(QString, yours);
    QFETCH(QString, friends);
    QFETCH(QString, refusal);

    // The other entries play no part, not even when missing.
    QCOMPARE(addressRefusal({ "Ann", yours, "Hi", "Bob", friends }), refusal);
    QCOMPARE(addressRefusal({ "", yours, "", "", friends }), refusal);
}

void TestReferral::theFirstMissingEntryInTheOrderOfTheFormIsNamed_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("refusal"); // empty: nothing is missing

    const QStringList good { "Ann", "ann@x.org", "Hi", "Bob", "bob@x.org" };
    const auto with = [&good](int index, const QString &value) {
        QStringList entries = good;
        entries[index] = value;
        return entries;
    };
    // clang-format off
    QTest::newRow("all at their placeholders") << QStringList { "Your Name", "Your Email Address", "Your Message", "Friend's Name", "Friend's Email Address" } << "Please Enter Your Name";
    QTest::newRow("name of blanks") << with(0, "   ") << "Please Enter Your Name";
    QTest::newRow("own address empty") << with(1, "") << "Please Enter Your Email";
    QTest::newRow("own address at its placeholder with blanks") << with(1, " Your Email Address ") << "Please Enter Your Email";
    QTest::newRow("message at its placeholder") << with(2, "Your Message") << "Please Enter Your Message";
    QTest::newRow("message of blanks") << with(2, "  ") << "Please Enter Your Message";
    QTest::newRow("friend's name at its placeholder") << with(3, "Friend's Name") << "Please Enter Your Friend's Name";
    QTest::newRow("friend's address empty") << with(4, "") << "Please Enter Your Friend's Email";
    QTest::newRow("friend's address at its placeholder") << with(4, "Friend's Email Address") << "Please Enter Your Friend's Email";
    QTest::newRow("nothing missing") << good << "";
    QTest::newRow("the message as the form starts is an entry") << with(2, "Your Message\r\n") << "";
    // clang-format on
}

void TestReferral::theFirstMissingEntryInTheOrderOfTheFormIsNamed()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, refusal);

    QCOMPARE(missingEntryRefusal(referralOf(entries)), refusal);
}

void TestReferral::everyAddressIsItsHostAndItsFixedPath_data()
{
    using namespace toevane::sites;
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("expected");
    const QString forum = QStringLiteral("http://") + QString::fromLatin1(kForumHost);
    const QString help = QStringLiteral("http://") + QString::fromLatin1(kHelpHost);
    // clang-format off
    QTest::newRow("forum host") << forumHost() << QString::fromLatin1(kForumHost);
    QTest::newRow("home page") << homePageAddress() << forum;
    QTest::newRow("help page") << helpPageAddress() << forum + "/toevane-free/toevane-free-help.html";
    QTest::newRow("download page") << downloadPageAddress() << forum + "/toevane-free/download-toevane-free.html";
    QTest::newRow("softwares page") << softwaresPageAddress() << forum + "/starwellsoftwares";
    QTest::newRow("donate page") << donatePageAddress() << help + "/donate.html";
    QTest::newRow("full brand page") << fullBrandPageAddress() << help + "/fully-branded.html";
    QTest::newRow("co-brand page") << coBrandPageAddress() << help + "/co-brand.html";
    QTest::newRow("referral page") << referralPageAddress() << forum + "/swsf-refer-a-friend.php";
    QTest::newRow("product page") << productPageAddress() << forum + "/toevane-free/";
    // clang-format on
}

void TestReferral::everyAddressIsItsHostAndItsFixedPath()
{
    QFETCH(QString, address);
    QFETCH(QString, expected);
    QCOMPARE(address, expected);
}

void TestReferral::theRequestCarriesExactlyTheEntriesAsTheSiteReadsThem_data()
{
    QTest::addColumn<QStringList>("entries");

    // clang-format off
    QTest::newRow("plain entries") << QStringList { "Ann", "ann@x.org", "Hi", "Bob", "bob@x.org" };
    QTest::newRow("empty entries keep their keys") << QStringList { "", "", "", "", "" };
    QTest::newRow("ampersand and equals sign cannot forge a parameter") << QStringList { "Ann&taf6=http://evil.example/&taf7=1", "ann@x.org", "a=b&c", "Bob", "bob@x.org" };
    QTest::newRow("hash sign cannot cut the request") << QStringList { "Ann #1", "ann@x.org", "see #2", "Bo#b", "bob@x.org" };
    QTest::newRow("plus and question mark stay themselves") << QStringList { "C++ fan?", "ann+tag@x.org", "1+1=2?", "Bob?", "bob@x.org" };
    QTest::newRow("percent signs are not read as escapes") << QStringList { "100% Ann", "ann@x.org", "%41%zz%", "Bob%20", "bob@x.org" };
    QTest::newRow("blanks, tabs and line breaks stay") << QStringList { " Ann ", "ann@x.org", "Hello Bob,\r\n\tlook.\r\n", "Bob\t", "bob@x.org" };
    QTest::newRow("unreserved characters") << QStringList { "Ann", "ann_1@x.org", "Hi", "Bob", "bob-2.~@x.org" };
    QTest::newRow("letters beyond ASCII") << QStringList { "Zoë Ærøskøbing", "zoë@exämple.org", "Grüße, 名前", "Jürgen", "jürgen@x.org" };
    // clang-format on
}

void TestReferral::theRequestCarriesExactlyTheEntriesAsTheSiteReadsThem()
{
    QFETCH(QStringList, entries);

    // What must hold for any entries (fuzz/properties.h): a printable http
    // address of the referral page whose query a web site decodes to
    // exactly taf1 to taf5, the entries, and taf6, the program's page.
    QCOMPARE(toevane::fuzz::checkReferral(entries.join(QChar(0)).toUtf8()), QString());
    // The browser is handed the address as it is, nothing re-encoded, and
    // Qt's decoding, which takes '+' as itself, reads the same entries.
    const QString address = composeReferralAddress(referralOf(entries));
    const QUrl request(address, QUrl::TolerantMode);
    QCOMPARE(request.toString(QUrl::FullyEncoded), address);
    QList<std::pair<QString, QString>> expected;
    for (int i = 0; i < entries.size(); ++i)
        expected.append({ QStringLiteral("taf%1").arg(i + 1), entries[i] });
    expected.append({ QStringLiteral("taf6"), productPageAddress() });
    QCOMPARE(QUrlQuery(request).queryItems(QUrl::FullyDecoded), expected);
}

QTEST_GUILESS_MAIN(TestReferral)
#include "tst_referral.moc"
