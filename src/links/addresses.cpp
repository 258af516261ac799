#include "links/addresses.h"

#include "links/sites.h"

namespace toevane::sites {

namespace {

// A host name is put between "http://" and a path as it stands, so it must be
// a bare name: not empty, no scheme, path, query, fragment or blank.
constexpr bool isBareHost(const char *host)
{
    if (*host == '\0')
        return false;
    for (; *host; ++host) {
        switch (*host) {
        case '/':
        case '?':
        case '#':
        case '@':
        case ' ':
        case '\t':
        case '\\':
            return false;
        default:
            break;
        }
    }
    return true;
}

static_assert(isBareHost(kForumHost), "TOEVANE_FORUM_HOST must be a bare host name");
static_assert(isBareHost(kHelpHost), "TOEVANE_HELP_HOST must be a bare host name");

} // namespace

QString forumHost()
{
    return QString::fromLatin1(kForumHost);
}

QString forumAddress()
{
    return QStringLiteral("http://") + forumHost();
}
QString shownInText(const QString &address)
{
    QString shown(u'\u2066'); // left-to-right isolate
    for (const QChar c : address) {
        if (shown.size() > 1)
            shown += u'\u2060'; // word joiner
        shown += c;
    }
    return shown + u'\u2069'; // pop directional isolate
}
QString helpAddress()
{
    return QStringLiteral("http://") + QLatin1StringView(kHelpHost);
}

QString helpPageAddress()
{
    return forumAddress() + QStringLiteral("/toevane-free/toevane-free-help.html");
}
QString downloadPageAddress()
{
    return forumAddress() + QStringLiteral("/toevane-free/download-toevane-free.html");
}
QString homePageAddress()
{
    return forumAddress();
}
QString softwaresPageAddress()
{
    return forumAddress() + QStringLiteral("/starwellsoftwares");
}
QString donatePageAddress()
{
    return helpAddress() + QStringLiteral("/donate.html");
}
QString fullBrandPageAddress()
{
    return helpAddress() + QStringLiteral("/fully-branded.html");
}
QString coBrandPageAddress()
{
    return helpAddress() + QStringLiteral("/co-brand.html");
}

} // namespace toevane::sites
