#include "private/editorlogging_p.h"

// Quiet by default: debug lines appear only when asked for, for example with
// QT_LOGGING_RULES="yavo.editor.debug=true".
Q_LOGGING_CATEGORY(lcEditor, "yavo.editor", QtWarningMsg)
