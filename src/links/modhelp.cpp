#include "links/modhelp.h"

#include "links/addresses.h"

#include <QDesktopServices>
#include <QUrl>

namespace toevane::modHelp {

namespace {

void dropMessage(QtMsgType, const QMessageLogContext &, const QString &)
{
}

// Keeps Qt's own messages off standard error while it is in scope.
class Hush
{
public:
    Hush()
        : m_previous(qInstallMessageHandler(&dropMessage))
    {
    }
    ~Hush() { qInstallMessageHandler(m_previous); }
    Hush(const Hush &) = delete;
    Hush &operator=(const Hush &) = delete;

private:
    QtMessageHandler m_previous;
};

} // namespace

void OpenLink(const QString &address)
{
    // TolerantMode keeps the address as given; the outcome is not looked at.
    // Where no browser can be started, Qt would write the whole address, a
    // referral's names and addresses included, to standard error (and so to
    // the session's journal): a failure stays silent.
    const Hush hush;
    QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
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
