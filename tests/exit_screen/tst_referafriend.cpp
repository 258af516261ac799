// The refer-a-friend form of the exit screen: placeholders, the refusal of
// typed spaces in addresses, and what pressing its button shows or opens.

#include "common/platform.h"
#include "exit_screen/frmnagscreen2.h"
#include "exit_screen/multilinetextbox.h"
#include "support/isolation.h"
#include "support/recorders.h"
#include "support/windows.h"

#include <QClipboard>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace toevane;

namespace {

// The boxes in the order of the referral's entries.
const QStringList kBoxes { "txtName", "txtEmail", "txtMessage", "txtFriendName", "txtFriendEmail" };
const QString kUntouched; // null: the message box stays as the form starts

QStringList entriesOf(const modTellAFriend::Referral &referral)
{
    return { referral.yourName, referral.yourEmail, referral.message, referral.friendName,
             referral.friendEmail };
}

} // namespace

class TestReferAFriend : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { isolateTestSettings(); }
    void init() { QVERIFY((m_screen = shownActive(new frmNagScreen2(m_random)))); }
    void cleanup()
    {
        clearWindows();
        QVERIFY(!m_screen);
    }

    void theFormStartsWithItsPlaceholdersAndTheMessageLineBreak();
    void placeholdersFollowTheFocus_data();
    void placeholdersFollowTheFocus();
    void aTypedSpaceIsRefusedInAnAddressBoxAndTheFocusStays_data();
    void aTypedSpaceIsRefusedInAnAddressBoxAndTheFocusStays();
    void pastedTextKeepsItsSpacesAndReachesTheRequest();

    void eachSubmissionOpensTheAddressOfItsTrimmedEntriesOnceOrSaysWhyNot_data();
    void eachSubmissionOpensTheAddressOfItsTrimmedEntriesOnceOrSaysWhyNot();

private:
    QWidget *control(const QString &name) const { return m_screen->findChild<QWidget *>(name); }
    QString textOf(const QString &name) const;
    void setTextOf(const QString &name, const QString &text) const;
    QStringList allTexts() const;
    // Puts the five entries in as pasted text arrives, without key presses.
    void fill(const QStringList &entries) const;
    void submit() const;

    Random m_random { [] { return quint64(1); } };
    QPointer<frmNagScreen2> m_screen;
};

QString TestReferAFriend::textOf(const QString &name) const
{
    auto *message = qobject_cast<MultiLineTextBox *>(control(name));
    return message ? message->text() : qobject_cast<QLineEdit *>(control(name))->text();
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

    BoxAnswerer boxes;
    for (const QChar typedChar : typed)
        QTest::keyClick(target, typedChar.toLatin1());
    QCOMPARE(boxes.shown,
             (QList<BoxAnswerer::Box>(
                 refusals, { "Email Address Cannot Contain Space", QMessageBox::Critical })));
    QCOMPARE(textOf(box), result);
    QCOMPARE(m_screen->focusWidget(), target);
    QTRY_VERIFY(target->hasFocus());
}

