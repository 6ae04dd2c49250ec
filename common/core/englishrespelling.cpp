#include "core/englishrespelling.h"

#include "core/transliterationtables.h"

QString respellEnglishWord(const QString &word)
{
    // The first row that matches wins, so a longer word stands in the table
    // before the stem that would also match it ("movies" before "movie").
    for (const auto &row : TransliterationTables::respellings) {
        const QLatin1String english(row.english);
        const QLatin1String keys(row.keys);
        if (row.wholeWord) {
            if (word.compare(english, Qt::CaseInsensitive) == 0)
                return QString(keys);
        } else if (word.startsWith(english, Qt::CaseInsensitive)) {
            QString respelled = word;
            respelled.replace(english, keys, Qt::CaseInsensitive);
            return respelled;
        }
    }
    return word;
}
