#ifndef YAVO_YVINSTALLINDICFONT_H
#define YAVO_YVINSTALLINDICFONT_H

#include <QObject>
#include <QString>

// Makes a program's built-in Indic font known to the application, so that
// its views can ask for the family by name without loading a file.
class yvInstallIndicFont : public QObject
{
    Q_OBJECT

public:
    yvInstallIndicFont();
    ~yvInstallIndicFont() override;

    // The family of the registered font; "" when the program carries no such
    // font or it does not register.
    static QString installIndicFont();
};

#endif
