// The results window: its initial captions, the Reading written into it,
// Back to a new questionnaire and its keys, and the reading kept: copied, or
// saved as PDF, PNG or text.

#include "app/language.h"
#include "exit_screen/frmnagscreen2.h"
#include "questionnaire/catalogue.h"
#include "questionnaire/frmmain.h"
#include "questionnaire/reading.h"
#include "results/frmdisplay.h"
#include "support/files.h"
#include "support/isolation.h"
#include "support/recorders.h"
#include "support/windows.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace toevane;

namespace {

const QString kNotSelected = QStringLiteral("You are not selected this type of Toe.");

QString labelText(QWidget *window, const QString &name)
{
    auto *label = window->findChild<QLabel *>(name);
    return label ? label->text() : QStringLiteral("<no label %1>").arg(name);
}

// A results window on screen with the reading kept in the tests: Toe Shape
// skipped, no caption or text with a trailing blank.
frmDisplay *shownReading()
{
    const std::array<int, 8> answers { 2, 1, 3, 2, 0, -1, 1, 1 };
    auto *display = new frmDisplay;
    ApplyReading(ComposeReading([&](int page, int index) { return answers[page] == index; }),
                 *display);
    return shownActive(display);
}

// The texts of copied.golden, by language: each follows a line "=== <language>".
QString goldenText(const QString &language)
{
    const QString all = QString::fromUtf8(fileBytes(QFINDTESTDATA("results/copied.golden")));
    const qsizetype start = all.indexOf(QStringLiteral("=== %1\n").arg(language));
    if (start < 0)
        return QStringLiteral("<no golden text for %1>").arg(language);
    const qsizetype from = all.indexOf(u'\n', start) + 1;
    return all.mid(from, all.indexOf(QStringLiteral("\n=== "), from) + 1 - from);
}

// The reading's texts, and its direction, in that language (English when empty).
auto inLanguage(const QString &language)
{
    language::install({ language });
    QGuiApplication::setLayoutDirection(QLocale(language).textDirection());
    return qScopeGuard([] {
        language::uninstall();
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        QLocale::setDefault(QLocale::system());
    });
}

} // namespace

class FrmDisplayTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { isolateTestSettings(); }
    void cleanup() { clearWindows(); }

    void newWindowShowsItsInitialCaptions();
    void readingFillsTheLabelsUnderEachQuestion_data();
    void readingFillsTheLabelsUnderEachQuestion();
    void backAndEscReportWhatTheUserWants_data();
    void backAndEscReportWhatTheUserWants();
    void analyzeAndBackReplaceTheMainWindowWithoutShowingTheExitScreen();
    void copyAndTextFileHoldTheReadingInTheUsersLanguage_data();
    void copyAndTextFileHoldTheReadingInTheUsersLanguage();
    void rightClickOnTheReadingOffersCopyAndSaveWithTheirKeys();
    void saveAsOpensInDocumentsAndTakesTheFormatFromTheName_data();
    void saveAsOpensInDocumentsAndTakesTheFormatFromTheName();
    void thePdfIsOnePageOfSelectableTextOnTheUsersPaper_data();
    void thePdfIsOnePageOfSelectableTextOnTheUsersPaper();
    void thePngIsTheWindowAtTheScreensScale();
    void aFailedSaveSaysWhatAndWhereAndLeavesTheFileAsItWas_data();
    void aFailedSaveSaysWhatAndWhereAndLeavesTheFileAsItWas();
};

void FrmDisplayTest::newWindowShowsItsInitialCaptions()
{
    frmDisplay display;
    display.setAttribute(Qt::WA_DeleteOnClose, false);
    QVERIFY(shownActive(&display));
    QCOMPARE(display.windowTitle(), QStringLiteral("Toevane v1.10"));
    QCOMPARE(display.centralWidget()->size(), QSize(585, 477));
    QCOMPARE(labelText(&display, QStringLiteral("lblToeShape")), QString());
    QCOMPARE(labelText(&display, QStringLiteral("lblToeShapeResult")), kNotSelected);
    QCOMPARE(labelText(&display, QStringLiteral("lblBigToeResult")), QString());
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdBack"));
}

