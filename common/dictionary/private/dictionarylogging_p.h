#ifndef YAVO_DICTIONARYLOGGING_P_H
#define YAVO_DICTIONARYLOGGING_P_H

#include <QLoggingCategory>

// The one logging category of the dictionary library: "yavo.dictionary".
Q_DECLARE_LOGGING_CATEGORY(lcDictionary)

#endif