void TestReferAFriend::pastedTextKeepsItsSpacesAndReachesTheRequest()
{
    UrlRecorder browser;
    BoxAnswerer noBoxes;
    QWidget *email = control(QStringLiteral("txtEmail"));
    email->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(email->hasFocus());
    QApplication::clipboard()->setText(QStringLiteral(" ann lee@x.org "));
    QTest::keyClick(email, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(textOf(QStringLiteral("txtEmail")), QStringLiteral(" ann lee@x.org "));

    fill({ "Ann", QString(), kUntouched, "Bob", "bob@x.org" });
    submit();

    QVERIFY(noBoxes.shown.isEmpty());
    QCOMPARE(m_screen->referral().yourEmail, QStringLiteral("ann lee@x.org"));
    QCOMPARE(browser.addresses(),
             QStringList { modTellAFriend::composeReferralAddress(m_screen->referral()) });
}

void TestReferAFriend::eachSubmissionOpensTheAddressOfItsTrimmedEntriesOnceOrSaysWhyNot_data()
{
    QTest::addColumn<QStringList>("entries"); // name, address, message, friend's name, address
    QTest::addColumn<QString>("refusal"); // empty: the address opens
    QTest::addColumn<QStringList>("sent"); // the referral kept; empty: the entries, trimmed

    // The addresses are checked first, on the trimmed entries; then the
    // entries in the order of the form.
    // clang-format off
    QTest::newRow("untouched form") << QStringList { "Your Name", "Your Email Address", kUntouched, "Friend's Name", "Friend's Email Address" } << "Please Enter Proper Email Address" << QStringList();
    QTest::newRow("same address, one with blanks around") << QStringList { "Ann", "  ann@x.org ", kUntouched, "Bob", "ann@x.org" } << "Please Enter Distinct Email Addresses" << QStringList();
    QTest::newRow("name at its placeholder") << QStringList { " Your Name ", "ann@x.org", kUntouched, "Bob", "bob@x.org" } << "Please Enter Your Name" << QStringList();
    QTest::newRow("message emptied and left") << QStringList { "Ann", "ann@x.org", "Your Message", "Bob", "bob@x.org" } << "Please Enter Your Message" << QStringList();
    QTest::newRow("friend's name empty") << QStringList { "Ann", "ann@x.org", kUntouched, "", "bob@x.org" } << "Please Enter Your Friend's Name" << QStringList();
    QTest::newRow("plain entries, message untouched")
        << QStringList { "Ann", "ann@x.org", kUntouched, "Bob", "bob@x.org" } << ""
        << QStringList { "Ann", "ann@x.org", "Your Message\r\n", "Bob", "bob@x.org" };
    QTest::newRow("blanks trimmed at the ends only, tabs kept")
        << QStringList { "  Ann   Lee  ", " ann@x.org ", "\tHi ", " Bob\t", "bob@x.org  " } << ""
        << QStringList { "Ann   Lee", "ann@x.org", "\tHi", "Bob\t", "bob@x.org" };
    QTest::newRow("line breaks in the message")
        << QStringList { "Ann", "ann@x.org", "Hello Bob,\nlook at this.\r\n", "Bob", "bob@x.org" } << ""
        << QStringList { "Ann", "ann@x.org", "Hello Bob,\r\nlook at this.\r\n", "Bob", "bob@x.org" };
    // clang-format on
}

void TestReferAFriend::eachSubmissionOpensTheAddressOfItsTrimmedEntriesOnceOrSaysWhyNot()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, refusal);
    QFETCH(QStringList, sent);

    fill(entries);
    const QStringList before = allTexts();
    UrlRecorder browser;
    BoxAnswerer answerer({ QMessageBox::Ok });
    submit();

    QCOMPARE(
        answerer.shown,
        (QList<BoxAnswerer::Box>(refusal.isEmpty() ? 0 : 1, { refusal, QMessageBox::Critical })));
    // The form stays as it was; the entries are kept, trimmed, even when refused.
    QCOMPARE(allTexts(), before);
    QVERIFY(m_screen->isVisible());
    if (sent.isEmpty()) {
        for (const QString &text : before)
            sent.append(modTellAFriend::trimBlanks(text));
    }
    QCOMPARE(entriesOf(m_screen->referral()), sent);
    if (!refusal.isEmpty()) {
        QVERIFY(browser.urls().isEmpty());
        QCOMPARE(m_screen->focusWidget(), control(QStringLiteral("cmdSubmit")));
        return;
    }
    // Pressing again opens the same request again.
    const QString address = modTellAFriend::composeReferralAddress(m_screen->referral());
    QCOMPARE(browser.addresses(), QStringList { address });
    submit();
    QCOMPARE(browser.addresses(), QStringList(2, address));
}

QTEST_MAIN(TestReferAFriend)
#include "tst_referafriend.moc"
