#include "private/imeapplogging_p.h"

Q_LOGGING_CATEGORY(lcImeApp, "yavo.imeapp")
