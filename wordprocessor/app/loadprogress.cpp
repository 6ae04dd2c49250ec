#include "app/loadprogress.h"

#include <QAbstractEventDispatcher>
#include <QIODevice>
#include <QProgressBar>

namespace {

constexpr int Steps = 100;

} // namespace

LoadProgress::LoadProgress(const QIODevice *device, QProgressBar *bar)
    : m_bar(bar)
{
    const qint64 size = device->size();
    if (!m_bar || size <= 0)
        return;
    m_bar->setRange(0, Steps);
    m_bar->setValue(0);
    const QPointer<QProgressBar> shown = m_bar;
    m_update = QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake, m_bar,
                                [shown, device, size] {
                                    shown->setValue(int(qBound<qint64>(0, device->pos() * Steps / size, Steps)));
                                });
}

LoadProgress::~LoadProgress()
{
    QObject::disconnect(m_update);
    if (m_bar)
        m_bar->setRange(0, 0);
}
