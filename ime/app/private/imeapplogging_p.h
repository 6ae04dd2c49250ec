#ifndef YAVO_IMEAPPLOGGING_P_H
#define YAVO_IMEAPPLOGGING_P_H

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcImeApp)

#endif
