#include "private/corelogging_p.h"

Q_LOGGING_CATEGORY(lcCore, "yavo.core")
