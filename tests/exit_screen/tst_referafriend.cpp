// The refer-a-friend form of the exit screen: placeholders, the refusal of
// typed spaces in addresses, the checks of a submission in their order, and
// the request that a submission opens.

#include "exitscreentesting.h"

#include "exit_screen/modtellafriend.h"
#include "exit_screen/multilinetextbox.h"
#include "links/modhelp.h"
#include "sites.h"
#include "support/modalboxanswerer.h"
#include "support/recorders.h"
#include "support/windows.h"

#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QUrlQuery>

using namespace toevane;

using Values = QList<std::pair<QString, QString>>;

namespace {

// The boxes in the order of the referral fields and of the request's keys.
const QStringList kBoxes { "txtName", "txtEmail", "txtMessage", "txtFriendName", "txtFriendEmail" };
const QString kUntouched; // null: the message box stays as the form starts

QString productPage()
{
    return sites::forumAddress() + QStringLiteral("/toevane-free/");
}

// Decodes a query the way a web site's form handling does: pairs split at
// "&", key and value at the first "=", "+" read as a blank, then %XX.
Values decodeLikeTheSite(const QString &query)
{
    Values values;
    for (const QString &pair : query.split(u'&')) {
        const qsizetype eq = pair.indexOf(u'=');
        QString value = eq < 0 ? QString() : pair.mid(eq + 1);
        value.replace(u'+', u' ');
        values.append({ QUrl::fromPercentEncoding(pair.left(eq).toUtf8()),
                        QUrl::fromPercentEncoding(value.toUtf8()) });
    }
    return values;
}

Values expectedValues(const QStringList &five)
{
    Values values;
    for (int i = 0; i < five.size(); ++i)
        values.append({ QStringLiteral("taf%1").arg(i + 1), five[i] });
    values.append({ QStringLiteral("taf6"), productPage() });
    return values;
}

} // namespace

class TestReferAFriend : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void theFormStartsWithItsPlaceholdersAndTheMessageLineBreak();
    void placeholdersFollowTheFocus_data();
    void placeholdersFollowTheFocus();
    void aTypedSpaceIsRefusedInAnAddressBoxAndTheFocusStays_data();
    void aTypedSpaceIsRefusedInAnAddressBoxAndTheFocusStays();
    void pastedTextKeepsItsSpacesAndReachesTheRequest();

    void aRefusedSubmissionShowsItsMessageAndChangesNothing_data();
    void aRefusedSubmissionShowsItsMessageAndChangesNothing();
    void theFieldsHoldTheTrimmedEntriesEvenWhenRefused();
    void tellAFriendReportsTheFirstMissingField_data();
    void tellAFriendReportsTheFirstMissingField();

    void aSubmissionOpensARequestCarryingExactlyTheIntendedValues_data();
    void aSubmissionOpensARequestCarryingExactlyTheIntendedValues();
    void theRequestNamesTheKeysInOrderOnTheReferralPage();

private:
    QWidget *control(const QString &name) const { return m_screen->findChild<QWidget *>(name); }
    QString textOf(const QString &name) const;
    void setTextOf(const QString &name, const QString &text) const;
    QStringList allTexts() const;
    // Puts the five entries in as pasted text arrives, without key presses.
    void fill(const QStringList &entries) const;
    void submit() const;

    frmNagScreen2 *m_screen = nullptr;
};

QString TestReferAFriend::textOf(const QString &name) const
{
    if (auto *message = qobject_cast<MultiLineTextBox *>(control(name)))
        return message->text();
    return qobject_cast<QLineEdit *>(control(name))->text();
}

void TestReferAFriend::setTextOf(const QString &name, const QString &text) const
{
    if (auto *message = qobject_cast<MultiLineTextBox *>(control(name)))
        message->setText(text);
    else
        qobject_cast<QLineEdit *>(control(name))->setText(text);
}

QStringList TestReferAFriend::allTexts() const
{
    QStringList texts;
    for (const QString &name : kBoxes)
        texts.append(textOf(name));
    return texts;
}

void TestReferAFriend::fill(const QStringList &entries) const
{
    for (int i = 0; i < kBoxes.size(); ++i) {
        if (!entries[i].isNull())
            setTextOf(kBoxes[i], entries[i]);
    }
}

void TestReferAFriend::submit() const
{
    QTest::mouseClick(m_screen->findChild<QPushButton *>(QStringLiteral("cmdSubmit")),
                      Qt::LeftButton);
}

