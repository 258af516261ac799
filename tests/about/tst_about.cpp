// The About window: its fixed frame and content, the order of its controls,
// its links, and its modal life: application-modal from either main window,
// closed by OK, Alt+O, Esc and the close box (Enter on its default button is
// Qt's), and built anew each time.

#include "about/frmabout.h"
#include "common/look.h"
#include "links/addresses.h"
#include "links/linklabel.h"
#include "links/uiclicks.h"
#include "questionnaire/frmmain.h"
#include "support/isolation.h"
#include "support/recorders.h"
#include "support/textfit.h"
#include "support/windows.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>

using namespace toevane;

namespace {

bool anAboutWindowExists()
{
    const auto windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(),
                       [](QWidget *widget) { return qobject_cast<frmAbout *>(widget); });
}

// Calls open(), which must show an About window modal and return once it
// is closed; as soon as that window is up and active, runs whileOpen on it.
// True when the window came up and was closed by whileOpen and deleted; one
// still open after 5 s is rejected (false), so no test hangs. What went
// wrong is logged.
bool withAboutOpen(const std::function<void()> &open,
                   const std::function<void(frmAbout *)> &whileOpen)
{
    bool reached = false, timedOut = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *about = qobject_cast<frmAbout *>(QApplication::activeModalWidget());
        if (!about || !about->isVisible() || QApplication::activeWindow() != about)
            return;
        reached = true;
        poll.stop();
        whileOpen(about);
    });
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, [&] {
        if (auto *about = qobject_cast<frmAbout *>(QApplication::activeModalWidget())) {
            timedOut = true;
            about->reject();
        }
    });
    poll.start(10);
    deadline.start(5000);
    open();
    const char *problem = !reached ? "did not come up"
        : timedOut                 ? "did not close"
        : anAboutWindowExists()    ? "closed but was not deleted"
                                   : nullptr;
    if (problem)
        qWarning("The About window %s", problem);
    return !problem;
}

} // namespace

class AboutTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void windowHasAFixedDialogFrameOfItsSize();
    void controlsRunTopToBottomInTheirGroups();
    void controlsShowTheirTextsInTheirLook_data();
    void controlsShowTheirTextsInTheirLook();
    void everyTextFitsItsControl();
    void theHelpItemOpensAboutModalAndOwnerlessFromEitherWindow_data();
    void theHelpItemOpensAboutModalAndOwnerlessFromEitherWindow();
    void aboutClosesAndIsGone_data();
    void aboutClosesAndIsGone();
    void linksOpenTheirPagesAndLeaveAboutOpen_data();
    void linksOpenTheirPagesAndLeaveAboutOpen();
    void eachOpeningIsAFreshCentredWindowWithFocusOnOk();
};

void AboutTest::initTestCase()
{
    isolateTestSettings();
    QApplication::setStyle(QStringLiteral("Fusion"));
    QCOMPARE(qRound(qApp->primaryScreen()->logicalDotsPerInch()), 96);
}

void AboutTest::windowHasAFixedDialogFrameOfItsSize()
{
    frmAbout about;
    QCOMPARE(about.windowTitle(), QStringLiteral("Toevane v1.10"));
    QCOMPARE(about.minimumSize(), QSize(423, 264));
    QCOMPARE(about.maximumSize(), QSize(423, 264));
    QCOMPARE(about.windowType(), Qt::Dialog);
    const Qt::WindowFlags flags = about.windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags &
              (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
               Qt::WindowContextHelpButtonHint)));
    QCOMPARE(about.windowModality(), Qt::ApplicationModal);
    QVERIFY(!about.windowIcon().isNull());
    QCOMPARE(about.palette().color(QPalette::Window), toevane::look::kPurple);
    QVERIFY(about.autoFillBackground());
}

void AboutTest::controlsRunTopToBottomInTheirGroups()
{
    frmAbout about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    const auto at = [&about](const char *name) {
        QWidget *widget = about.findChild<QWidget *>(QString::fromLatin1(name));
        return widget ? widget->geometry() : QRect();
    };
    const QRect icon = at("picIcon"), title = at("Label2"), text = at("Label1"),
                home = at("lblHomePage"), offer = at("Label6"), details = at("Label5"),
                rule = at("Line2"), ok = at("cmdOK");
    for (const QRect &r : { icon, title, text, home, offer, details, rule, ok }) {
        QVERIFY(!r.isEmpty());
        QVERIFY(about.rect().contains(r));
    }
    // Icon at the top left with the title at its right.
    QVERIFY(icon.left() < 20 && icon.top() < 20);
    QVERIFY(title.left() > icon.right());
    QVERIFY(title.top() < icon.bottom() && title.bottom() > icon.top());
    // The description in its box, 383 wide and at least 73 high (it grows
    // with a font of taller lines), then the forum link, then the offer.
    QCOMPARE(text.width(), 383);
    QVERIFY(text.height() >= 73);
    QVERIFY(text.top() > qMax(icon.bottom(), title.bottom()));
    QVERIFY(home.top() > text.bottom());
    QVERIFY(offer.top() > home.bottom());
    // The offer's link below it, at its right.
    QVERIFY(details.top() > offer.bottom());
    QVERIFY(qAbs(details.right() - offer.right()) <= 2);
    QVERIFY(details.left() > offer.center().x());
    // The rule across the whole width, OK below it at the bottom right.
    QVERIFY(rule.top() > details.bottom());
    QCOMPARE(rule.left(), 0);
    QCOMPARE(rule.width(), about.width());
    QVERIFY(ok.top() > rule.bottom());
    QVERIFY(about.width() - ok.right() < 20 && about.height() - ok.bottom() < 20);
    QVERIFY(ok.left() > about.width() / 2);

    // OK is first in the tab order and the only control that takes the focus.
    auto *cmdOK = about.findChild<QPushButton *>(QStringLiteral("cmdOK"));
    QCOMPARE(about.focusWidget(), cmdOK);
    QVERIFY(cmdOK->isDefault());
    for (const QWidget *widget : about.findChildren<QWidget *>())
        QVERIFY2(widget == cmdOK || widget->focusPolicy() == Qt::NoFocus,
                 qPrintable(widget->objectName()));
}

