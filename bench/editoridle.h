#ifndef YAVO_EDITORIDLE_H
#define YAVO_EDITORIDLE_H

#include "editor/highlighter.h"

#include <QAbstractTextDocumentLayout>
#include <QElapsedTimer>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>

#include <private/qtextdocumentlayout_p.h>

// Whether the document's layout has reached its end. Qt's layoutStatus()
// is no percentage past 21 million characters, where it wraps, but it is
// 100 only once the layout is done.
inline bool layoutFinished(QTextDocument *doc)
{
    auto *layout = qobject_cast<QTextDocumentLayout *>(doc->documentLayout());
    return !layout || layout->layoutStatus() == 100;
}

// Whether the spell check still has paragraphs to check in slices.
inline bool spellCheckBusy(QTextDocument *doc)
{
    const auto *highlighter = doc->findChild<Highlighter *>();
    const auto *slices = highlighter ? highlighter->findChild<QTimer *>() : nullptr;
    return slices && slices->isActive();
}

// Records the longest time the event loop did not come round while it runs.
class PauseMeter : public QObject
{
public:
    PauseMeter()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(2);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            m_longest = std::max(m_longest, m_clock.nsecsElapsed());
            m_clock.restart();
        });
        m_clock.start();
        m_timer.start();
    }
    double longestMs()
    {
        m_longest = std::max(m_longest, m_clock.nsecsElapsed());
        return m_longest / 1e6;
    }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_longest = 0;
};

#endif