void TestReferAFriend::init()
{
    m_screen = exittest::openExitScreenByClosingAMainWindow();
    QVERIFY(m_screen);
}

void TestReferAFriend::cleanup()
{
    endProgramAndClearWindows();
    QVERIFY(!shell::exitScreen());
}

void TestReferAFriend::theFormStartsWithItsPlaceholdersAndTheMessageLineBreak()
{
    QCOMPARE(allTexts(),
             (QStringList { "Your Name", "Your Email Address", "Your Message\r\n", "Friend's Name",
                            "Friend's Email Address" }));
}

void TestReferAFriend::placeholdersFollowTheFocus_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("onFocus");
    QTest::addColumn<QString>("onLeaving");

    // clang-format off
    QTest::newRow("name at its placeholder") << "txtName" << "Your Name" << "" << "Your Name";
    QTest::newRow("placeholder with blanks around") << "txtName" << "  Your Name " << "" << "Your Name";
    QTest::newRow("only blanks") << "txtName" << "   " << "   " << "Your Name";
    QTest::newRow("a name keeps its blanks") << "txtName" << " Ann " << " Ann " << " Ann ";
    QTest::newRow("placeholder in other letter case") << "txtName" << "your name" << "your name" << "your name";
    QTest::newRow("own address") << "txtEmail" << "Your Email Address" << "" << "Your Email Address";
    QTest::newRow("friend's name") << "txtFriendName" << "Friend's Name" << "" << "Friend's Name";
    QTest::newRow("friend's address") << "txtFriendEmail" << "Friend's Email Address" << "" << "Friend's Email Address";
    QTest::newRow("message as the form starts") << "txtMessage" << "Your Message\r\n" << "Your Message\r\n" << "Your Message\r\n";
    QTest::newRow("message at its bare placeholder") << "txtMessage" << "Your Message" << "" << "Your Message";
    QTest::newRow("emptied message") << "txtMessage" << "" << "" << "Your Message";
    QTest::newRow("message of a blank line") << "txtMessage" << " \r\n" << " \r\n" << " \r\n";
    // clang-format on
}

void TestReferAFriend::placeholdersFollowTheFocus()
{
    QFETCH(QString, box);
    QFETCH(QString, start);
    QFETCH(QString, onFocus);
    QFETCH(QString, onLeaving);

    setTextOf(box, start);
    control(box)->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(control(box)->hasFocus());
    QCOMPARE(textOf(box), onFocus);

    control(QStringLiteral("cmdClose"))->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(!control(box)->hasFocus());
    QCOMPARE(textOf(box), onLeaving);
}

void TestReferAFriend::aTypedSpaceIsRefusedInAnAddressBoxAndTheFocusStays_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("refusals");

    // clang-format off
    QTest::newRow("own address") << "txtEmail" << "ann @x.org" << "ann@x.org" << 1;
    QTest::newRow("friend's address") << "txtFriendEmail" << " bo b@x.org " << "bob@x.org" << 3;
    QTest::newRow("only a space into the emptied box") << "txtEmail" << " " << "" << 1;
    QTest::newRow("a name takes spaces") << "txtName" << "Ann Lee" << "Ann Lee" << 0;
    // clang-format on
}

void TestReferAFriend::aTypedSpaceIsRefusedInAnAddressBoxAndTheFocusStays()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, result);
    QFETCH(int, refusals);

    QWidget *target = control(box);
    target->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(target->hasFocus());
    QCOMPARE(textOf(box), QString()); // the placeholder went

    // One answerer per keystroke: each space may bring one box.
    QList<ModalBoxAnswerer::Seen> boxes;
    for (const QChar typedChar : typed) {
        ModalBoxAnswerer answerer(typedChar == u' ' ? QList { QMessageBox::Ok }
                                                    : QList<QMessageBox::StandardButton>());
        QTest::keyClick(target, typedChar.toLatin1());
        boxes += answerer.seen();
    }
    QCOMPARE(boxes.size(), refusals);
    for (const ModalBoxAnswerer::Seen &seen : std::as_const(boxes)) {
        QCOMPARE(seen.text, QStringLiteral("Email Address Cannot Contain Space"));
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QCOMPARE(seen.title, QStringLiteral("Toevane"));
        QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
    QCOMPARE(textOf(box), result);
    QCOMPARE(m_screen->focusWidget(), target);
    QTRY_VERIFY(target->hasFocus());
}

