#ifndef YAVO_USERNOTICE_H
#define YAVO_USERNOTICE_H

#include <QString>

// How a class of the core, which links no widgets, puts a warning in front
// of the user: a program with widgets gives it a notice that shows a message
// box. Without one the warning goes to the log.
class UserNotice
{
public:
    virtual ~UserNotice();
    virtual void warning(const QString &title, const QString &text) = 0;
};

#endif
