// The results window: its initial captions, the reading written into it, Back
// to a new questionnaire and its keys, the reading copied or saved as PDF, PNG or text.

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

// A results window on screen with the reading these tests keep: Toe Shape
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
    const qsizetype from = all.indexOf(u'\n', all.indexOf("=== " + language + u'\n')) + 1;
    return all.mid(from, all.indexOf(u"\n=== ", from) + 1 - from);
}

// The texts in that language ("en" is the source) and its direction, and the
// locale's conventions, until the guard goes.
auto inLanguage(const QString &language, const QLocale &locale)
{
    language::install({ language });
    QGuiApplication::setLayoutDirection(QLocale(language).textDirection());
    QLocale::setDefault(locale);
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
    void saveAsWritesWhatTheNameOrTheFilterAsksFor_data();
    void saveAsWritesWhatTheNameOrTheFilterAsksFor();
    void aFailedSaveSaysWhatAndWhereAndLeavesTheFileAsItWas_data();
    void aFailedSaveSaysWhatAndWhereAndLeavesTheFileAsItWas();
};

void FrmDisplayTest::newWindowShowsItsInitialCaptions()
{
    const std::unique_ptr<frmDisplay> display(shownActive(new frmDisplay));
    QVERIFY(display);
    QCOMPARE(display->windowTitle(), QStringLiteral("Toevane v1.10"));
    QCOMPARE(display->centralWidget()->size(), QSize(585, 477));
    QCOMPARE(labelText(display.get(), QStringLiteral("lblToeShape")), QString());
    QCOMPARE(labelText(display.get(), QStringLiteral("lblToeShapeResult")), kNotSelected);
    QCOMPARE(labelText(display.get(), QStringLiteral("lblBigToeResult")), QString());
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
        auto *caption = display.findChild<QLabel *>(QStringLiteral("lbl%1").arg(question.key));
        auto *text = display.findChild<QLabel *>(QStringLiteral("lbl%1Result").arg(question.key));
        QVERIFY(caption && text);
        // Shown in the frame of that question.
        auto *frame = qobject_cast<QGroupBox *>(caption->parentWidget());
        QVERIFY(frame && text->parentWidget() == frame);
        QCOMPARE(frame->title(), question.resultTitle.toString());
        // An unanswered question keeps the captions the window opened with.
        QCOMPARE(caption->text(), entry.answered ? entry.caption : QString());
        QCOMPARE(text->text(), entry.answered ? entry.text : kNotSelected);
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
    struct ShowCounter : QObject
    {
        int shown = 0;
        bool eventFilter(QObject *, QEvent *event) override
        {
            shown += event->type() == QEvent::Show;
            return false;
        }
    } counter;
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
    QCOMPARE(counter.shown, 0);

    QVERIFY(clickButton(results, QStringLiteral("cmdExit")));
    QCOMPARE(counter.shown, 1);
    QCOMPARE(shell.exitScreen(), exitScreen.data());
    exitScreen->removeEventFilter(&counter);
    QCOMPARE(ends.count(), 0);
    endProgramAndClearWindows(shell);
}

void FrmDisplayTest::copyAndTextFileHoldTheReadingInTheUsersLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("byMenu"); // else by its key
    QTest::newRow("English, Ctrl+C") << "en" << false;
    QTest::newRow("Arabic, right to left, from the right-click menu") << "ar" << true;
    QTest::newRow("Japanese, Ctrl+C") << "ja" << false;
}