void TestReferAFriend::pastedTextKeepsItsSpacesAndReachesTheRequest()
{
    UrlRecorder browser;
    ModalBoxAnswerer noBoxes;
    QWidget *email = control(QStringLiteral("txtEmail"));
    email->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(email->hasFocus());
    QApplication::clipboard()->setText(QStringLiteral(" ann lee@x.org "));
    QTest::keyClick(email, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(textOf(QStringLiteral("txtEmail")), QStringLiteral(" ann lee@x.org "));

    fill({ "Ann", QString(), kUntouched, "Bob", "bob@x.org" });
    submit();

    QVERIFY(noBoxes.seen().isEmpty());
    QCOMPARE(browser.urls().size(), 1);
    QCOMPARE(QUrlQuery(browser.urls().first()).queryItemValue("taf2", QUrl::FullyDecoded),
             QStringLiteral("ann lee@x.org"));
}

void TestReferAFriend::aRefusedSubmissionShowsItsMessageAndChangesNothing_data()
{
    QTest::addColumn<QStringList>("entries"); // name, address, message, friend's name, address
    QTest::addColumn<QString>("refusal");

    const QString distinct = QStringLiteral("Please Enter Distinct Email Addresses");
    const QString proper = QStringLiteral("Please Enter Proper Email Address");
    const QString name = QStringLiteral("Please Enter Your Name");
    // clang-format off
    QTest::newRow("untouched form") << QStringList { "Your Name", "Your Email Address", kUntouched, "Friend's Name", "Friend's Email Address" } << proper;
    QTest::newRow("same address twice") << QStringList { "Ann", "ann@x.org", kUntouched, "Bob", "ann@x.org" } << distinct;
    QTest::newRow("same address, one with blanks around") << QStringList { "Ann", "  ann@x.org ", kUntouched, "Bob", "ann@x.org" } << distinct;
    QTest::newRow("sameness is checked before the at sign") << QStringList { "Ann", "nonsense", kUntouched, "Bob", "nonsense" } << distinct;
    QTest::newRow("own address without at sign") << QStringList { "Ann", "ann.x.org", kUntouched, "Bob", "bob@x.org" } << proper;
    QTest::newRow("friend's address without at sign") << QStringList { "Ann", "ann@x.org", kUntouched, "Bob", "bob.x.org" } << proper;
    QTest::newRow("own address without dot") << QStringList { "Ann", "ann@xorg", kUntouched, "Bob", "bob@x.org" } << proper;
    QTest::newRow("friend's address without dot") << QStringList { "Ann", "ann@x.org", kUntouched, "Bob", "bob@xorg" } << proper;
    QTest::newRow("name at its placeholder") << QStringList { "Your Name", "ann@x.org", kUntouched, "Bob", "bob@x.org" } << name;
    QTest::newRow("name of blanks") << QStringList { "   ", "ann@x.org", kUntouched, "Bob", "bob@x.org" } << name;
    QTest::newRow("dots only before the at sign pass the address checks") << QStringList { "Your Name", "a.nn@x", kUntouched, "Bob", "b.ob@x" } << name;
    QTest::newRow("addresses in other letter case are distinct") << QStringList { " Your Name ", "Ann@x.org", kUntouched, "Bob", "ann@x.org" } << name;
    QTest::newRow("message emptied and left") << QStringList { "Ann", "ann@x.org", "Your Message", "Bob", "bob@x.org" } << "Please Enter Your Message";
    QTest::newRow("message of blanks") << QStringList { "Ann", "ann@x.org", "  ", "Bob", "bob@x.org" } << "Please Enter Your Message";
    QTest::newRow("friend's name at its placeholder") << QStringList { "Ann", "ann@x.org", kUntouched, "Friend's Name", "bob@x.org" } << "Please Enter Your Friend's Name";
    QTest::newRow("friend's name empty") << QStringList { "Ann", "ann@x.org", kUntouched, "", "bob@x.org" } << "Please Enter Your Friend's Name";
    // clang-format on
}

void TestReferAFriend::aRefusedSubmissionShowsItsMessageAndChangesNothing()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, refusal);

    fill(entries);
    const QStringList before = allTexts();
    UrlRecorder browser;
    ModalBoxAnswerer answerer({ QMessageBox::Ok });
    submit();

    QCOMPARE(answerer.seen().size(), 1);
    const ModalBoxAnswerer::Seen &seen = answerer.seen().first();
    QCOMPARE(seen.text, refusal);
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QCOMPARE(seen.title, QStringLiteral("Toevane"));
    QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(browser.urls().isEmpty());
    QCOMPARE(allTexts(), before);
    QCOMPARE(m_screen->focusWidget(), control(QStringLiteral("cmdSubmit")));
    QVERIFY(m_screen->isVisible());
}

