// Which control of the main windows and the exit screen opens which page (the addresses are
// pinned in tst_referral, the About window's links in tst_about); the menus hold exactly their
// items. Both windows' menus are one builder's, so their items are clicked in the questionnaire,
// and the promotional labels in onlyTheLabelInFrontAnswersAClick.
//
// Run with TOEVANE_EXPECT_FORUM_HOST / TOEVANE_EXPECT_HELP_HOST set, the test
// also checks that the build was made with those hosts, and with
// TOEVANE_UNEXPECTED_HOSTS (comma-separated) that no window shows any of them.

#include "about/frmabout.h"
#include "common/platform.h"
#include "exit_screen/frmnagscreen2.h"
#include "links/addresses.h"
#include "links/linklabel.h"
#include "links/modhelp.h"
#include "links/promolabels.h"
#include "links/uiclicks.h"
#include "questionnaire/frmmain.h"
#include "results/frmdisplay.h"
#include "support/isolation.h"
#include "support/recorders.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDirIterator>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTest>

#include <memory>
#include <optional>

using namespace toevane;
using namespace toevane::sites;

namespace {

enum class Window { Questionnaire, Results, About, ExitScreen };

std::unique_ptr<QWidget> makeWindow(Window kind)
{
    static toevane::Random random; // outlives every exit screen
    std::unique_ptr<QWidget> window;
    if (kind == Window::Questionnaire)
        window = std::make_unique<frmMain>();
    else if (kind == Window::Results)
        window = std::make_unique<frmDisplay>();
    else if (kind == Window::ExitScreen)
        window = std::make_unique<frmNagScreen2>(random);
    else
        window = std::make_unique<frmAbout>();
    if (kind == Window::About) // shown without its own event loop: its modal side has its own test
        window->setWindowModality(Qt::NonModal);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    return window;
}

std::unique_ptr<QWidget> showWindow(Window kind)
{
    std::unique_ptr<QWidget> window = makeWindow(kind);
    window->show();
    return QTest::qWaitForWindowExposed(window.get()) ? std::move(window) : nullptr;
}

// Every text a window shows: labels, buttons, frame titles, menus, fields.
QStringList shownTexts(const QWidget *window)
{
    QStringList texts { window->windowTitle() };
    for (const QWidget *widget : window->findChildren<QWidget *>()) {
        if (auto *label = qobject_cast<const QLabel *>(widget))
            texts << label->text();
        else if (auto *button = qobject_cast<const QAbstractButton *>(widget))
            texts << button->text();
        else if (auto *group = qobject_cast<const QGroupBox *>(widget))
            texts << group->title();
        else if (auto *field = qobject_cast<const QLineEdit *>(widget))
            texts << field->text() << field->placeholderText();
        texts << widget->toolTip() << widget->statusTip();
    }
    for (const QAction *action : window->findChildren<QAction *>())
        texts << action->text() << action->toolTip();
    texts.removeAll(QString());
    return texts;
}

// Names, captions and separators of a menu's items, one entry each:
// "objectName caption" or "objectName -" for a separator; " (greyed)" ends
// an item that cannot be chosen.
QStringList describeItems(const QList<QAction *> &actions)
{
    QStringList items;
    for (const QAction *action : actions)
        items << action->objectName() + u' ' +
                (action->isSeparator() ? QStringLiteral("-") : action->text()) +
                (action->isEnabled() && action->isVisible() ? "" : " (greyed)");
    return items;
}

// Files and their sizes and times in the per-user configuration folder.
QStringList configurationSnapshot()
{
    QStringList entries;
    QDirIterator it(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
                    QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        entries << it.filePath() + u' ' + QString::number(it.fileInfo().size()) + u' ' +
                it.fileInfo().lastModified().toString(Qt::ISODateWithMs);
    }
    entries.sort();
    return entries;
}

} // namespace

Q_DECLARE_METATYPE(Window)

class LinksTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void everyLinkOpensExactlyItsAddress_data();
    void everyLinkOpensExactlyItsAddress();
    void onlyTheLabelInFrontAnswersAClick_data();
    void onlyTheLabelInFrontAnswersAClick();
    void menusHoldExactlyTheirItemsInOrder_data();
    void menusHoldExactlyTheirItemsInOrder();
    void openLinkHandsOverTheAddressAndReportsNothing_data();
    void openLinkHandsOverTheAddressAndReportsNothing();
    void shownAddressesNameOnlyTheBuildsHosts_data();
    void shownAddressesNameOnlyTheBuildsHosts();
    void addressesFollowTheHostsOfTheBuild();
};

void LinksTest::initTestCase()
{
    isolateTestSettings();
    QApplication::setStyle(QStringLiteral("Fusion"));
}

void LinksTest::everyLinkOpensExactlyItsAddress_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("address");

    // clang-format off
    QTest::newRow("questionnaire banner") << Window::Questionnaire << "Label61" << homePageAddress();
    QTest::newRow("questionnaire Online Help") << Window::Questionnaire << "mnuOnline" << helpPageAddress();
    QTest::newRow("questionnaire Visit Us Online") << Window::Questionnaire << "mnuVisit" << homePageAddress();
    QTest::newRow("questionnaire update item") << Window::Questionnaire << "mnuUpdate" << downloadPageAddress();
    QTest::newRow("questionnaire Donate") << Window::Questionnaire << "mnuDonate" << donatePageAddress();
    QTest::newRow("results banner") << Window::Results << "Label61" << homePageAddress();
    QTest::newRow("exit screen catalogue link") << Window::ExitScreen << "lblGoToHome" << softwaresPageAddress();
    // clang-format on
}

void LinksTest::everyLinkOpensExactlyItsAddress()
{
    QFETCH(Window, window);
    QFETCH(QString, control);
    QFETCH(QString, address);

    std::unique_ptr<QWidget> shown = showWindow(window);
    QVERIFY(shown);
    const QStringList settingsBefore = configurationSnapshot();
    UrlRecorder urls;
    BoxAnswerer boxes;

    if (auto *label = shown->findChild<LinkLabel *>(control)) {
        QWidget *clicked = clickWhereShown(label);
        QVERIFY(clicked);
        QCOMPARE(clicked->objectName(), control);
    } else {
        auto *mainWindow = qobject_cast<QMainWindow *>(shown.get());
        QVERIFY2(mainWindow, qPrintable(control + QStringLiteral(" is neither label nor item")));
        QVERIFY(chooseMenuItem(mainWindow, control));
    }

    // Opened within the click itself, not after some question.
    QCOMPARE(urls.addresses(), QStringList { address });
    // A link only opens its page: no box, no other window, the window stays,
    // and the settings (the update reminder's date, say) are not touched,
    // also once the events the click queued have run.
    QCoreApplication::sendPostedEvents();
    QCOMPARE(urls.addresses().size(), 1);
    QVERIFY(boxes.shown.isEmpty());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(shown->isVisible());
    QCOMPARE(configurationSnapshot(), settingsBefore);
}

void LinksTest::onlyTheLabelInFrontAnswersAClick_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<QString>("raised"); // brought to the front before the click
    QTest::addColumn<QString>("front");
    QTest::addColumn<QString>("address");

    const QString co = QStringLiteral("lblCobrand"), full = QStringLiteral("lblFullBrand");
    // clang-format off
    QTest::newRow("new questionnaire window") << Window::Questionnaire << QString() << full << fullBrandPageAddress();
    QTest::newRow("questionnaire, co-branding raised") << Window::Questionnaire << co << co << coBrandPageAddress();
    QTest::newRow("questionnaire, full branding raised") << Window::Questionnaire << full << full << fullBrandPageAddress();
    QTest::newRow("new results window") << Window::Results << QString() << co << coBrandPageAddress();
    QTest::newRow("results, full branding raised") << Window::Results << full << full << fullBrandPageAddress();
    // clang-format on
}

