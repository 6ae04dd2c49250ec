#ifndef YAVO_EDITORLOGGING_P_H
#define YAVO_EDITORLOGGING_P_H

#include <QLoggingCategory>

// The one logging category of the editor library: "yavo.editor".
Q_DECLARE_LOGGING_CATEGORY(lcEditor)

#endif