void FrmDisplayTest::readingFillsTheLabelsUnderEachQuestion_data()
{
    // Answer n on every page (the last one where a page has fewer): together
    // the rows show every answer of the catalogue. -1 skips Toe Shape.
    QTest::addColumn<int>("answer");
    for (int answer = 0; answer < 6; ++answer)
        QTest::addRow("answer %d", answer) << answer;
    QTest::newRow("Toe Shape skipped") << -1;
}

void FrmDisplayTest::readingFillsTheLabelsUnderEachQuestion()
{
    QFETCH(int, answer);
    const Reading reading = ComposeReading([answer](int page, int index) {
        if (answer < 0)
            return page != catalogue::kToeShapePage && index == 0;
        return index == std::min(answer, catalogue::question(page).answerCount() - 1);
    });
    frmDisplay display;
    ApplyReading(reading, display);

    for (const catalogue::Question &question : catalogue::questions()) {
        const ReadingEntry &entry = reading[std::size_t(question.page)];
        QCOMPARE(entry.answered, answer >= 0 || question.page != catalogue::kToeShapePage);
        auto *caption = display.findChild<QLabel *>(QStringLiteral("lbl") + entry.key);
        auto *text = display.findChild<QLabel *>(QStringLiteral("lbl%1Result").arg(entry.key));
        QVERIFY(caption && text);
        // Shown in the frame of that question.
        auto *frame = qobject_cast<QGroupBox *>(caption->parentWidget());
        QVERIFY(frame && text->parentWidget() == frame);
        QCOMPARE(frame->title(), question.resultTitle.toString());
        if (entry.answered) {
            QCOMPARE(caption->text(), entry.caption);
            QCOMPARE(text->text(), entry.text);
        } else {
            // An unanswered question keeps the captions the window opened with.
            QCOMPARE(caption->text(), QString());
            QCOMPARE(text->text(), kNotSelected);
        }
    }
}

void FrmDisplayTest::backAndEscReportWhatTheUserWants_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("back");
    QTest::newRow("Back button") << QStringLiteral("cmdBack") << true;
    QTest::newRow("File > Back") << QStringLiteral("mnuFileBack") << true;
    QTest::newRow("Enter at opening presses Back") << QStringLiteral("Enter") << true;
    QTest::newRow("Esc exits") << QStringLiteral("Esc") << false;
}

void FrmDisplayTest::backAndEscReportWhatTheUserWants()
{
    QFETCH(QString, how);
    QFETCH(bool, back);
    QPointer display = shownActive(new frmDisplay);
    QVERIFY(display);
    QSignalSpy backRequested(display.data(), &frmDisplay::backRequested);
    QSignalSpy closed(display.data(), &frmDisplay::closed);

    if (how == u"cmdBack") {
        QTest::mouseClick(display->findChild<QPushButton *>(how), Qt::LeftButton);
    } else if (how == u"mnuFileBack") {
        display->findChild<QAction *>(how)->trigger();
    } else {
        QTRY_VERIFY(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(),
                        how == u"Esc" ? Qt::Key_Escape : Qt::Key_Return);
    }

    QCOMPARE(backRequested.count(), back ? 1 : 0);
    QCOMPARE(closed.count(), back ? 0 : 1);
    // Back leaves the closing to the one who asked for it.
    if (back)
        QVERIFY(display->isVisible());
    else
        QTRY_VERIFY(!display);
}

