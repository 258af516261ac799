#include "links/modhelp.h"

#include "sites.h"

#include <QDesktopServices>
#include <QUrl>

namespace toevane::sites {

QString forumAddress()
{
    return QStringLiteral("http://") + QLatin1StringView(kForumHost);
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

namespace modHelp {

void OpenLink(const QString &address)
{
    // TolerantMode keeps the address as given; the outcome is not looked at.
    QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

void OpenHelpPage()
{
    OpenLink(toevane::sites::helpPageAddress());
}
void OpenDownloadPage()
{
    OpenLink(toevane::sites::downloadPageAddress());
}
void OpenHomePage()
{
    OpenLink(toevane::sites::homePageAddress());
}
void OpenSoftwaresPage()
{
    OpenLink(toevane::sites::softwaresPageAddress());
}
void OpenDonatePage()
{
    OpenLink(toevane::sites::donatePageAddress());
}
void OpenFullBrandPage()
{
    OpenLink(toevane::sites::fullBrandPageAddress());
}
void OpenCoBrandPage()
{
    OpenLink(toevane::sites::coBrandPageAddress());
}

} // namespace modHelp
