#ifndef YAVO_WIDGETSLOGGING_P_H
#define YAVO_WIDGETSLOGGING_P_H

#include <QLoggingCategory>

// The one logging category of the shared widgets: "yavo.widgets".
Q_DECLARE_LOGGING_CATEGORY(lcWidgets)

#endif
