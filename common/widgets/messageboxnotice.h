#ifndef YAVO_MESSAGEBOXNOTICE_H
#define YAVO_MESSAGEBOXNOTICE_H

#include "core/usernotice.h"

// Shows a notice of the core as a warning box without parent.
class MessageBoxNotice : public UserNotice
{
public:
    void warning(const QString &title, const QString &text) override;
};

#endif
