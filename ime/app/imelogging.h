#ifndef YAVO_IMELOGGING_H
#define YAVO_IMELOGGING_H

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcImeApp)

#endif