void AboutTest::controlsShowTheirTextsInTheirLook_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text"); // null: the forum link's, which tst_links checks
    QTest::addColumn<bool>("link");

    // clang-format off
    QTest::newRow("title") << "Label2" << "Toevane v1.10" << false;
    QTest::newRow("forum link") << "lblHomePage" << QString() << true;
    QTest::newRow("offer") << "Label6" << "Home Business Opportunity. Start your own Internet business and "
                              "make money online. Get this software fully branded for your website." << false;
    QTest::newRow("offer link") << "Label5" << "Click here for more details" << true;
    QTest::newRow("OK") << "cmdOK" << "&OK" << false;
    // clang-format on
}

// Every text bold; the links underlined, pointed at by a hand, and in one
// colour of their own; the title larger than the rest, which share one size.
void AboutTest::controlsShowTheirTextsInTheirLook()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(bool, link);

    frmAbout about;
    QWidget *widget = about.findChild<QWidget *>(control);
    const auto look = [&about](const char *name) {
        const QWidget *other = about.findChild<QWidget *>(QString::fromLatin1(name));
        return std::pair { other->palette().color(QPalette::WindowText),
                           other->font().pointSizeF() };
    };
    QVERIFY(widget);
    if (auto *button = qobject_cast<QPushButton *>(widget)) {
        QCOMPARE(button->text(), text);
    } else {
        auto *label = qobject_cast<QLabel *>(widget);
        QVERIFY(label);
        if (!text.isNull())
            QCOMPARE(label->text(), text);
        QVERIFY(!label->autoFillBackground()); // the purple shows through
        QCOMPARE(look(qPrintable(control)).first == look("Label5").first, link);
        QCOMPARE(look(qPrintable(control)).first == look("Label6").first, control == u"Label6");
    }
    QVERIFY(widget->font().bold());
    QCOMPARE(widget->font().underline(), link);
    QCOMPARE(qobject_cast<LinkLabel *>(widget) != nullptr, link);
    QCOMPARE(widget->cursor().shape(), link ? Qt::PointingHandCursor : Qt::ArrowCursor);
    if (control == u"Label2")
        QVERIFY(widget->font().pointSizeF() > look("Label6").second);
    else
        QCOMPARE(widget->font().pointSizeF(), look("Label6").second);
}

void AboutTest::everyTextFitsItsControl()
{
    frmAbout about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    const QStringList problems = textThatDoesNotFit(&about);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));

    // The description: the quoted text and a rights notice naming the maker.
    auto *description = about.findChild<QLabel *>(QStringLiteral("Label1"));
    QVERIFY(description->wordWrap());
    if (qEnvironmentVariableIsEmpty("TOEVANE_TEST_LANGUAGE")) // tests/e2e/textfits.py
        QVERIFY(description->text().startsWith(QStringLiteral(
            "Toevane is a divination software based on the shape and looks of a person's feet and "
            "the personality characteristics they reveal. The toes of our feet can tell us more "
            "about ourselves and the problems that we may be about to face in life. ")));
    QVERIFY(description->text().contains(QStringLiteral("Starwell Softwares")));

    // The links are as wide as their text, so only the text answers a click.
    for (const char *name : { "lblHomePage", "Label5" }) {
        auto *link = about.findChild<QLabel *>(QString::fromLatin1(name));
        const int textWidth = QFontMetrics(link->font()).horizontalAdvance(link->text());
        QVERIFY2(link->width() >= textWidth && link->width() <= textWidth + 4, name);
    }

    // The icon, 32 by 32, inside its box.
    auto *icon = about.findChild<QLabel *>(QStringLiteral("picIcon"));
    QCOMPARE(icon->pixmap().deviceIndependentSize().toSize(), QSize(32, 32));
    QVERIFY(icon->contentsRect().width() >= 32 && icon->contentsRect().height() >= 32);
}

