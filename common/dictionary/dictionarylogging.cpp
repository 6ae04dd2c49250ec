#include "private/dictionarylogging_p.h"

// Quiet by default: debug lines appear only when asked for, for example with
// QT_LOGGING_RULES="yavo.dictionary.debug=true".
Q_LOGGING_CATEGORY(lcDictionary, "yavo.dictionary", QtWarningMsg)