void TestReferAFriend::theFieldsHoldTheTrimmedEntriesEvenWhenRefused()
{
    fill({ "  Ann\t ", " ann@x.org  ", kUntouched, " Bob", "ann@x.org" });
    ModalBoxAnswerer answerer({ QMessageBox::Ok });
    submit();
    QCOMPARE(answerer.seen().size(), 1);

    using namespace modTellAFriend;
    QCOMPARE((QStringList { strYourName, strYourEmail, strMessage, strFriendName, strFriendEmail }),
             (QStringList { "Ann\t", "ann@x.org", "Your Message\r\n", "Bob", "ann@x.org" }));
}

void TestReferAFriend::tellAFriendReportsTheFirstMissingField_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("refusal"); // empty: the request is opened

    const QStringList good { "Ann", "ann@x.org", "Hi", "Bob", "bob@x.org" };
    const auto with = [&good](int index, const QString &value) {
        QStringList fields = good;
        fields[index] = value;
        return fields;
    };
    // clang-format off
    QTest::newRow("all at their placeholders") << QStringList { "Your Name", "Your Email Address", "Your Message", "Friend's Name", "Friend's Email Address" } << "Please Enter Your Name";
    QTest::newRow("name empty") << with(0, "") << "Please Enter Your Name";
    QTest::newRow("own address empty") << with(1, "") << "Please Enter Your Email";
    QTest::newRow("own address at its placeholder with blanks") << with(1, " Your Email Address ") << "Please Enter Your Email";
    QTest::newRow("message at its placeholder") << with(2, "Your Message") << "Please Enter Your Message";
    QTest::newRow("friend's name at its placeholder") << with(3, "Friend's Name") << "Please Enter Your Friend's Name";
    QTest::newRow("friend's address empty") << with(4, "") << "Please Enter Your Friend's Email";
    QTest::newRow("friend's address at its placeholder") << with(4, "Friend's Email Address") << "Please Enter Your Friend's Email";
    QTest::newRow("nothing missing") << good << "";
    // clang-format on
}

void TestReferAFriend::tellAFriendReportsTheFirstMissingField()
{
    QFETCH(QStringList, fields);
    QFETCH(QString, refusal);

    using namespace modTellAFriend;
    strYourName = fields[0];
    strYourEmail = fields[1];
    strMessage = fields[2];
    strFriendName = fields[3];
    strFriendEmail = fields[4];
    strTellAFriendURL = QStringLiteral("unchanged");
    UrlRecorder browser;
    ModalBoxAnswerer answerer(refusal.isEmpty() ? QList<QMessageBox::StandardButton>()
                                                : QList { QMessageBox::Ok });
    TellAFriend();

    if (refusal.isEmpty()) {
        QVERIFY(answerer.seen().isEmpty());
        QCOMPARE(browser.addresses(), QStringList { strTellAFriendURL });
    } else {
        QCOMPARE(answerer.seen().size(), 1);
        QCOMPARE(answerer.seen().first().text, refusal);
        QCOMPARE(answerer.seen().first().icon, QMessageBox::Critical);
        QVERIFY(browser.urls().isEmpty());
        QCOMPARE(strTellAFriendURL, QStringLiteral("unchanged"));
    }
}

