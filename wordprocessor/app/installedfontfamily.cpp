#include "app/installedfontfamily.h"

#include <QStringList>

QString installedFontFamily(const QString &family, QFontDatabase::WritingSystem system)
{
    QFontDatabase database;
    const QStringList families = database.families(system);
    for (const QString &f : families) {
        if (f.compare(family, Qt::CaseInsensitive) == 0)
            return f;
    }
    if (database.families().contains(family, Qt::CaseInsensitive)
        && system == QFontDatabase::Latin)
        return family;
    for (const QString &f : families) {
        if (f.startsWith(QLatin1String("Noto Sans")))
            return f;
    }
    return families.isEmpty() ? family : families.first();
}
