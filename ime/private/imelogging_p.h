#ifndef YAVO_IMELOGGING_P_H
#define YAVO_IMELOGGING_P_H

#include <QLoggingCategory>

// The one logging category of the input method's converters: "yavo.ime".
Q_DECLARE_LOGGING_CATEGORY(lcIme)

#endif