void FrmDisplayTest::analyzeAndBackReplaceTheMainWindowWithoutShowingTheExitScreen()
{
    ProcessEndRecorder ends;
    Shell shell(testServices(ends));
    QVERIFY(shell.start());
    QPointer questionnaire = qobject_cast<frmMain *>(shell.mainWindow());
    QVERIFY(questionnaire);
    QPointer results = answerAndFinish(*questionnaire, { 2, 1, 2, 1, 2, 1, 2, 1 });
    QVERIFY(results);
    QCOMPARE(shell.mainWindow(), results);
    QCOMPARE(labelText(results, QStringLiteral("lblToeShape")), QStringLiteral("Bent"));
    QCOMPARE(visibleWindowCount(), 1);
    QTRY_VERIFY(!questionnaire); // unloaded, not hidden
    // The exit screen comes into being at the first switch but is shown only
    // by an exit: a switch must not even flash it on screen.
    QPointer<frmNagScreen2> exitScreen = shell.exitScreen();
    QVERIFY(exitScreen && !exitScreen->isVisible());
    int shown = 0;
    struct ShowCounter : QObject
    {
        int &count;
        explicit ShowCounter(int &c)
            : count(c)
        {
        }
        bool eventFilter(QObject *, QEvent *event) override
        {
            count += event->type() == QEvent::Show;
            return false;
        }
    } counter(shown);
    exitScreen->installEventFilter(&counter);

    QVERIFY(clickButton(results, QStringLiteral("cmdBack")));
    auto *fresh = qobject_cast<frmMain *>(shell.mainWindow());
    QVERIFY(fresh && fresh->isVisible());
    QCOMPARE(visibleWindowCount(), 1);
    QTRY_VERIFY(!results);
    QCOMPARE(fresh->currentPage(), 0);
    for (int page = 0; page < catalogue::kQuestionCount; ++page) {
        for (int answer = 0; answer < catalogue::question(page).answerCount(); ++answer)
            QVERIFY(!fresh->isAnswerSelected(page, answer));
    }
    // Only the questionnaire of the start draws its promotional label.
    QCOMPARE(frontPromoLabel(*fresh), QStringLiteral("lblFullBrand"));

    // The new results window shows the new answers only.
    results = answerAndFinish(*fresh, { 0, 0, 0, 0, 0, -1, 0, 0 });
    QVERIFY(results);
    QCOMPARE(labelText(results, QStringLiteral("lblToeShape")), QString());
    QCOMPARE(labelText(results, QStringLiteral("lblToeShapeResult")), kNotSelected);
    QCOMPARE(shown, 0);

    QVERIFY(clickButton(results, QStringLiteral("cmdExit")));
    QCOMPARE(shown, 1);
    QCOMPARE(shell.exitScreen(), exitScreen.data());
    exitScreen->removeEventFilter(&counter);
    QCOMPARE(ends.count(), 0);
    endProgramAndClearWindows(shell);
}

void FrmDisplayTest::copyAndTextFileHoldTheReadingInTheUsersLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << QString();
    QTest::newRow("Arabic, right to left") << QStringLiteral("ar");
    QTest::newRow("Japanese") << QStringLiteral("ja");
}

void FrmDisplayTest::copyAndTextFileHoldTheReadingInTheUsersLanguage()
{
    QFETCH(QString, language);
    const auto restore = inLanguage(language);
    const QString golden = goldenText(language.isEmpty() ? QStringLiteral("en") : language);
    const std::unique_ptr<frmDisplay> display(shownReading());
    QVERIFY(display);
    QGuiApplication::clipboard()->clear();
    QTest::keySequence(display.get(), QKeySequence::Copy);
    const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
    QCOMPARE(copied->text(), golden);
    const QString html = copied->html();
    QVERIFY(html.contains(
        QStringLiteral("<h2>%1</h2>").arg(catalogue::question(7).resultTitle.shown())));
    QCOMPARE(html.contains(QStringLiteral("<body dir=\"rtl\">")), language == u"ar");

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("reading.txt"));
    QVERIFY(display->saveReading(path, readingfile::Format::Text));
    QCOMPARE(QString::fromUtf8(fileBytes(path)), golden);
}

void FrmDisplayTest::rightClickOnTheReadingOffersCopyAndSaveWithTheirKeys()
{
    const std::unique_ptr<frmDisplay> display(shownReading());
    QVERIFY(display);
    const auto rightClick = [&](QWidget *on) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2),
                                on->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(on, &event);
        return display->findChild<QMenu *>(QStringLiteral("mnuReading"));
    };
    // Nothing new off the reading: the buttons' band keeps its own behaviour.
    QVERIFY(!rightClick(display->findChild<QPushButton *>(QStringLiteral("cmdExit"))));
    QMenu *menu = rightClick(display->answerLabel(2));
    QVERIFY(menu);
    QTRY_VERIFY(menu->isVisible());
    QStringList items;
    for (const QAction *item : menu->actions())
        items << item->text() + u'\t' + item->shortcut().toString();
    QCOMPARE(items, QStringList({ "&Copy\tCtrl+C", "&Save Reading As…\tCtrl+S" }));
    menu->hide();
}