void LinksTest::onlyTheLabelInFrontAnswersAClick()
{
    QFETCH(Window, window);
    QFETCH(QString, raised);
    QFETCH(QString, front);
    QFETCH(QString, address);

    std::unique_ptr<QWidget> shown = showWindow(window);
    QVERIFY(shown);
    auto *coBrand = shown->findChild<LinkLabel *>(QStringLiteral("lblCobrand"));
    auto *fullBrand = shown->findChild<LinkLabel *>(QStringLiteral("lblFullBrand"));
    QVERIFY(coBrand && fullBrand);
    // One rectangle, opaque: whichever is in front hides the other entirely.
    QCOMPARE(coBrand->geometry(), fullBrand->geometry());
    QCOMPARE(coBrand->parentWidget(), fullBrand->parentWidget());
    QVERIFY(coBrand->autoFillBackground() && fullBrand->autoFillBackground());
    if (!raised.isEmpty())
        raised == coBrand->objectName() ? toevane::promo::bringToFront(coBrand, fullBrand)
                                        : toevane::promo::bringToFront(fullBrand, coBrand);

    UrlRecorder urls;
    QWidget *clicked = clickWhereShown(coBrand);
    QVERIFY(clicked);
    QCOMPARE(clicked->objectName(), front);
    // The same click as the window system delivers it to the window.
    clickThroughWindow(coBrand);
    QTRY_COMPARE(urls.addresses(), QStringList({ address, address }));
}

void LinksTest::menusHoldExactlyTheirItemsInOrder_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<QString>("menu"); // "menuBar" for the bar itself
    QTest::addColumn<QStringList>("items");

    const QStringList bar { "mnuFile &File", "mnuHelp &Help", "mnuDonate &Donate",
                            "mnuMakeMoneyOnline Make Money &Online (greyed)" };
    QTest::newRow("questionnaire bar") << Window::Questionnaire << "menuBar" << bar;
    QTest::newRow("results bar") << Window::Results << "menuBar" << bar;
    // The two Help menus differ in their separators' names and the update item's caption.
    const auto help = [](const char *separator, const char *update) {
        return QStringList {
            "mnuOnline &Online Help",          "mnuVisit &Visit Us Online",
            separator + QStringLiteral("1 -"), QStringLiteral("mnuUpdate ") + update,
            separator + QStringLiteral("2 -"), "mnuAbout &About Software"
        };
    };
    // clang-format off
    QTest::newRow("questionnaire File") << Window::Questionnaire << "mnuFile" << QStringList { "mnuExit E&xit" };
    QTest::newRow("results File") << Window::Results << "mnuFile" << QStringList { "mnuFileBack &Back", "mnuExit E&xit" };
    QTest::newRow("questionnaire Help") << Window::Questionnaire << "mnuHelp" << help("mnuHelp", "Check for Software &Update");
    QTest::newRow("results Help") << Window::Results << "mnuHelp" << help("mnuFileSep", "&Check for Software Update");
    // clang-format on
}

void LinksTest::menusHoldExactlyTheirItemsInOrder()
{
    QFETCH(Window, window);
    QFETCH(QString, menu);
    QFETCH(QStringList, items);

    std::unique_ptr<QWidget> shown = makeWindow(window);
    auto *mainWindow = qobject_cast<QMainWindow *>(shown.get());
    QVERIFY(mainWindow);
    QMenuBar *bar = mainWindow->menuBar();
    QCOMPARE(bar->objectName(), QStringLiteral("menuBar"));
    QWidget *holder = bar;
    if (menu != QStringLiteral("menuBar")) {
        holder = bar->findChild<QMenu *>(menu);
        QVERIFY2(holder, qPrintable(menu));
    }
    QCOMPARE(describeItems(holder->actions()), items);
}

