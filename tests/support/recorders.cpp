#include "support/recorders.h"

#include <QDesktopServices>

UrlRecorder::UrlRecorder()
{
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
}

UrlRecorder::~UrlRecorder()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

QStringList UrlRecorder::addresses() const
{
    QStringList list;
    for (const QUrl &url : m_urls)
        list.append(url.toString(QUrl::FullyEncoded));
    return list;
}

void UrlRecorder::open(const QUrl &url)
{
    m_urls.append(url);
}
