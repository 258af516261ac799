#include "results/frmdisplay.h"

#include "common/accessibility.h"
#include "common/look.h"
#include "links/linklabel.h"
#include "links/menus.h"
#include "links/promolabels.h"
#include "questionnaire/catalogue.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

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

QString notSelectedText()
{
    //: Said in place of the Toe Shape answer that was skipped; at most four
    //: lines of 273 pixels at 8.25 pt bold.
    return QCoreApplication::translate("toevane::frmDisplay",
                                       "You are not selected this type of Toe.");
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

    auto *frame1 = new QGroupBox(tr("Toevane Interpretation"), root);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setGeometry(kResultsBand);
    frame1->setFont(look::verdana(8.25, look::Weight::Bold));
    look::setTextColor(frame1, look::kWhite);
    buildResultFrames(frame1);

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

} // namespace toevane
