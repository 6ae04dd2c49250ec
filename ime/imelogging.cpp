#include "private/imelogging_p.h"

Q_LOGGING_CATEGORY(lcIme, "yavo.ime")
