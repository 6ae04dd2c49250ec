#include "private/ibuslogging_p.h"

// Warnings only: each is one line on standard error for a failure the user
// may want to know of (no daemon, a daemon that went away).
Q_LOGGING_CATEGORY(lcIBus, "yavo.ibus", QtWarningMsg)