void AboutTest::theHelpItemOpensAboutModalAndOwnerlessFromEitherWindow_data()
{
    QTest::addColumn<bool>("results");
    QTest::newRow("from the questionnaire window") << false;
    QTest::newRow("from the results window") << true;
}

void AboutTest::theHelpItemOpensAboutModalAndOwnerlessFromEitherWindow()
{
    QFETCH(bool, results);
    ProcessEndRecorder ends;
    toevane::Shell shell(testServices(ends));
    QVERIFY(shell.start());
    if (results) {
        auto *questionnaire = qobject_cast<frmMain *>(shell.mainWindow());
        QVERIFY(questionnaire);
        QVERIFY(answerAndFinish(*questionnaire, { 0, 0, 0, 0, 0, 0, 0, 0 }));
    }
    QMainWindow *window = shell.mainWindow();
    QVERIFY(window);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    const QRect geometry = window->geometry();
    QWidget *banner = window->findChild<QWidget *>(QStringLiteral("Label61"));
    QVERIFY(banner);
    UrlRecorder urls;

    // Blocking the main window is Qt's part once the window is application-modal.
    bool modal = false, ownerless = false;
    QVERIFY(withAboutOpen(
        [&] { QVERIFY(chooseMenuItem(window, QStringLiteral("mnuAbout"))); },
        [&](frmAbout *about) {
            modal = about->isModal() && about->windowModality() == Qt::ApplicationModal;
            ownerless = about->parentWidget() == nullptr;
            QTest::mouseClick(about->findChild<QPushButton *>(QStringLiteral("cmdOK")),
                              Qt::LeftButton);
        }));
    QVERIFY(modal);
    QVERIFY(ownerless);

    // Closed: the main window is as it was and answers again.
    QVERIFY(window->isVisible());
    QCOMPARE(window->geometry(), geometry);
    clickThroughWindow(banner);
    QTRY_COMPARE(urls.addresses(), QStringList { toevane::sites::homePageAddress() });
    endProgramAndClearWindows(shell);
}

void AboutTest::aboutClosesAndIsGone_data()
{
    QTest::addColumn<QString>("how");
    for (const char *how : { "OK clicked", "Alt+O", "Esc", "close box" })
        QTest::newRow(how) << QString::fromLatin1(how);
}

void AboutTest::aboutClosesAndIsGone()
{
    QFETCH(QString, how);
    // Closed and unloaded, not hidden.
    QVERIFY(withAboutOpen(&frmAbout::showModal, [&](frmAbout *about) {
        QWindow *window = about->windowHandle();
        if (how == QStringLiteral("OK clicked"))
            QTest::mouseClick(about->findChild<QPushButton *>(QStringLiteral("cmdOK")),
                              Qt::LeftButton);
        else if (how == QStringLiteral("Alt+O"))
            QTest::keyClick(window, Qt::Key_O, Qt::AltModifier);
        else if (how == QStringLiteral("Esc"))
            QTest::keyClick(window, Qt::Key_Escape);
        else
            window->close(); // as the window manager asks
    }));
}

void AboutTest::linksOpenTheirPagesAndLeaveAboutOpen_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("address");
    QTest::newRow("forum link") << "lblHomePage" << toevane::sites::homePageAddress();
    QTest::newRow("offer link") << "Label5" << toevane::sites::fullBrandPageAddress();
}

void AboutTest::linksOpenTheirPagesAndLeaveAboutOpen()
{
    QFETCH(QString, link);
    QFETCH(QString, address);
    UrlRecorder urls;
    QStringList opened;
    bool stillOpen = false;
    QVERIFY(withAboutOpen(&frmAbout::showModal, [&](frmAbout *about) {
        QWidget *label = about->findChild<QWidget *>(link);
        clickThroughWindow(label);
        clickThroughWindow(label); // each click opens the page again
        QCoreApplication::sendPostedEvents(); // and nothing more once what they queued has run
        opened = urls.addresses();
        stillOpen = about->isVisible() && QApplication::activeModalWidget() == about;
        QTest::mouseClick(about->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
    }));
    QCOMPARE(opened, QStringList({ address, address }));
    QVERIFY(stillOpen);
}

void AboutTest::eachOpeningIsAFreshCentredWindowWithFocusOnOk()
{
    for (int opening = 0; opening < 2; ++opening) {
        QPoint centre, expectedCentre;
        bool focusOnOk = false;
        QVERIFY(withAboutOpen(&frmAbout::showModal, [&](frmAbout *about) {
            centre = about->frameGeometry().center();
            expectedCentre = about->screen()->availableGeometry().center();
            focusOnOk = QApplication::focusWidget() ==
                about->findChild<QPushButton *>(QStringLiteral("cmdOK"));
            // Leave it elsewhere, with the focus elsewhere: the next one must
            // not inherit either.
            about->move(about->pos() + QPoint(60, 40));
            about->findChild<QWidget *>(QStringLiteral("Label1"))->setFocus(Qt::OtherFocusReason);
            QTest::keyClick(about->windowHandle(), Qt::Key_Escape);
        }));
        QCOMPARE_LE((centre - expectedCentre).manhattanLength(), 2);
        QVERIFY(focusOnOk);
    }
}

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
