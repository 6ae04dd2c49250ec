#ifndef YAVO_IBUSLOGGING_P_H
#define YAVO_IBUSLOGGING_P_H

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcIBus)

#endif