void FrmDisplayTest::saveAsOpensInDocumentsAndTakesTheFormatFromTheName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QByteArray>("start");
    QTest::newRow("PDF, the default") << "reading" << 0 << "reading.pdf" << QByteArray("%PDF");
    QTest::newRow("no suffix, text filter")
        << "reading" << 2 << "reading.txt" << QByteArray("Toevane");
    QTest::newRow(".png under the PDF filter") << "r.png" << 0 << "r.png" << QByteArray("\x89PNG");
    QTest::newRow(".TXT under the PNG filter") << "r.TXT" << 1 << "r.TXT" << QByteArray("Toevane");
}

void FrmDisplayTest::saveAsOpensInDocumentsAndTakesTheFormatFromTheName()
{
    QFETCH(QString, typed);
    QFETCH(int, filter);
    QFETCH(QString, saved);
    QFETCH(QByteArray, start);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QVERIFY(QDir().mkpath(documents));
    QTemporaryDir folder;
    const std::unique_ptr<frmDisplay> display(shownReading());
    QVERIFY(display);
    QString offered;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        offered =
            QDir(dialog->directory()).path() + u'/' + dialog->findChild<QLineEdit *>()->text();
        // The filter chosen as a user does, with the arrow keys.
        auto *filters = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        for (int i = 0; i < filter; ++i)
            QTest::keyClick(filters, Qt::Key_Down);
        dialog->setDirectory(folder.path());
        dialog->selectFile(typed);
        static_cast<QDialog *>(dialog)->accept(); // as the Save button does
    });
    QTest::keySequence(display.get(), QKeySequence::Save);
    QCOMPARE(offered,
             QDir(documents).path() +
                 QStringLiteral("/Toevane reading %1.pdf")
                     .arg(QDate::currentDate().toString(Qt::ISODate)));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList(saved));
    QVERIFY(fileBytes(folder.filePath(saved)).startsWith(start));
}

void FrmDisplayTest::thePdfIsOnePageOfSelectableTextOnTheUsersPaper_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("mediaBox"); // in points
    QTest::newRow("US Letter in the United States") << "en_US"
                                                    << "612 792";
    QTest::newRow("Letter in Canada") << "fr_CA"
                                      << "612 792";
    QTest::newRow("A4 in Germany") << "de_DE"
                                   << "595 842";
    QTest::newRow("A4 in Japan, in Japanese") << "ja_JP"
                                              << "595 842";
}

void FrmDisplayTest::thePdfIsOnePageOfSelectableTextOnTheUsersPaper()
{
    QFETCH(QString, locale);
    QFETCH(QString, mediaBox);
    const auto restore = inLanguage(locale.startsWith(u"ja") ? QStringLiteral("ja") : QString());
    QLocale::setDefault(QLocale(locale));
    const std::unique_ptr<frmDisplay> display(shownReading());
    QVERIFY(display);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("reading.pdf"));
    QVERIFY(display->saveReading(path, readingfile::Format::Pdf));
    const QByteArray pdf = fileBytes(path);
    QCOMPARE(pdf.count("/Type /Page\n"), 1);
    const auto box = QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([\\d.]+) ([\\d.]+)\\]"))
                         .match(QString::fromLatin1(pdf));
    QCOMPARE(QStringLiteral("%1 %2")
                 .arg(qRound(box.captured(1).toDouble()))
                 .arg(qRound(box.captured(2).toDouble())),
             mediaBox);
    QVERIFY(pdf.contains("/FontFile2")); // the fonts go with the file
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (Debian: poppler-utils) is missing: the PDF's text is not checked");
    QProcess process;
    process.start(pdftotext,
                  { QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-") });
    QVERIFY(process.waitForFinished(30000));
    // Compared without blanks and line ends: Japanese breaks lines between
    // any two letters, which pdftotext reads as a blank.
    const QRegularExpression blanks(QStringLiteral("\\s+"));
    QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()).remove(blanks),
             sheetPlainText(display->sheet()).remove(blanks));
}

