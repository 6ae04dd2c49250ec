#ifndef YAVO_YAVOIMEAPPLICATION_H
#define YAVO_YAVOIMEAPPLICATION_H

#include "ime/app/singleapplication.h"

#include <QPointer>
#include <QStringList>

class YavoIMETrayIcon;

// An application object that names the program and starts its tray widget
// itself, with a fixed identity instead of the program file's path. The
// program's main() does not use it.
class YavoIMEApplication : public SingleApplication
{
    Q_OBJECT

public:
    YavoIMEApplication(int &argc, char **argv);
    ~YavoIMEApplication() override;

    // False when another copy runs (it is sent the messages, one a line);
    // otherwise makes the tray widget and returns true.
    bool start();

    bool event(QEvent *event) override;

    // What start() hands a running copy.
    QStringList messages;

private:
    QPointer<YavoIMETrayIcon> trayIcon;
};

#endif
