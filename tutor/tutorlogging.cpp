#include "private/tutorlogging_p.h"

Q_LOGGING_CATEGORY(lcTutor, "yavo.tutor")
