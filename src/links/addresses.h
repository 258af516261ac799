#pragma once

#include <QString>

// The fixed addresses on the maker's two web sites, composed from the host
// names set for this build.
namespace toevane::sites {

// The forum site's host name as set for this build, e.g. for the banner.
QString forumHost();

// "http://" + forum host, no trailing slash: what the banner, the About
// window and the exit screen show.
QString forumAddress();
// The address as a text shows it: never broken across lines (a word joiner
// between its characters) and left to right inside text of either direction
// (an isolate around it).
QString shownInText(const QString &address);
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
