#pragma once

#include <QString>
#include <QStringView>

// The refer-a-friend request: the entries of the exit screen's form, their
// checks, and the address on the forum site that carries them.
namespace modTellAFriend {

// What each box of the form shows while nothing has been typed into it.
inline constexpr QStringView kYourNamePlaceholder = u"Your Name";
inline constexpr QStringView kYourEmailPlaceholder = u"Your Email Address";
inline constexpr QStringView kMessagePlaceholder = u"Your Message";
inline constexpr QStringView kFriendNamePlaceholder = u"Friend's Name";
inline constexpr QStringView kFriendEmailPlaceholder = u"Friend's Email Address";

// The last submission, trimmed; kept after it and overwritten by the next.
inline QString strYourName;
inline QString strYourEmail;
inline QString strMessage;
inline QString strFriendName;
inline QString strFriendEmail;
// The request address composed from them by the last complete submission.
inline QString strTellAFriendURL;

// The five entries of one submission, as stored in the fields above.
struct Referral
{
    QString yourName;
    QString yourEmail;
    QString message;
    QString friendName;
    QString friendEmail;
};

// Removes leading and trailing blanks (the space character only; tabs and
// line breaks stay).
QString trimBlanks(QStringView text);

// True when an entry, trimmed, is empty or still the box's placeholder.
bool isMissing(QStringView entry, QStringView placeholder);

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

// Checks the stored fields in order, reports the first missing one, else
// composes strTellAFriendURL and opens it in the browser.
void TellAFriend();

} // namespace modTellAFriend
