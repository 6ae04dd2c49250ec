#ifndef YAVO_TUTORLOGGING_P_H
#define YAVO_TUTORLOGGING_P_H

#include <QLoggingCategory>

// The one logging category of the typing tutor: "yavo.tutor".
Q_DECLARE_LOGGING_CATEGORY(lcTutor)

#endif
