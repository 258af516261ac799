#include "links/promolabels.h"

#include "common/look.h"
#include "links/addresses.h"
#include "links/linklabel.h"
#include "links/modhelp.h"

#include <QCoreApplication>

namespace toevane::promo {

namespace {

LinkLabel *createBoxLabel(const QString &text, QWidget *parent)
{
    auto *label = new LinkLabel(text, parent);
    label->setFont(look::verdana(8.25, look::Weight::Bold, look::Underline::Yes));
    look::setTextColor(label, look::kYellow);
    look::setBackground(label, look::kPurple);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// What a click on each label does, the same in both windows: open its page
// and nothing else.
void Label61_Click()
{
    modHelp::OpenHomePage();
}

void lblCobrand_Click()
{
    modHelp::OpenCoBrandPage();
}

void lblFullBrand_Click()
{
    modHelp::OpenFullBrandPage();
}

} // namespace

QString bannerText()
{
    //: %1 is the forum's host name. At most two lines of 468 pixels at 9 pt
    //: bold.
    return QCoreApplication::translate("toevane::promo",
                                       "The Most Popular Online Discussion Board On Esoteric "
                                       "Subjects. The Best Resource For All Things Esoteric. "
                                       "Visit %1 Now!")
        .arg(sites::shownInText(sites::forumHost()));
}

QString coBrandCaptionStored()
{
    //: "&&" shows as one "&". At most three lines of 399 pixels at 8.25 pt
    //: bold (the results window; four lines of 311 pixels in the
    //: questionnaire).
    return QCoreApplication::translate(
        "toevane::promo",
        "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put "
        "your site's name &&  link here. See \"Help\" for details.    Click Here for more info "
        "on co-branding.");
}

QString fullBrandCaption()
{
    //: At most three lines of 399 pixels at 8.25 pt bold (the results
    //: window; four lines of 311 pixels in the questionnaire).
    return QCoreApplication::translate("toevane::promo",
                                       "Home Business Opportunity. Start your own Internet "
                                       "business and make money online. Get this software fully "
                                       "branded for your website. Click here for more details.");
}

LinkLabel *createBanner(QWidget *parent)
{
    auto *label = new LinkLabel(bannerText(), parent);
    label->setObjectName(QStringLiteral("Label61"));
    label->setFont(look::verdana(9, look::Weight::Bold, look::Underline::Yes));
    look::setTextColor(label, look::kYellow);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    QObject::connect(label, &LinkLabel::clicked, &Label61_Click);
    return label;
}

LinkLabel *createCoBrandLabel(QWidget *parent)
{
    // A label without a buddy shows "&" as it stands, so the stored "&&"
    // is turned into the single "&" the user is meant to see.
    QString caption = coBrandCaptionStored();
    caption.replace(QStringLiteral("&&"), QStringLiteral("&"));
    auto *label = createBoxLabel(caption, parent);
    label->setObjectName(QStringLiteral("lblCobrand"));
    QObject::connect(label, &LinkLabel::clicked, &lblCobrand_Click);
    return label;
}

LinkLabel *createFullBrandLabel(QWidget *parent)
{
    auto *label = createBoxLabel(fullBrandCaption(), parent);
    label->setObjectName(QStringLiteral("lblFullBrand"));
    QObject::connect(label, &LinkLabel::clicked, &lblFullBrand_Click);
    return label;
}

void bringToFront(LinkLabel *front, LinkLabel *covered)
{
    front->raise();
    front->setVisible(true);
    covered->setVisible(false);
}

} // namespace toevane::promo
