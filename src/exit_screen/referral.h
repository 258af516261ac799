#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringView>

// The refer-a-friend request: the entries of the exit screen's form, their
// checks, and the address on the forum site that carries them.
namespace toevane::modTellAFriend {

/* TRANSLATOR toevane::modTellAFriend

The refer-a-friend form's placeholders: each fits in a box of 221 pixels at
8.25 pt. The refusals are message boxes. */

// What each box of the form shows while nothing has been typed into it, in
// English; placeholder() gives the text shown.
inline constexpr const char *kYourNamePlaceholder =
    QT_TRANSLATE_NOOP("toevane::modTellAFriend", "Your Name");
inline constexpr const char *kYourEmailPlaceholder =
    QT_TRANSLATE_NOOP("toevane::modTellAFriend", "Your Email Address");
// The message box lies out of sight and its text goes into the referral
// request as it stands: it stays English in every language, so that the
// request is the same whatever the language.
inline constexpr const char *kMessagePlaceholder = "Your Message";
inline constexpr const char *kFriendNamePlaceholder =
    QT_TRANSLATE_NOOP("toevane::modTellAFriend", "Friend's Name");
inline constexpr const char *kFriendEmailPlaceholder =
    QT_TRANSLATE_NOOP("toevane::modTellAFriend", "Friend's Email Address");

// The placeholder as the box shows it, in the user's language.
QString placeholder(const char *source);

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

// True when an entry, trimmed, is empty or still the box's placeholder as
// shown.
bool isMissing(QStringView entry, const char *placeholderSource);

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
