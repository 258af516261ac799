#pragma once

#include <QString>

// Web pages of the maker's two sites. Every address the program opens goes
// through OpenLink, which hands it to the desktop's default browser.
namespace toevane::modHelp {

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

} // namespace toevane::modHelp
