#include "links/modhelp.h"

#include "links/addresses.h"
#include "links/quietlaunch.h"

#include <QDesktopServices>
#include <QScopeGuard>
#include <QUrl>

namespace toevane::modHelp {

void OpenLink(const QString &address)
{
    // TolerantMode keeps the address as given; the outcome is not looked at.
    // Where no browser can be started, Qt would write the whole address, a
    // referral's names and addresses included, to standard error (and so to
    // the session's journal): a failure stays silent.
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    const auto restore = qScopeGuard([previous] { qInstallMessageHandler(previous); });
    // The launcher's own messages stay out of standard error too.
    links::launchQuietly(
        [&address] { QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode)); });
}

void OpenHelpPage()
{
    OpenLink(sites::helpPageAddress());
}
void OpenDownloadPage()
{
    OpenLink(sites::downloadPageAddress());
}
void OpenHomePage()
{
    OpenLink(sites::homePageAddress());
}
void OpenSoftwaresPage()
{
    OpenLink(sites::softwaresPageAddress());
}
void OpenDonatePage()
{
    OpenLink(sites::donatePageAddress());
}
void OpenFullBrandPage()
{
    OpenLink(sites::fullBrandPageAddress());
}
void OpenCoBrandPage()
{
    OpenLink(sites::coBrandPageAddress());
}

} // namespace toevane::modHelp
