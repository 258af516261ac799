#include "about/frmabout.h"

#include "common/apptext.h"
#include "common/icon.h"
#include "common/look.h"
#include "common/mainwindowbase.h"
#include "common/windowhints.h"
#include "links/addresses.h"
#include "links/linklabel.h"
#include "links/modhelp.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace toevane {

namespace {

constexpr QSize kClientSize { 423, 264 };

// Top to bottom: icon and title, description, forum link, offer text with
// its link at the right, rule, OK at the bottom right.
constexpr QRect kIconBox { 12, 10, 38, 38 };
constexpr int kIconSize = 32;
constexpr int kTitleLeft = 62;
constexpr int kTextLeft = 20;
constexpr int kTextWidth = 383; // the description box is 383 by 73 at least
constexpr QRect kDescription { kTextLeft, 54, kTextWidth, 73 };
constexpr QSize kOkButton { 88, 28 };
constexpr int kBottomMargin = 10;
constexpr int kRightMargin = 12;

QLabel *plainLabel(const char *name, const QString &text, const QFont &font, const QColor &colour,
                   QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    look::setTextColor(label, colour);
    return label;
}

LinkLabel *linkLabel(const char *name, const QString &text, QWidget *parent)
{
    auto *label = new LinkLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(look::verdana(8.25, look::Weight::Bold, look::Underline::Yes));
    look::setTextColor(label, look::kYellow);
    label->adjustSize(); // sized to its text
    return label;
}

} // namespace

frmAbout::frmAbout(QWidget *parent)
    : QDialog(parent, fixedBorder(Qt::Dialog))
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(programWindowTitle());
    setWindowIcon(appIcon());
    // Blocks every other window of the program while it is open, whoever
    // opened it.
    setWindowModality(Qt::ApplicationModal);
    // A dialog without an owner would otherwise get a task bar entry of its
    // own.
    keepOutOfTaskBar(this);
    setFixedSize(kClientSize);
    setFont(look::verdana(8.25));
    look::setBackground(this, look::kPurple);
    centreWhenFirstShown(this);

    // cmdOK is made first so that it leads the tab order; nothing else here
    // takes the focus.
    //: Fits in 80 pixels at 8.25 pt bold.
    m_cmdOK = new QPushButton(tr("&OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setFont(look::verdana(8.25, look::Weight::Bold));
    look::setButtonColor(m_cmdOK, look::kLightGrey);
    m_cmdOK->setDefault(true);
    m_cmdOK->setAutoDefault(true);
    m_cmdOK->setGeometry(QRect(QPoint(kClientSize.width() - kRightMargin - kOkButton.width(),
                                      kClientSize.height() - kBottomMargin - kOkButton.height()),
                               kOkButton));
    look::pressAtOnceOnAccessKey(m_cmdOK);
    connect(m_cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    auto *picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picIcon->setAlignment(Qt::AlignCenter);
    picIcon->setPixmap(appPixmap(kIconSize));
    picIcon->setGeometry(kIconBox);

    QLabel *title = plainLabel("Label2", programWindowTitle(),
                               look::verdana(9.75, look::Weight::Bold), look::kLightOrange, this);
    title->adjustSize();
    title->move(kTitleLeft, kIconBox.center().y() - title->height() / 2);

    QLabel *description =
        plainLabel("Label1", this->description(), look::verdana(8.25), look::kWhite, this);
    description->setWordWrap(true);
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A stand-in font with taller lines (Noto Sans: five lines of 15 pixels)
    // makes the box taller; what follows moves down with it.
    description->setGeometry(kDescription.adjusted(
        0, 0, 0,
        std::max(0, description->heightForWidth(kDescription.width()) - kDescription.height())));

    LinkLabel *homePage = linkLabel("lblHomePage", homePageCaption(), this);
    homePage->move(kTextLeft, description->geometry().bottom() + 1 + 6);
    connect(homePage, &LinkLabel::clicked, this, &frmAbout::lblHomePage_Click);

    //: Three lines of 383 pixels at 8.25 pt bold.
    QLabel *offer = plainLabel("Label6",
                               tr("Home Business Opportunity. Start your own Internet business and "
                                  "make money online. Get this software fully branded for your "
                                  "website."),
                               look::verdana(8.25, look::Weight::Bold), look::kWhite, this);
    offer->setWordWrap(true);
    offer->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    offer->setGeometry(kTextLeft, homePage->geometry().bottom() + 1 + 8, kTextWidth,
                       offer->heightForWidth(kTextWidth));

    LinkLabel *details = linkLabel("Label5", tr("Click here for more details"), this);
    details->move(kTextLeft + kTextWidth - details->width(), offer->geometry().bottom() + 1 + 2);
    connect(details, &LinkLabel::clicked, this, &frmAbout::Label5_Click);

    // Line2: a light orange rule across the whole width, between the offer
    // and the button.
    auto *rule = new QWidget(this);
    rule->setObjectName(QStringLiteral("Line2"));
    look::setBackground(rule, look::kLightOrange);
    const int ruleTop = (details->geometry().bottom() + 1 + m_cmdOK->y()) / 2;
    rule->setGeometry(0, ruleTop, kClientSize.width(), 1);

    m_cmdOK->setFocus();
}

QString frmAbout::description()
{
    //: Five lines of 383 pixels at 8.25 pt.
    return tr("Toevane is a divination software based on the shape and looks of a person's feet "
              "and the personality characteristics they reveal. The toes of our feet can tell us "
              "more about ourselves and the problems that we may be about to face in life. "
              "Copyright \u00a9 Starwell Softwares. All rights reserved.");
}

QString frmAbout::homePageCaption()
{
    //: %1 is the forum's address. One line of 383 pixels at 8.25 pt bold.
    return tr("Click here to visit %1").arg(sites::shownInText(sites::forumAddress()));
}

void frmAbout::showModal()
{
    frmAbout about;
    about.exec();
}

void frmAbout::cmdOK_Click()
{
    accept();
}

void frmAbout::lblHomePage_Click()
{
    modHelp::OpenHomePage();
}

void frmAbout::Label5_Click()
{
    modHelp::OpenFullBrandPage();
}

void frmAbout::keyPressEvent(QKeyEvent *event)
{
    // OK is the cancel button as well as the default one: Esc presses it.
    if (!pressOnKey(event, m_cmdOK, { Qt::Key_Escape }))
        QDialog::keyPressEvent(event);
}

} // namespace toevane
