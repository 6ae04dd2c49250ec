#ifndef YAVO_FORMATMANAGER_H
#define YAVO_FORMATMANAGER_H

#include <QString>
#include <QStringList>

class FormatReader;
class QIODevice;

// Chooses a reader for a file by its type (normally the suffix) and its
// first bytes, and answers the file patterns of the supported formats.
class FormatManager
{
public:
    FormatManager() = delete;

    // Never null; the caller owns the reader. Leaves the device's position
    // as it was.
    static FormatReader *createReader(QIODevice *device, const QString &type);

    static QString filter(const QString &type);
    static QStringList filters(const QString &type);
    static QStringList types();
    static QStringList nameFilters();
    static bool isRichText(const QString &fileName);
};

#endif
