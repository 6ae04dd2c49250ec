#include "private/imeapplogging_p.h"

// Quiet by default: debug lines appear only when asked for, for example with
// QT_LOGGING_RULES="yavo.imeapp.debug=true".
Q_LOGGING_CATEGORY(lcImeApp, "yavo.imeapp", QtWarningMsg)
