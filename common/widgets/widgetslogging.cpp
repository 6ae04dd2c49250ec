#include "private/widgetslogging_p.h"

// Quiet by default: debug lines appear only when asked for, for example with
// QT_LOGGING_RULES="yavo.widgets.debug=true".
Q_LOGGING_CATEGORY(lcWidgets, "yavo.widgets", QtWarningMsg)
