#include "private/imelogging_p.h"

// Quiet by default: debug lines appear only when asked for, for example with
// QT_LOGGING_RULES="yavo.ime.debug=true".
Q_LOGGING_CATEGORY(lcIme, "yavo.ime", QtWarningMsg)