void TestReferAFriend::aSubmissionOpensARequestCarryingExactlyTheIntendedValues_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("sent"); // taf1 to taf5 as the site must read them

    // clang-format off
    QTest::newRow("plain entries, message untouched")
        << QStringList { "Ann", "ann@x.org", kUntouched, "Bob", "bob@x.org" }
        << QStringList { "Ann", "ann@x.org", "Your Message\r\n", "Bob", "bob@x.org" };
    QTest::newRow("ampersand and equals sign cannot forge a parameter")
        << QStringList { "Ann&taf6=http://evil.example/&taf7=1", "ann@x.org", "a=b&c", "Bob", "bob@x.org" }
        << QStringList { "Ann&taf6=http://evil.example/&taf7=1", "ann@x.org", "a=b&c", "Bob", "bob@x.org" };
    QTest::newRow("hash sign cannot cut the request")
        << QStringList { "Ann #1", "ann@x.org", "see #2", "Bo#b", "bob@x.org" }
        << QStringList { "Ann #1", "ann@x.org", "see #2", "Bo#b", "bob@x.org" };
    QTest::newRow("plus and question mark stay themselves")
        << QStringList { "C++ fan?", "ann+tag@x.org", "1+1=2?", "Bob?", "bob@x.org" }
        << QStringList { "C++ fan?", "ann+tag@x.org", "1+1=2?", "Bob?", "bob@x.org" };
    QTest::newRow("percent signs are not read as escapes")
        << QStringList { "100% Ann", "ann@x.org", "%41%zz%", "Bob%20", "bob@x.org" }
        << QStringList { "100% Ann", "ann@x.org", "%41%zz%", "Bob%20", "bob@x.org" };
    QTest::newRow("line breaks in the message")
        << QStringList { "Ann", "ann@x.org", "Hello Bob,\r\nlook at this.\r\n", "Bob", "bob@x.org" }
        << QStringList { "Ann", "ann@x.org", "Hello Bob,\r\nlook at this.\r\n", "Bob", "bob@x.org" };
    QTest::newRow("blanks trimmed at the ends only, tabs kept")
        << QStringList { "  Ann   Lee  ", " ann@x.org ", "\tHi ", " Bob\t", "bob@x.org  " }
        << QStringList { "Ann   Lee", "ann@x.org", "\tHi", "Bob\t", "bob@x.org" };
    QTest::newRow("letters beyond ASCII")
        << QStringList { "Zoë Ærøskøbing", "zoë@exämple.org", "Grüße, 名前", "Jürgen", "jürgen@x.org" }
        << QStringList { "Zoë Ærøskøbing", "zoë@exämple.org", "Grüße, 名前", "Jürgen", "jürgen@x.org" };
    QTest::newRow("addresses with their dot before the at sign")
        << QStringList { "Ann", "a.nn@x", kUntouched, "Bob", "b.ob@x" }
        << QStringList { "Ann", "a.nn@x", "Your Message\r\n", "Bob", "b.ob@x" };
    // clang-format on
}

void TestReferAFriend::aSubmissionOpensARequestCarryingExactlyTheIntendedValues()
{
    QFETCH(QStringList, entries);
    QFETCH(QStringList, sent);

    fill(entries);
    const QStringList before = allTexts();
    UrlRecorder browser;
    ModalBoxAnswerer noBoxes;
    submit();

    QVERIFY(noBoxes.seen().isEmpty());
    QCOMPARE(browser.urls().size(), 1);
    const QUrl request = browser.urls().first();
    // The browser gets exactly the composed address, nothing re-encoded.
    QCOMPARE(request.toString(QUrl::FullyEncoded), modTellAFriend::strTellAFriendURL);
    QCOMPARE(request.scheme(), QStringLiteral("http"));
    QCOMPARE(request.host(), QString::fromLatin1(sites::kForumHost));
    QCOMPARE(request.path(), QStringLiteral("/swsf-refer-a-friend.php"));
    QVERIFY(!request.hasFragment());

    const Values expected = expectedValues(sent);
    QCOMPARE(QUrlQuery(request).queryItems(QUrl::FullyDecoded), expected);
    QCOMPARE(decodeLikeTheSite(request.query(QUrl::FullyEncoded)), expected);

    // The form stays as it was; pressing again opens the same request again.
    QCOMPARE(allTexts(), before);
    QVERIFY(m_screen->isVisible());
    submit();
    QCOMPARE(browser.addresses(), QStringList(2, modTellAFriend::strTellAFriendURL));
}

void TestReferAFriend::theRequestNamesTheKeysInOrderOnTheReferralPage()
{
    const QString address = modTellAFriend::composeReferralAddress(
        { "Ann", "ann_1@x.org", "Hi", "Bob", "bob-2.~@x.org" });
    QCOMPARE(address,
             sites::forumAddress() +
                 QStringLiteral("/swsf-refer-a-friend.php?taf1=Ann&taf2=ann_1%40x.org&taf3=Hi"
                                "&taf4=Bob&taf5=bob-2.~%40x.org&taf6=") +
                 productPage());
}

QTEST_MAIN(TestReferAFriend)
#include "tst_referafriend.moc"
