#include "questionnaire/frmmain.h"

#include "common/accessibility.h"
#include "common/look.h"
#include "common/messagebox.h"
#include "links/linklabel.h"
#include "links/menus.h"
#include "links/promolabels.h"
#include "questionnaire/catalogue.h"
#include "questionnaire/reading.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>

namespace toevane {

namespace {

constexpr QSize kClientSize { 484, 393 };

// Bands of the window, top to bottom.
constexpr QRect kBannerBand { 4, 0, 476, 48 };
constexpr QRect kIntroBand { 4, 48, 476, 60 };
constexpr QRect kPageBand { 4, 108, 476, 210 };
constexpr QRect kBottomBand { 4, 318, 476, 72 };

// Inside a page.
constexpr QRect kPageArea { 6, 4, 464, 202 };
constexpr int kOptionTop = 22;
constexpr int kOptionPitch = 22;
constexpr QRect kNextButton { 314, 168, 140, 26 };
constexpr QRect kBackButton { 214, 168, 92, 26 };

// Inside the bottom band: the promotional box and the Exit button.
constexpr QRect kPromoBox { 6, 5, 311, 62 };
constexpr QRect kExitButton { 360, 22, 100, 28 };

QString introText()
{
    //: Four lines of 464 pixels at 8.25 pt bold.
    return QCoreApplication::translate(
        "toevane::frmMain",
        "Toevane is a feet divination software. Know what your toes reveal about your "
        "personality with this simple tool. Just choose the right options that stand true for "
        "you and get your answers! ");
}

QGroupBox *band(const char *name, const QRect &geometry, QWidget *parent)
{
    auto *box = new QGroupBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(geometry);
    return box;
}

} // namespace

frmMain::frmMain(QWidget *parent)
    : MainWindowBase("frmMain", kClientSize, parent)
{
    const MainMenuActions menus = buildMainMenuBar(this, MainWindowKind::Questionnaire);
    connect(menus.exit, &QAction::triggered, this, &frmMain::mnuExit_Click);
    connect(menus.about, &QAction::triggered, this, &frmMain::aboutRequested);

    QWidget *root = client();

    QGroupBox *frame5 = band("Frame5", kBottomBand, root);
    //: Fits in 92 pixels at 8.25 pt bold.
    m_cmdExit = look::greyButton(QStringLiteral("cmdExit"), tr("&Exit"), kExitButton, frame5);
    connect(m_cmdExit, &QPushButton::clicked, this, &frmMain::cmdExit_Click);
    setExitButton(m_cmdExit);
    m_lblCobrand = promo::createCoBrandLabel(frame5);
    m_lblFullBrand = promo::createFullBrandLabel(frame5);
    m_lblCobrand->setGeometry(kPromoBox);
    m_lblFullBrand->setGeometry(kPromoBox);
    promo::bringToFront(m_lblFullBrand, m_lblCobrand); // full branding in a new window

    QGroupBox *frame2 = band("Frame2", kBannerBand, root);
    QLabel *banner = promo::createBanner(frame2);
    banner->setGeometry(frame2->rect().adjusted(4, 2, -4, -2));

    QGroupBox *frame3 = band("Frame3", kIntroBand, root);
    auto *intro = new QLabel(introText(), frame3);
    intro->setObjectName(QStringLiteral("Label1"));
    intro->setFont(look::verdana(8.25, look::Weight::Bold));
    look::setTextColor(intro, look::kWhite);
    intro->setWordWrap(true);
    intro->setGeometry(frame3->rect().adjusted(6, 4, -6, -4));

    QGroupBox *frame1 = band("Frame1", kPageBand, root);
    m_pages = new QStackedWidget(frame1);
    m_pages->setObjectName(QStringLiteral("pages"));
    m_pages->setGeometry(kPageArea);
    // The pages are built when first shown: the seven hidden ones would
    // cost the start more than the whole window they sit in.

    // cmdExit comes first in the tab order and holds the focus at opening.
    setTabOrder(m_cmdExit, m_pages);
    m_cmdExit->setFocus();

    fixWindowSize();
    nameFramesByTheirTitles(this);
    Form_Load();
}

QWidget *frmMain::buildPage(int page)
{
    const catalogue::Question &question = catalogue::question(page);
    // The font before the title: a title is measured as soon as it is set,
    // and measuring it in the application's default font would load that
    // font for nothing.
    auto *frame = new QGroupBox;
    frame->setObjectName(QStringLiteral("fraToe_%1").arg(page));
    frame->setFont(look::verdana(8.25, look::Weight::Bold));
    frame->setTitle(question.title.shown());
    look::setTextColor(frame, look::kPink);

    for (int answer = 0; answer < question.answerCount(); ++answer) {
        auto *option =
            new QRadioButton(question.answers[std::size_t(answer)].caption.shown(), frame);
        option->setObjectName(question.optionName(answer));
        look::setTextColor(option, look::kLightOrange);
        option->setGeometry(14, kOptionTop + answer * kOptionPitch, kPageArea.width() - 28,
                            kOptionPitch);
        m_options[std::size_t(page)][std::size_t(answer)] = option;
    }

    auto *next = look::greyButton(QStringLiteral("cmdNext_%1").arg(page), question.nextCaption(),
                                  kNextButton, frame);
    connect(next, &QPushButton::clicked, this, [this, page] { cmdNext_Click(page); });
    if (question.hasBack()) {
        //: Fits in 84 pixels at 8.25 pt bold.
        auto *back = look::greyButton(QStringLiteral("cmdBack_%1").arg(page), tr("&Back"),
                                      kBackButton, frame);
        connect(back, &QPushButton::clicked, this, [this, page] { cmdBack_Click(page); });
    }
    return frame;
}

void frmMain::Form_Load()
{
    ShowPage(0);
}

void frmMain::ShowPage(int page)
{
    if (page < 0 || page >= catalogue::kQuestionCount)
        return;
    QWidget *&shown = m_pageWidgets[std::size_t(page)];
    if (!shown) {
        shown = buildPage(page);
        m_pages->addWidget(shown);
    }
    // Focus that was on the page being covered would otherwise fall to the
    // first answer of the new page, where Enter means Exit; it goes to the
    // new page's Next button instead.
    const QWidget *focus = focusWidget(); // kept while a message box is up
    const bool focusOnPages = focus && m_pages->isAncestorOf(focus);
    m_pages->setCurrentWidget(shown);
    m_currentPage = page;
    if (focusOnPages) {
        if (auto *next = shown->findChild<QPushButton *>(QStringLiteral("cmdNext_%1").arg(page)))
            next->setFocus(Qt::OtherFocusReason);
    }
}

int frmMain::currentPage() const
{
    return m_currentPage;
}

QRadioButton *frmMain::option(int page, int answer) const
{
    if (page < 0 || page >= catalogue::kQuestionCount || answer < 0 ||
        answer >= catalogue::kMaxAnswerCount)
        return nullptr;
    return m_options[std::size_t(page)][std::size_t(answer)];
}

bool frmMain::isAnswerSelected(int page, int answer) const
{
    const QRadioButton *button = option(page, answer);
    return button && button->isChecked();
}

bool frmMain::pageAnswered(int page) const
{
    const int count = catalogue::question(page).answerCount();
    int unselected = 0;
    for (int answer = 0; answer < count; ++answer) {
        if (!isAnswerSelected(page, answer))
            ++unselected;
    }
    return unselected != count;
}

void frmMain::cmdNext_Click(int index)
{
    if (index < 0 || index >= catalogue::kQuestionCount || m_finished)
        return;
    if (!pageAnswered(index)) {
        if (!catalogue::question(index).answerRequired) {
            const auto answer =
                showMessage(tr("Do you want to select this option ?"), QMessageBox::NoIcon,
                            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
            if (answer == QMessageBox::No)
                ShowPage(index + 1);
        } else {
            showMessage(tr("Please select an option"), QMessageBox::Information);
        }
        return;
    }
    if (index < catalogue::kLastPage)
        ShowPage(index + 1);
    else {
        m_finished = true; // a repeated Analyze must not make a second reading
        Q_EMIT finished(ComposeReading(
            [this](int page, int answer) { return isAnswerSelected(page, answer); }));
    }
}

void frmMain::cmdBack_Click(int index)
{
    if (index >= 1 && index < catalogue::kQuestionCount)
        ShowPage(index - 1);
}

void frmMain::cmdExit_Click()
{
    close();
}

void frmMain::mnuExit_Click()
{
    cmdExit_Click();
}

} // namespace toevane
