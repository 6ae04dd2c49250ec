#include "private/editorlogging_p.h"

Q_LOGGING_CATEGORY(lcEditor, "yavo.editor")
