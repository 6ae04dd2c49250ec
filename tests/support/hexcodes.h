#ifndef YAVO_HEXCODES_H
#define YAVO_HEXCODES_H

#include <QString>
#include <QStringList>

// Code points as "0C95 0CCD", so that a failed comparison of Indic text
// shows what was written.
inline QString hexCodes(const QString &text)
{
    QStringList points;
    for (const QChar ch : text)
        points << QStringLiteral("%1").arg(ch.unicode(), 4, 16, QLatin1Char('0')).toUpper();
    return points.join(QLatin1Char(' '));
}

#endif
