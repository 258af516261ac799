#include "exit_screen/frmnagscreen2.h"

#include "common/apptext.h"
#include "common/icon.h"
#include "common/look.h"
#include "common/mainwindowbase.h"
#include "common/platform.h"
#include "exit_screen/referafriendform.h"
#include "links/addresses.h"
#include "links/linklabel.h"
#include "links/modhelp.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace toevane {

namespace {

constexpr QSize kClientSize { 741, 315 };

// The window, left two thirds top to bottom, then the panel on the right.
constexpr QRect kPicture1 { 24, 8, 36, 36 };
// The title is centred beside the icon in a box with room for the tallest
// stand-in font (Noto Sans: 33 pixels a line at 18 points).
constexpr QRect kLabel1 { 72, 12, 231, 37 };
constexpr QRect kLabel2 { 8, 56, 465, 73 };
constexpr QRect kCheck1 { 2, 136, 479, 37 };
constexpr QRect kCmdClose { 400, 184, 83, 25 };
constexpr QRect kFrame2 { 8, 216, 471, 97 };
constexpr QRect kFrame6 { 488, 8, 249, 305 };

// Inside Frame6: the catalogue text, and below it the link on one line.
constexpr QRect kLabel3 { 8, 24, 233, 257 };
// The link's text keeps its place at the top of a box that takes a line of
// any stand-in font (Noto Sans: 17 pixels at 9 points).
constexpr QRect kLblGoToHome { 5, 283, 239, 18 };

// Frames of the exit screen: filled dark blue, captions in white bold.
void paintBlueFrame(QGroupBox *frame, const QRect &geometry)
{
    frame->setGeometry(geometry);
    frame->setFont(look::verdana(9.75, look::Weight::Bold));
    look::setBackground(frame, look::kDarkBlue);
    // Only the caption's role: the boxes and buttons inside keep black text.
    QPalette palette = frame->palette();
    palette.setColor(QPalette::WindowText, look::kWhite);
    frame->setPalette(palette);
}

} // namespace