void FrmDisplayTest::copyAndTextFileHoldTheReadingInTheUsersLanguage()
{
    QFETCH(QString, language);
    QFETCH(bool, byMenu);
    const auto restore = inLanguage(language, QLocale::system());
    const std::unique_ptr<frmDisplay> display(shownReading());
    QVERIFY(display);
    if (byMenu) {
        // A right-click off the reading (on Exit) offers nothing new; on the
        // reading, Copy and Save Reading As with their keys.
        for (QWidget *on : { display->findChild<QWidget *>("cmdExit"),
                             static_cast<QWidget *>(display->textLabel(2)) }) {
            QContextMenuEvent event(QContextMenuEvent::Mouse, {}, on->mapToGlobal(QPoint()));
            QApplication::sendEvent(on, &event);
        }
        auto *menu = display->findChild<QMenu *>("mnuReading");
        QVERIFY(menu && menu->isVisible());
        QCOMPARE(menu->pos(), display->textLabel(2)->mapToGlobal(QPoint()));
        QCOMPARE(menu->actions().size(), 2);
        QCOMPARE(menu->actions()[0]->shortcut(), QKeySequence(QKeySequence::Copy));
        QCOMPARE(menu->actions()[1]->shortcut(), QKeySequence(QKeySequence::Save));
        menu->actions()[0]->trigger();
    } else {
        QTest::keySequence(display.get(), QKeySequence::Copy);
    }
    const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
    QCOMPARE(copied->text(), goldenText(language));
    QVERIFY(copied->html().contains("<h2>" + catalogue::question(7).resultTitle.shown() + "</h2>"));
    QCOMPARE(copied->html().contains(u"<body dir=\"rtl\">"), language == u"ar");
    QTemporaryDir folder;
    QVERIFY(display->saveReading(folder.filePath("r.txt"), readingfile::Format::Text));
    QCOMPARE(QString::fromUtf8(fileBytes(folder.filePath("r.txt"))), goldenText(language));
}

void FrmDisplayTest::saveAsWritesWhatTheNameOrTheFilterAsksFor_data()
{
    // Typed in the dialog, with a filter chosen; the file saved, in the
    // language and on the paper (for a PDF, its size in points) of a locale.
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("filter"); // PDF, PNG, text
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QSize>("paper");
    const QSize a4(595, 842), letter(612, 792);
    // clang-format off
    QTest::newRow("PDF, the default, A4 in Germany") << "r" << 0 << "r.pdf" << "de_DE" << a4;
    QTest::newRow("PDF on Letter in the US") << "r" << 0 << "r.pdf" << "en_US" << letter;
    QTest::newRow("PDF on Letter in Canada") << "r" << 0 << "r.pdf" << "fr_CA" << letter;
    QTest::newRow("PDF in Japanese, A4") << "r" << 0 << "r.pdf" << "ja_JP" << a4;
    QTest::newRow(".png under the PDF filter") << "r.png" << 0 << "r.png" << "en_US" << QSize();
    QTest::newRow("text filter, no suffix") << "r" << 2 << "r.txt" << "en_US" << QSize();
    QTest::newRow(".TXT under the PNG filter") << "r.TXT" << 1 << "r.TXT" << "en_US" << QSize();
    // clang-format on
}

void FrmDisplayTest::saveAsWritesWhatTheNameOrTheFilterAsksFor()
{
    QFETCH(QString, typed);
    QFETCH(int, filter);
    QFETCH(QString, saved);
    QFETCH(QString, locale);
    QFETCH(QSize, paper);
    const auto restore = inLanguage(locale.left(2), QLocale(locale));
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
        offered = dialog->directory().filePath(dialog->findChild<QLineEdit *>()->text());
        for (int i = 0; i < filter; ++i) // as a user chooses it, with the arrow key
            QTest::keyClick(dialog->findChild<QComboBox *>("fileTypeCombo"), Qt::Key_Down);
        dialog->setDirectory(folder.path());
        dialog->selectFile(typed);
        static_cast<QDialog *>(dialog)->accept(); // as the Save button does
    });
    QTest::keySequence(display.get(), QKeySequence::Save);
    QCOMPARE(offered, QDir(documents).filePath(readingFileBaseName(QDate::currentDate()) + ".pdf"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList(saved));
    // Nor does the dialog keep the folder in a file of Qt's.
    QVERIFY(!QFile::exists(qEnvironmentVariable("XDG_CONFIG_HOME") + "/QtProject.conf"));
    const QString path = folder.filePath(saved);
    const QByteArray bytes = fileBytes(path);
    if (saved.endsWith(u"png")) {
        // At the screen's scale (tst_frmdisplay_2x runs this row at 2x).
        QImage drawn = display->grab().toImage();
        QCOMPARE(drawn.size(),
                 display->size() * qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble());
        drawn.setDevicePixelRatio(1);
        QCOMPARE(QImage(path), drawn.convertToFormat(QImage(path).format()));
        return;
    }
    const QString text = sheetPlainText(display->sheet());
    if (paper.isEmpty()) { // no PDF
        QCOMPARE(QString::fromUtf8(bytes), text);
        return;
    }
    QCOMPARE(bytes.count("/Type /Page\n"), 1);
    const auto box = QRegularExpression("/MediaBox \\[0 0 ([\\d.]+) ([\\d.]+)\\]")
                         .match(QString::fromLatin1(bytes));
    QCOMPARE(QSize(qRound(box.captured(1).toDouble()), qRound(box.captured(2).toDouble())), paper);
    QVERIFY(bytes.contains("/FontFile2")); // the fonts go with the file
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (Debian: poppler-utils) is missing: the PDF's text is not checked");
    QProcess process;
    process.start(pdftotext, { "-enc", "UTF-8", path, "-" });
    QVERIFY(process.waitForFinished(30000));
    // Without blanks: Japanese breaks lines anywhere, which reads as a blank.
    const QRegularExpression blanks("\\s+");
    QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()).remove(blanks),
             QString(text).remove(blanks));
}

