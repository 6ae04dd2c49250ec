#include "private/widgetslogging_p.h"

Q_LOGGING_CATEGORY(lcWidgets, "yavo.widgets")
