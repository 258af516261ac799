#include "results/frmdisplay.h"

#include "common/accessibility.h"
#include "common/look.h"
#include "common/messagebox.h"
#include "common/platform.h"
#include "links/linklabel.h"
#include "links/menus.h"
#include "links/promolabels.h"
#include "questionnaire/catalogue.h"
#include "results/savefile.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>

#include <utility>

namespace toevane {

namespace {

constexpr QSize kClientSize { 585, 477 };

// The bands share the window's height so that the longest reading text
// (four lines) fits its frame also in a stand-in font with tall lines (Noto
// Sans: 15 pixels a line at 8.25 points, where DejaVu Sans takes 13): the
// banner and the bottom band keep just the room their texts take in it.
constexpr QRect kBannerBand { 4, 0, 577, 38 };
constexpr QRect kResultsBand { 4, 38, 577, 386 };
constexpr QRect kBottomBand { 4, 424, 577, 53 };

// Result frames: two columns of four inside the results band, filled top to
// bottom in page order.
constexpr int kRowsPerColumn = catalogue::kQuestionCount / 2;
constexpr int kColumnLeft[2] = { 5, 289 };
constexpr int kFrameTop = 16;
constexpr int kFramePitch = 92;
constexpr QSize kFrameSize { 283, 92 };
constexpr QRect kAnswerLabel { 5, 15, 273, 15 };
constexpr QRect kTextLabel { 5, 30, 273, 60 }; // four lines of 15 pixels

constexpr QRect kPromoBox { 6, 4, 399, 45 }; // three lines of 15 pixels
constexpr QRect kExitButton { 413, 12, 76, 28 };
constexpr QRect kBackButton { 495, 12, 76, 28 };

// Where the save dialog opens: the user's documents folder, or the home
// folder where there is none.
QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

// An empty label is hidden: a screen reader would announce it by the title
// of its frame.
void showText(QLabel *label, const QString &text)
{
    label->setText(text);
    label->setVisible(!text.isEmpty());
}

} // namespace

frmDisplay::frmDisplay(QWidget *parent)
    : MainWindowBase("frmDisplay", kClientSize, parent)
{
    const MainMenuActions menus = buildMainMenuBar(this, MainWindowKind::Results);
    connect(menus.back, &QAction::triggered, this, &frmDisplay::mnuFileBack_Click);
    connect(menus.exit, &QAction::triggered, this, &frmDisplay::mnuExit_Click);
    connect(menus.about, &QAction::triggered, this, &frmDisplay::aboutRequested);

    QWidget *root = client();

    auto *frame2 = new QGroupBox(root);
    frame2->setObjectName(QStringLiteral("Frame2"));
    frame2->setGeometry(kBannerBand);
    QLabel *banner = promo::createBanner(frame2);
    banner->setGeometry(frame2->rect().adjusted(4, 2, -4, -2));

    m_frame1 = new QGroupBox(tr("Toevane Interpretation"), root);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    m_frame1->setGeometry(kResultsBand);
    m_frame1->setFont(look::verdana(8.25, look::Weight::Bold));
    look::setTextColor(m_frame1, look::kWhite);
    buildResultFrames(m_frame1);

    auto *frame5 = new QGroupBox(root);
    frame5->setObjectName(QStringLiteral("Frame5"));
    frame5->setGeometry(kBottomBand);
    m_lblFullBrand = promo::createFullBrandLabel(frame5);
    m_lblCobrand = promo::createCoBrandLabel(frame5);
    m_lblFullBrand->setGeometry(kPromoBox);
    m_lblCobrand->setGeometry(kPromoBox);
    promo::bringToFront(m_lblCobrand, m_lblFullBrand); // co-branding in this window
    //: Fits in 68 pixels at 8.25 pt bold.
    m_cmdExit = look::greyButton(QStringLiteral("cmdExit"), tr("&Exit"), kExitButton, frame5);
    //: Fits in 68 pixels at 8.25 pt bold.
    m_cmdBack = look::greyButton(QStringLiteral("cmdBack"), tr("&Back"), kBackButton, frame5);
    connect(m_cmdExit, &QPushButton::clicked, this, &frmDisplay::cmdExit_Click);
    connect(m_cmdBack, &QPushButton::clicked, this, &frmDisplay::cmdBack_Click);
    setExitButton(m_cmdExit);

    // Back first, then Exit: Back holds the focus when the window opens.
    setTabOrder(m_cmdBack, m_cmdExit);
    m_cmdBack->setFocus();

    // Keeping the reading: the keys work while the window is active; the
    // menu that also offers them is made at the first right-click.
    //: The reading's right-click menu.
    m_mnuCopy = new QAction(tr("&Copy"), this);
    m_mnuCopy->setObjectName(QStringLiteral("mnuCopy"));
    m_mnuCopy->setShortcut(QKeySequence::Copy);
    //: The reading's right-click menu.
    m_mnuSaveAs = new QAction(tr("&Save Reading As…"), this);
    m_mnuSaveAs->setObjectName(QStringLiteral("mnuSaveAs"));
    m_mnuSaveAs->setShortcut(QKeySequence::Save);
    addActions({ m_mnuCopy, m_mnuSaveAs });
    connect(m_mnuCopy, &QAction::triggered, this, &frmDisplay::mnuCopy_Click);
    connect(m_mnuSaveAs, &QAction::triggered, this, &frmDisplay::mnuSaveAs_Click);

    fixWindowSize();
    nameFramesByTheirTitles(this);
}

void frmDisplay::buildResultFrames(QWidget *parent)
{
    for (const catalogue::Question &question : catalogue::questions()) {
        const int column = question.page / kRowsPerColumn;
        const int row = question.page % kRowsPerColumn;
        auto *frame = new QGroupBox(question.resultTitle.shown(), parent);
        frame->setObjectName(question.resultFrame.toString());
        frame->setGeometry(
            QRect(QPoint(kColumnLeft[column], kFrameTop + row * kFramePitch), kFrameSize));
        look::setTextColor(frame, look::kPink);

        auto *answer = new QLabel(frame);
        answer->setObjectName(question.answerLabelName());
        answer->setFont(look::verdana(8.25, look::Weight::Bold, look::Underline::Yes));
        look::setTextColor(answer, look::kLightCyan);
        answer->setTextFormat(Qt::PlainText);
        answer->setGeometry(kAnswerLabel);
        showText(answer, {});

        auto *text = new QLabel(frame);
        text->setObjectName(question.textLabelName());
        text->setFont(look::verdana(8.25, look::Weight::Bold));
        look::setTextColor(text, look::kOrange);
        text->setTextFormat(Qt::PlainText);
        text->setWordWrap(true);
        text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        text->setGeometry(kTextLabel);
        // Toe Shape, the one question that may be skipped, says so until answered.
        showText(text, question.answerRequired ? QString() : notSelectedText());

        m_results[std::size_t(question.page)] = { answer, text };
    }
}

QLabel *frmDisplay::answerLabel(int page) const
{
    if (page < 0 || page >= catalogue::kQuestionCount)
        return nullptr;
    return m_results[std::size_t(page)].answer;
}

QLabel *frmDisplay::textLabel(int page) const
{
    if (page < 0 || page >= catalogue::kQuestionCount)
        return nullptr;
    return m_results[std::size_t(page)].text;
}

ReadingSheet frmDisplay::sheet() const
{
    ReadingSheet sheet;
    sheet.heading = m_frame1->title();
    sheet.rightToLeft = layoutDirection() == Qt::RightToLeft;
    for (const catalogue::Question &question : catalogue::questions()) {
        ReadingSheet::Entry &entry = sheet.entries[std::size_t(question.page)];
        entry.title = question.resultTitle.shown();
        if (const QLabel *label = answerLabel(question.page))
            entry.answer = label->text();
        if (const QLabel *label = textLabel(question.page))
            entry.statement = label->text();
    }
    return sheet;
}

void frmDisplay::contextMenuEvent(QContextMenuEvent *event)
{
    // A right-click on the reading, or the menu key anywhere in the window.
    const bool byMouse = event->reason() == QContextMenuEvent::Mouse;
    if (byMouse && !m_frame1->rect().contains(m_frame1->mapFromGlobal(event->globalPos()))) {
        MainWindowBase::contextMenuEvent(event);
        return;
    }
    if (!m_readingMenu) {
        m_readingMenu = new QMenu(this);
        m_readingMenu->setObjectName(QStringLiteral("mnuReading"));
        m_readingMenu->addActions({ m_mnuCopy, m_mnuSaveAs });
    }
    m_readingMenu->popup(byMouse ? event->globalPos()
                                 : m_frame1->mapToGlobal(m_frame1->rect().center()));
    event->accept();
}

void frmDisplay::mnuCopy_Click()
{
    const ReadingSheet reading = sheet();
    auto *data = new QMimeData;
    data->setText(sheetPlainText(reading));
    data->setHtml(sheetHtml(reading));
    QGuiApplication::clipboard()->setMimeData(data);
}

void frmDisplay::mnuSaveAs_Click()
{
    using readingfile::Format;
    const QStringList filters = readingfile::nameFilters();
    const auto selectedFormat = [&filters](const QString &filter) {
        return Format(std::max(qsizetype(0), filters.indexOf(filter)));
    };
    // Qt's own dialog keeps its last folder and history in the file of
    // QSettings(UserScope, "QtProject"), which is not the program's; the
    // program keeps nothing in QSettings' files, so their folder becomes one
    // that cannot be made: the program's own executable file. (On Windows
    // those settings are registry keys, which this does not move.)
    static const bool moved = [] {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QCoreApplication::applicationFilePath());
        return true;
    }();
    Q_UNUSED(moved);
    QFileDialog dialog(this, tr("Save Reading As"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    // A name given without a suffix gets the selected filter's, before the
    // dialog asks whether to replace a file of that name.
    dialog.setDefaultSuffix(readingfile::suffix(Format::Pdf));
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString &filter) {
        dialog.setDefaultSuffix(readingfile::suffix(selectedFormat(filter)));
    });
    dialog.setDirectory(documentsFolder());
    dialog.selectFile(readingFileBaseName(systemToday()) + QStringLiteral(".pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    saveReading(path, readingfile::formatFor(path, selectedFormat(dialog.selectedNameFilter())));
}

bool frmDisplay::saveReading(const QString &path, readingfile::Format format)
{
    QByteArray bytes;
    switch (format) {
    case readingfile::Format::Pdf:
        bytes = readingfile::pdf(sheet(), readingfile::paperFor(QLocale().territory()));
        break;
    case readingfile::Format::Png:
        bytes = readingfile::png(*this);
        break;
    case readingfile::Format::Text:
        bytes = sheetPlainText(sheet()).toUtf8();
        break;
    }
    const savefile::Problem problem = savefile::save(path, bytes);
    if (problem != savefile::Problem::None)
        showMessage(saveProblemText(problem, path), QMessageBox::Critical);
    return problem == savefile::Problem::None;
}

void frmDisplay::cmdBack_Click()
{
    if (std::exchange(m_backRequested, true))
        return;
    Q_EMIT backRequested();
}

void frmDisplay::cmdExit_Click()
{
    close();
}

void frmDisplay::mnuFileBack_Click()
{
    cmdBack_Click();
}

void frmDisplay::mnuExit_Click()
{
    cmdExit_Click();
}

void ApplyReading(const Reading &reading, frmDisplay &display)
{
    for (int page = 0; page < catalogue::kQuestionCount; ++page) {
        const ReadingEntry &entry = reading[std::size_t(page)];
        if (!entry.answered)
            continue;
        if (QLabel *label = display.answerLabel(page))
            showText(label, entry.caption);
        if (QLabel *label = display.textLabel(page))
            showText(label, entry.text);
    }
}

QString saveProblemText(savefile::Problem problem, const QString &path)
{
    const QString where = QDir::toNativeSeparators(path);
    switch (problem) {
    case savefile::Problem::NameIsAFolder:
        return frmDisplay::tr(
                   "The reading could not be saved as %1 because a folder has that name.")
            .arg(where);
    case savefile::Problem::NoSuchFolder:
        return frmDisplay::tr("The reading could not be saved as %1 because its folder does not "
                              "exist.")
            .arg(where);
    case savefile::Problem::NotAllowed:
        return frmDisplay::tr("The reading could not be saved as %1 because you have no "
                              "permission to write there.")
            .arg(where);
    case savefile::Problem::DiskFull:
        return frmDisplay::tr("The reading could not be saved as %1 because the disk is full.")
            .arg(where);
    case savefile::Problem::None:
    case savefile::Problem::Failed:
        break;
    }
    return frmDisplay::tr("The reading could not be saved as %1.").arg(where);
}

} // namespace toevane
