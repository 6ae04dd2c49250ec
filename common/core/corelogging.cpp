#include "private/corelogging_p.h"

// Quiet by default: debug lines appear only when asked for, for example with
// QT_LOGGING_RULES="yavo.core.debug=true".
Q_LOGGING_CATEGORY(lcCore, "yavo.core", QtWarningMsg)