frmNagScreen2::frmNagScreen2(Random &random, QWidget *parent)
    : QWidget(parent, fixedBorder(Qt::Window) | Qt::WindowStaysOnTopHint)
    , m_random(random)
{
    setObjectName(QStringLiteral("frmNagScreen2"));
    // The end routine closes it with every other window; nothing keeps it
    // alive.
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(programWindowTitle());
    setWindowIcon(appIcon());
    setFixedSize(kClientSize);
    look::setBackground(this, look::kWhite);
    centreWhenFirstShown(this);
    setFont(look::sansSerif(8.25));

    //: Fits in 75 pixels at 8.25 pt.
    m_cmdClose = new QPushButton(tr("E&xit"), this);
    m_cmdClose->setObjectName(QStringLiteral("cmdClose"));
    m_cmdClose->setGeometry(kCmdClose);
    m_cmdClose->setAutoDefault(true); // Enter on the focused button presses it
    look::pressAtOnceOnAccessKey(m_cmdClose);
    connect(m_cmdClose, &QPushButton::clicked, this, &frmNagScreen2::cmdClose_Click);

    // A check box drawn as a push button: each click that checks it opens the
    // forum, and it is unchecked again at once.
    m_check1 = new QPushButton(forumCheckCaption(), this);
    m_check1->setObjectName(QStringLiteral("Check1"));
    m_check1->setCheckable(true);
    m_check1->setChecked(false);
    m_check1->setGeometry(kCheck1);
    m_check1->setFont(look::verdana(14.25));
    m_check1->setCursor(Qt::PointingHandCursor);
    look::setTextColor(m_check1, look::kLinkBlue);
    connect(m_check1, &QPushButton::toggled, this, &frmNagScreen2::Check1_Click);

    auto *picture1 = new QLabel(this);
    picture1->setObjectName(QStringLiteral("Picture1"));
    picture1->setGeometry(kPicture1);
    picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture1->setLineWidth(2);
    picture1->setAlignment(Qt::AlignCenter);
    picture1->setPixmap(appPixmap(32));

    auto *label1 = new QLabel(programWindowTitle(), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setGeometry(kLabel1);
    label1->setFont(look::sansSerif(18));
    label1->setTextFormat(Qt::PlainText);

    // Its text is the promotion that Form_Load draws, below.
    m_label2 = new QLabel(this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setGeometry(kLabel2);
    m_label2->setFont(look::verdana(9.75, look::Weight::Bold));
    look::setTextColor(m_label2, look::kBlack);
    m_label2->setTextFormat(Qt::PlainText);
    m_label2->setWordWrap(true);
    m_label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_frame2 = new ReferAFriendForm(this);
    paintBlueFrame(m_frame2, kFrame2);

    //: Fits in 233 pixels at 9.75 pt bold.
    auto *frame6 = new QGroupBox(tr("Download Starwell Softwares"), this);
    frame6->setObjectName(QStringLiteral("Frame6"));
    paintBlueFrame(frame6, kFrame6);
    auto *label3 = new QLabel(catalogueText(), frame6);
    label3->setObjectName(QStringLiteral("Label3"));
    label3->setGeometry(kLabel3);
    label3->setFont(look::verdana(9));
    look::setTextColor(label3, look::kWhite);
    label3->setTextFormat(Qt::PlainText);
    label3->setWordWrap(true);
    label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    //: Fits in 239 pixels at 9 pt bold.
    m_lblGoToHome = new LinkLabel(tr("Click Here To Visit Starwell Softwares"), frame6);
    m_lblGoToHome->setObjectName(QStringLiteral("lblGoToHome"));
    m_lblGoToHome->setGeometry(kLblGoToHome);
    m_lblGoToHome->setFont(look::verdana(9, look::Weight::Bold, look::Underline::Yes));
    look::setTextColor(m_lblGoToHome, look::kYellow);
    m_lblGoToHome->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    look::fitOnOneLine(m_lblGoToHome);
    connect(m_lblGoToHome, &LinkLabel::clicked, this, &frmNagScreen2::lblGoToHome_Click);

    // Tab order: Exit first, the forum check box, then the form.
    setTabOrder(m_cmdClose, m_check1);
    QWidget *previous = m_check1;
    for (QWidget *control : m_frame2->tabOrder()) {
        setTabOrder(previous, control);
        previous = control;
    }
    m_cmdClose->setFocus();

    Form_Load();
}

QString frmNagScreen2::promotionText(int k)
{
    const QString site = sites::shownInText(sites::forumAddress());
    switch (k) {
    case 0:
        //: %1 is the forum's address. The four promotions: at most four lines of
        //: 465 pixels at 9.75 pt bold.
        return tr("Starwell Softwares like this one can be created and maintained only with your "
                  "support. The best way to support Starwell Board is to visit %1 regularly and "
                  "take part in its discussions and activities.")
            .arg(site);
    case 1:
        return tr("Please visit %1 regularly and support it by taking part in the discussions and "
                  "other activities. These programs cannot be supported and maintained without "
                  "you visiting the site regularly.")
            .arg(site);
    case 2:
        return tr("%1 is a FREE online discussion forum for all esoteric subjects. To help the "
                  "site develop and maintain this program, please visit it regularly.")
            .arg(site);
    case 3:
        return tr("%1 needs your help! All you have to do is visit it regularly and take part in "
                  "its various discussions and activities, to help maintain and develop more "
                  "Starwell Softwares.")
            .arg(site);
    default:
        return QString();
    }
}

int frmNagScreen2::drawPromotionNumber(Random &random)
{
    random.seedFromClock();
    const float x = random.next();
    return static_cast<int>(4 * x); // x < 1, so k is 0 to 3
}

QString frmNagScreen2::forumCheckCaption()
{
    //: %1 is the forum's address. Fits in 471 pixels at 14.25 pt.
    return tr("Click To Visit %1").arg(sites::shownInText(sites::forumAddress()));
}

QString frmNagScreen2::catalogueText()
{
    // The blanks between the two paragraphs set the second apart.
    //: The first paragraph; with the second, at most 257 pixels high in 233
    //: pixels at 9 pt.
    return tr("If you have enjoyed this software you will surely be interested in our other "
              "Starwell Softwares. From a single software, we have now grown to become the "
              "world\u2019s largest resource of starwell softwares. Be it astrology, psychic, "
              "tarot, numerology or occult, we have programs in all fields thus giving our users "
              "a wide choice depending on their interests.") +
        QString(61, u' ') +
        //: The second paragraph.
        tr("All the programs in the Starwell Softwares suite are simple and easy to use. They are "
           "not only fun to use but also very informative. Try them out today and share your "
           "experience with your friends and family. ");
}

void frmNagScreen2::Form_Load()
{
    m_label2->setText(promotionText(drawPromotionNumber(m_random)));
    // Kept above every other window by the WindowStaysOnTopHint given at
    // construction; setting it later would hide the window.
}

void frmNagScreen2::Check1_Click()
{
    if (!m_check1->isChecked())
        return; // also the notification raised by unchecking below
    m_check1->setChecked(false);
    modHelp::OpenHomePage();
}

void frmNagScreen2::lblGoToHome_Click()
{
    modHelp::OpenSoftwaresPage();
}

void frmNagScreen2::cmdClose_Click()
{
    Q_EMIT endRequested();
}

void frmNagScreen2::Form_Unload()
{
    cmdClose_Click();
}

void frmNagScreen2::closeEvent(QCloseEvent *event)
{
    // Closing cannot be refused: the close box ends the program like Exit.
    event->accept();
    Form_Unload();
}

const modTellAFriend::Referral &frmNagScreen2::referral() const
{
    return m_frame2->referral();
}

} // namespace toevane
