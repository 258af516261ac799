#pragma once

#include <QString>
#include <QStringView>

// The refer-a-friend request: the entries of the exit screen's form, their
// checks, and the address on the forum site that carries them.
namespace toevane::modTellAFriend {

// What each box of the form shows while nothing has been typed into it.
inline constexpr QStringView kYourNamePlaceholder = u"Your Name";
inline constexpr QStringView kYourEmailPlaceholder = u"Your Email Address";
inline constexpr QStringView kMessagePlaceholder = u"Your Message";
inline constexpr QStringView kFriendNamePlaceholder = u"Friend's Name";
inline constexpr QStringView kFriendEmailPlaceholder = u"Friend's Email Address";

// The five entries of one submission, each trimmed of blanks.
struct Referral
{
    QString yourName;
    QString yourEmail;
    QString message;
    QString friendName;
    QString friendEmail;

    friend bool operator==(const Referral &, const Referral &) = default;
};

// Removes leading and trailing blanks (the space character only; tabs and
// line breaks stay).
QString trimBlanks(QStringView text);

// True when an entry, trimmed, is empty or still the box's placeholder.
bool isMissing(QStringView entry, QStringView placeholder);

// The submit button's own checks, on the two addresses: the message that
// refuses them ("Please Enter Distinct Email Addresses" when they are the
// same, else "Please Enter Proper Email Address" when one lacks "@", then
// when one lacks "."), or an empty text when they pass.
QString addressRefusal(const Referral &referral);

// The request's checks, in the order of the form: the message that names the
// first entry missing, or an empty text when all five are there.
QString missingEntryRefusal(const Referral &referral);

// The forum page that receives referrals, and the program's page there that
// the request names as the product.
QString referralPageAddress();
QString productPageAddress();

// The request address: the referral page with the keys taf1 to taf6 in that
// order. Every value is percent-encoded as UTF-8, so that a name holding
// "&", "=", "#", "+" or a line break reaches the site exactly as typed and
// cannot add or cut parameters. Pure: depends on nothing but its input and
// the configured forum host.
QString composeReferralAddress(const Referral &referral);

} // namespace toevane::modTellAFriend
