#include "ime/app/imelogging.h"

Q_LOGGING_CATEGORY(lcImeApp, "yavo.imeapp")
