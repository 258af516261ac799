#include "support/recorders.h"

#include "app/platform.h"

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

ProcessEndRecorder::ProcessEndRecorder()
{
    toevane::process::setEndHandler([count = m_count](int) { ++*count; });
}

ProcessEndRecorder::~ProcessEndRecorder()
{
    toevane::process::resetEndHandler();
}
