#pragma once

#include <QString>

// Web pages of the maker's two sites. Every address the program opens goes
// through OpenLink, which hands it to the desktop's default browser.
namespace modHelp {

// Asks the desktop to open the address. Returns at once and reports nothing;
// without a browser nothing visible happens.
void OpenLink(const QString &address);

void OpenHelpPage();
void OpenDownloadPage();
void OpenHomePage();
void OpenSoftwaresPage();
void OpenDonatePage();
void OpenFullBrandPage();
void OpenCoBrandPage();

} // namespace modHelp

namespace toevane::sites {

// The forum site's host name as set for this build, e.g. for the banner.
QString forumHost();

// "http://" + forum host, no trailing slash: what the banner, the About
// window and the exit screen show.
QString forumAddress();
// "http://" + help host.
QString helpAddress();

QString helpPageAddress();
QString downloadPageAddress();
QString homePageAddress();
QString softwaresPageAddress();
QString donatePageAddress();
QString fullBrandPageAddress();
QString coBrandPageAddress();

} // namespace toevane::sites
