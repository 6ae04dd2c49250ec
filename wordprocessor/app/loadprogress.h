#ifndef YAVO_LOADPROGRESS_H
#define YAVO_LOADPROGRESS_H

#include <QMetaObject>
#include <QPointer>

class QIODevice;
class QProgressBar;

// Shows in a progress bar how far the reading of a file has come, for as
// long as it lives. The readers run the event loop after every piece they
// read, so the bar follows the file's position whenever the loop wakes up.
// Afterwards the bar is a busy indicator again.
class LoadProgress
{
public:
    LoadProgress(const QIODevice *device, QProgressBar *bar);
    ~LoadProgress();

private:
    Q_DISABLE_COPY(LoadProgress)

    QPointer<QProgressBar> m_bar;
    QMetaObject::Connection m_update;
};

#endif