void FrmDisplayTest::thePngIsTheWindowAtTheScreensScale()
{
    // Run again with QT_SCALE_FACTOR=2 (tst_frmdisplay_2x).
    const std::unique_ptr<frmDisplay> display(shownReading());
    QVERIFY(display);
    const qreal scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
        ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
        : 1.0;
    QCOMPARE(display->devicePixelRatioF(), scale);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("reading.png"));
    QVERIFY(display->saveReading(path, readingfile::Format::Png));
    const QImage saved(path);
    QCOMPARE(saved.size(), display->size() * scale);
    QImage drawn = display->grab().toImage().convertToFormat(saved.format());
    drawn.setDevicePixelRatio(1); // a PNG file has pixels only
    QCOMPARE(saved, drawn);
}

void FrmDisplayTest::aFailedSaveSaysWhatAndWhereAndLeavesTheFileAsItWas_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<QString>("name"); // in the test's folder
    QTest::addColumn<QString>("says");
    QTest::newRow("full disk") << "full"
                               << "reading.pdf"
                               << "because the disk is full.";
    QTest::newRow("folder without write permission")
        << "readonly"
        << "reading.pdf"
        << "because you have no permission to write there.";
    QTest::newRow("path that cannot exist") << ""
                                            << "missing/folder/reading.pdf"
                                            << "because its folder does not exist.";
    QTest::newRow("name that is a folder") << "folder"
                                           << "reading.pdf"
                                           << "because a folder has that name.";
}

void FrmDisplayTest::aFailedSaveSaysWhatAndWhereAndLeavesTheFileAsItWas()
{
    QFETCH(QString, obstacle);
    QFETCH(QString, name);
    QFETCH(QString, says);
    QTemporaryDir folder;
    const QString path = folder.filePath(name);
    const QByteArray kept("a reading kept before");
    if (obstacle == u"folder")
        QVERIFY(QDir().mkpath(path + QStringLiteral("/inside")));
    else if (!obstacle.isEmpty())
        QVERIFY(writeFileBytes(path, kept));
    auto restore = qScopeGuard([&] {
        QProcess::execute(QStringLiteral("chattr"), { QStringLiteral("-i"), folder.path() });
        QFile::setPermissions(folder.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });
    if (obstacle == u"readonly") {
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
        if (QFileInfo(folder.path()).isWritable() &&
            QProcess::execute(QStringLiteral("chattr"), { QStringLiteral("+i"), folder.path() }) !=
                0)
            QSKIP("no folder can be made unwritable here");
    }
    const QStringList before = QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden);
    const std::unique_ptr<frmDisplay> display(shownReading());
    QVERIFY(display);
    BoxAnswerer boxes;
    bool saved = true;
    if (obstacle == u"full") {
#ifdef Q_OS_LINUX
        // A file size limit stands in for the full disk: the write fails alike.
        rlimit unlimited {};
        ::getrlimit(RLIMIT_FSIZE, &unlimited);
        const rlimit limited { 100, unlimited.rlim_max };
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        ::setrlimit(RLIMIT_FSIZE, &limited);
        saved = display->saveReading(path, readingfile::Format::Pdf);
        ::setrlimit(RLIMIT_FSIZE, &unlimited);
        std::signal(SIGXFSZ, previous);
#else
        QSKIP("a full disk is made with a Linux file size limit");
#endif
    } else {
        saved = display->saveReading(path, readingfile::Format::Pdf);
    }
    QVERIFY(!saved);
    QCOMPARE(boxes.shown.size(), 1);
    QCOMPARE(boxes.shown[0].icon, QMessageBox::Critical);
    QCOMPARE(boxes.shown[0].text,
             QStringLiteral("The reading could not be saved as %1 %2")
                 .arg(QDir::toNativeSeparators(path), says));
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden), before);
    if (obstacle == u"folder")
        QVERIFY(QFileInfo(path + QStringLiteral("/inside")).isDir());
    else if (!obstacle.isEmpty())
        QCOMPARE(fileBytes(path), kept);
}

QTEST_MAIN(FrmDisplayTest)
#include "tst_frmdisplay.moc"
