#ifndef YAVO_ANSICODEPAGE_H
#define YAVO_ANSICODEPAGE_H

#include <QByteArray>
#include <QString>

namespace Platform {

// Stand-in for asking the system for the user's default ANSI code page
// (GetLocaleInfoW with LOCALE_IDEFAULTANSICODEPAGE): its decimal digits as
// text. Systems without ANSI code pages answer from the locale's codec: a
// windows-125x codec gives its own number, anything else 1252.
QString defaultAnsiCodePage();

// The answer for a locale whose codec has the given name (or alias).
QString ansiCodePageForCodec(const QByteArray &codecName);

} // namespace Platform

#endif
