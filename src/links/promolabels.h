#pragma once

#include <QString>

class QWidget;

namespace toevane {
class LinkLabel;
}

// The three promotional labels that both main windows carry.
namespace toevane::promo {

// The forum banner of the top band, naming the forum's address.
QString bannerText();
// Caption of lblCobrand as stored: "&&" stands for one "&".
QString coBrandCaptionStored();
QString fullBrandCaption();

// Label61: yellow Verdana 9 pt bold underlined, centred; opens the forum.
LinkLabel *createBanner(QWidget *parent);
// lblCobrand and lblFullBrand in the same rectangle with opaque backgrounds,
// each opening its offer page. The caller stacks them with bringToFront.
LinkLabel *createCoBrandLabel(QWidget *parent);
LinkLabel *createFullBrandLabel(QWidget *parent);
// Puts front before the label it covers, and hides that one, so that screen
// readers do not report a label that no one can see.
void bringToFront(LinkLabel *front, LinkLabel *covered);

} // namespace toevane::promo
