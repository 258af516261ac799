#include "links/modhelp.h"

#include "links/addresses.h"

#include <QDesktopServices>
#include <QUrl>

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
