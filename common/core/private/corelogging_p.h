#ifndef YAVO_CORELOGGING_P_H
#define YAVO_CORELOGGING_P_H

#include <QLoggingCategory>

// The one logging category of the core: "yavo.core".
Q_DECLARE_LOGGING_CATEGORY(lcCore)

#endif