void FrmDisplayTest::aFailedSaveSaysWhatAndWhereAndLeavesTheFileAsItWas_data()
{
    QTest::addColumn<savefile::Problem>("problem");
    QTest::addColumn<QString>("name"); // in the test's folder
    // clang-format off
    QTest::newRow("full disk") << savefile::Problem::DiskFull << "r.pdf";
    QTest::newRow("folder without write permission") << savefile::Problem::NotAllowed << "r.pdf";
    QTest::newRow("path that cannot exist") << savefile::Problem::NoSuchFolder << "no/such/r.pdf";
    QTest::newRow("name that is a folder") << savefile::Problem::NameIsAFolder << "r.pdf";
#ifdef Q_OS_UNIX
    QTest::newRow("name that is a link to a device") << savefile::Problem::Failed << "r.pdf";
#endif
    // clang-format on
}

void FrmDisplayTest::aFailedSaveSaysWhatAndWhereAndLeavesTheFileAsItWas()
{
    QFETCH(savefile::Problem, problem);
    QFETCH(QString, name);
    QTemporaryDir folder;
    const QString path = folder.filePath(name);
    const bool kept =
        problem == savefile::Problem::DiskFull || problem == savefile::Problem::NotAllowed;
    const auto unlock = qScopeGuard([&] {
        QProcess::execute("chattr", { "-i", folder.path() });
        QFile::setPermissions(folder.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });
    if (problem == savefile::Problem::NameIsAFolder)
        QVERIFY(QDir().mkpath(path + "/inside"));
    else if (problem == savefile::Problem::Failed && !QFile::link("/dev/null", path))
        QSKIP("no link to a device here");
    else if (kept)
        QVERIFY(writeFileBytes(path, "kept"));
    // An unwritable folder: its write permission off, and for root immutable.
    if (problem == savefile::Problem::NotAllowed) {
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
        QProcess::execute("chattr", { "+i", folder.path() });
        if (QFile probe(folder.filePath("probe"));
            probe.open(QIODevice::WriteOnly) && probe.remove())
            QSKIP("no folder can be made unwritable here");
    }
    const QStringList before = QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden);
    const std::unique_ptr<frmDisplay> display(shownReading());
    QVERIFY(display);
    BoxAnswerer boxes;
#ifdef Q_OS_LINUX
    // A file size limit stands in for the full disk: the write fails alike
    // (and must not end the program with SIGXFSZ).
    rlimit unlimited {};
    ::getrlimit(RLIMIT_FSIZE, &unlimited);
    const rlimit limited { 100, unlimited.rlim_max };
    if (problem == savefile::Problem::DiskFull)
        ::setrlimit(RLIMIT_FSIZE, &limited);
    const bool saved = display->saveReading(path, readingfile::Format::Pdf);
    ::setrlimit(RLIMIT_FSIZE, &unlimited);
#else
    if (problem == savefile::Problem::DiskFull)
        QSKIP("a full disk is made with a Linux file size limit");
    const bool saved = display->saveReading(path, readingfile::Format::Pdf);
#endif
    QVERIFY(!saved);
    QCOMPARE(
        boxes.shown,
        QList({ MessageAnswers::Box { saveProblemText(problem, path), QMessageBox::Critical } }));
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden), before);
    QCOMPARE(QFileInfo(path).symLinkTarget(),
             problem == savefile::Problem::Failed ? "/dev/null" : "");
    QCOMPARE(fileBytes(path), QByteArray(kept ? "kept" : ""));
}

QTEST_MAIN(FrmDisplayTest)
#include "tst_frmdisplay.moc"
