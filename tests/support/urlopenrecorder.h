#ifndef YAVO_URLOPENRECORDER_H
#define YAVO_URLOPENRECORDER_H

#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>

// Takes over QDesktopServices::openUrl for the given schemes while it lives,
// so that no browser or editor starts, and keeps the URLs it was asked to
// open.
class UrlOpenRecorder : public QObject
{
    Q_OBJECT

public:
    explicit UrlOpenRecorder(const QStringList &schemes = defaultSchemes(), QObject *parent = nullptr);
    ~UrlOpenRecorder() override;

    static QStringList defaultSchemes();

    QList<QUrl> urls() const { return m_urls; }
    void clear() { m_urls.clear(); }

public Q_SLOTS:
    void openUrl(const QUrl &url);

private:
    QStringList m_schemes;
    QList<QUrl> m_urls;
};

#endif