void LinksTest::openLinkHandsOverTheAddressAndReportsNothing_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("handedOver"); // empty: no browser can be found

    // A referral's query reaching the browser whole is tst_referafriend's.
    // clang-format off
    QTest::newRow("already encoded stays encoded") << "http://a.example/a%20b" << "http://a.example/a%20b";
    // A blank cannot travel in an address: it goes as %20, nothing else changes.
    QTest::newRow("blank") << "http://a.example/?n=Ann Lee" << "http://a.example/?n=Ann%20Lee";
    // clang-format on
    // Without a browser Qt's message would carry the referral into the logs.
    QTest::newRow("no browser") << "http://a.example/x.php?taf1=Ann&taf2=b@c.example" << QString();
}

void LinksTest::openLinkHandsOverTheAddressAndReportsNothing()
{
    QFETCH(QString, address);
    QFETCH(QString, handedOver);

    std::optional<UrlRecorder> urls;
    const QByteArray path = qgetenv("PATH");
    if (handedOver.isEmpty()) { // Qt's own launcher finds nothing on an empty PATH
        qputenv("PATH", QByteArray());
        qunsetenv("BROWSER");
        qunsetenv("DEFAULT_BROWSER");
    } else {
        urls.emplace();
    }
    BoxAnswerer boxes;
    static QStringList qtMessages;
    qtMessages.clear();
    const QtMessageHandler testLog =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &text) {
            qtMessages.append(text);
        });
    modHelp::OpenLink(address);
    modHelp::OpenLink(address); // each use opens the page again
    qInstallMessageHandler(testLog);
    qputenv("PATH", path);
    QCOMPARE(qtMessages, QStringList());
    if (urls)
        QCOMPARE(urls->addresses(), QStringList({ handedOver, handedOver }));
    QCoreApplication::sendPostedEvents(); // and what it queued has run
    QVERIFY(boxes.shown.isEmpty());
}

void LinksTest::shownAddressesNameOnlyTheBuildsHosts_data()
{
    QTest::addColumn<Window>("window");
    QTest::newRow("questionnaire") << Window::Questionnaire;
    QTest::newRow("results") << Window::Results;
    QTest::newRow("About") << Window::About;
    QTest::newRow("exit screen") << Window::ExitScreen;
}

void LinksTest::shownAddressesNameOnlyTheBuildsHosts()
{
    QFETCH(Window, window);
    const std::unique_ptr<QWidget> made = makeWindow(window);
    const QString texts = shownTexts(made.get()).join(u'\n');

    // The banner and the About window's link name the forum.
    if (auto *banner = made->findChild<QLabel *>(QStringLiteral("Label61")))
        QVERIFY2(banner->text().contains(u' ' + shownInText(forumHost()) + u' '),
                 qPrintable(banner->text()));
    if (auto *link = made->findChild<QLabel *>(QStringLiteral("lblHomePage")))
        QCOMPARE(link->text(),
                 QStringLiteral("Click here to visit ") + shownInText(homePageAddress()));

    const QStringList unexpected =
        qEnvironmentVariable("TOEVANE_UNEXPECTED_HOSTS").split(u',', Qt::SkipEmptyParts);
    for (const QString &host : unexpected)
        QVERIFY2(!texts.contains(host, Qt::CaseInsensitive),
                 qPrintable(host + QStringLiteral(" shown in ") + made->objectName()));
}

// In the build made with other hosts (tests/links/hosts), they are the ones
// every address names.
void LinksTest::addressesFollowTheHostsOfTheBuild()
{
    for (const auto &[variable, address] :
         { std::pair { "TOEVANE_EXPECT_FORUM_HOST", forumAddress() },
           std::pair { "TOEVANE_EXPECT_HELP_HOST", helpAddress() } }) {
        if (qEnvironmentVariableIsSet(variable))
            QCOMPARE(address, QStringLiteral("http://") + qEnvironmentVariable(variable));
    }
}

QTEST_MAIN(LinksTest)
#include "tst_links.moc"
