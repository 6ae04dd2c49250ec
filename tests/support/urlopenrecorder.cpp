#include "urlopenrecorder.h"

#include <QDesktopServices>

UrlOpenRecorder::UrlOpenRecorder(const QStringList &schemes, QObject *parent)
    : QObject(parent)
    , m_schemes(schemes)
{
    for (const QString &scheme : qAsConst(m_schemes))
        QDesktopServices::setUrlHandler(scheme, this, "openUrl");
}

UrlOpenRecorder::~UrlOpenRecorder()
{
    for (const QString &scheme : qAsConst(m_schemes))
        QDesktopServices::unsetUrlHandler(scheme);
}

QStringList UrlOpenRecorder::defaultSchemes()
{
    return {QStringLiteral("file"), QStringLiteral("http"), QStringLiteral("https"),
            QStringLiteral("mailto")};
}

void UrlOpenRecorder::openUrl(const QUrl &url)
{
    m_urls.append(url);
}
