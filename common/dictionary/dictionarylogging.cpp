#include "private/dictionarylogging_p.h"

Q_LOGGING_CATEGORY(lcDictionary, "yavo.dictionary")
