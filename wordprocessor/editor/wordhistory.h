#ifndef YAVO_WORDHISTORY_H
#define YAVO_WORDHISTORY_H

#include <QString>
#include <QVector>

// Where Back (-1) or Forward (+1) leads in the words a look-up window has
// recorded, counted from the last place of the current word. A current word
// that was never recorded leads to the last word recorded.
struct WordHistoryStep
{
    WordHistoryStep(const QVector<QString> &history, const QString &current, int step)
    {
        const int found = history.lastIndexOf(current);
        currentFound = found >= 0;
        if (!currentFound) {
            hasTarget = !history.isEmpty();
            if (hasTarget)
                target = history.last();
            return;
        }
        position = found + step;
        hasTarget = position >= 0 && position < history.size();
        if (hasTarget)
            target = history.at(position);
    }

    bool currentFound = false;
    int position = -1;   // -1 when the current word was not found
    bool hasTarget = false;
    QString target;
};

#endif
