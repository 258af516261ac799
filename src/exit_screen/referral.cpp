#include "exit_screen/referral.h"

#include "links/addresses.h"

#include <QUrl>

#include <utility>

namespace toevane::modTellAFriend {

namespace {

// Percent-encodes a query value as UTF-8: only RFC 3986's unreserved
// characters, and those listed in keep, stay as they are.
QString encodeValue(const QString &value, const QByteArray &keep = {})
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value, keep));
}

} // namespace

QString trimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.mid(begin, end - begin).toString();
}

QString placeholder(const char *source)
{
    return QCoreApplication::translate("toevane::modTellAFriend", source);
}

bool isMissing(QStringView entry, const char *placeholderSource)
{
    const QString trimmed = trimBlanks(entry);
    return trimmed.isEmpty() || trimmed == placeholder(placeholderSource);
}

QString addressRefusal(const Referral &referral)
{
    const QString &yours = referral.yourEmail;
    const QString &friends = referral.friendEmail;
    if (yours == friends)
        return QCoreApplication::translate("toevane::modTellAFriend",
                                           "Please Enter Distinct Email Addresses");
    if (!yours.contains(u'@') || !friends.contains(u'@') || !yours.contains(u'.') ||
        !friends.contains(u'.'))
        return QCoreApplication::translate("toevane::modTellAFriend",
                                           "Please Enter Proper Email Address");
    return {};
}

QString missingEntryRefusal(const Referral &referral)
{
    if (isMissing(referral.yourName, kYourNamePlaceholder))
        return QCoreApplication::translate("toevane::modTellAFriend", "Please Enter Your Name");
    if (isMissing(referral.yourEmail, kYourEmailPlaceholder))
        return QCoreApplication::translate("toevane::modTellAFriend", "Please Enter Your Email");
    if (isMissing(referral.message, kMessagePlaceholder))
        return QCoreApplication::translate("toevane::modTellAFriend", "Please Enter Your Message");
    if (isMissing(referral.friendName, kFriendNamePlaceholder))
        return QCoreApplication::translate("toevane::modTellAFriend",
                                           "Please Enter Your Friend's Name");
    if (isMissing(referral.friendEmail, kFriendEmailPlaceholder))
        return QCoreApplication::translate("toevane::modTellAFriend",
                                           "Please Enter Your Friend's Email");
    return {};
}

QString referralPageAddress()
{
    return sites::forumAddress() + QStringLiteral("/swsf-refer-a-friend.php");
}

QString productPageAddress()
{
    return sites::forumAddress() + QStringLiteral("/toevane-free/");
}

QString composeReferralAddress(const Referral &referral)
{
    // The product page is the program's own address: its ":" and "/" may
    // stand unencoded in a query and are kept readable.
    const std::pair<QLatin1StringView, QString> pieces[] = {
        { QLatin1StringView("?taf1="), encodeValue(referral.yourName) },
        { QLatin1StringView("&taf2="), encodeValue(referral.yourEmail) },
        { QLatin1StringView("&taf3="), encodeValue(referral.message) },
        { QLatin1StringView("&taf4="), encodeValue(referral.friendName) },
        { QLatin1StringView("&taf5="), encodeValue(referral.friendEmail) },
        { QLatin1StringView("&taf6="), encodeValue(productPageAddress(), QByteArrayLiteral(":/")) },
    };
    QString address = referralPageAddress();
    for (const auto &[key, value] : pieces)
        address += key + value;
    return address;
}

} // namespace toevane::modTellAFriend
