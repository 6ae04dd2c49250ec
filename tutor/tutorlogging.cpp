#include "private/tutorlogging_p.h"

// Quiet by default: debug lines appear only when asked for, for example with
// QT_LOGGING_RULES="yavo.tutor.debug=true".
Q_LOGGING_CATEGORY(lcTutor, "yavo.tutor", QtWarningMsg)
