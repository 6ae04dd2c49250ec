#ifndef YAVO_INSTALLEDFONTFAMILY_H
#define YAVO_INSTALLEDFONTFAMILY_H

#include <QFontDatabase>
#include <QString>

// The family to use for a wanted one on this machine: the wanted family when
// it is installed for the writing system, else an installed family of that
// system (a "Noto Sans" one first), else the wanted name itself. The Windows
// defaults ("tunga", "Segoe UI") are rarely installed elsewhere.
QString installedFontFamily(const QString &family, QFontDatabase::WritingSystem system);

#endif
