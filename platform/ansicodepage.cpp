#include "platform/ansicodepage.h"

#include <QRegularExpression>
#include <QTextCodec>

namespace Platform {

namespace {

const QString fallbackCodePage = QStringLiteral("1252");

// The digits of a windows-125x codec name or alias, empty for any other.
QString windowsCodePageOf(const QByteArray &name)
{
    static const QRegularExpression pattern(QStringLiteral("^(?:windows-|cp)(125[0-8])$"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern.match(QString::fromLatin1(name)).captured(1);
}

} // namespace

QString ansiCodePageForCodec(const QByteArray &codecName)
{
    const QString codePage = windowsCodePageOf(codecName);
    return codePage.isEmpty() ? fallbackCodePage : codePage;
}

QString defaultAnsiCodePage()
{
    if (const QTextCodec *codec = QTextCodec::codecForLocale()) {
        QList<QByteArray> names = codec->aliases();
        names.prepend(codec->name());
        for (const QByteArray &name : qAsConst(names)) {
            const QString codePage = windowsCodePageOf(name);
            if (!codePage.isEmpty())
                return codePage;
        }
    }
    return fallbackCodePage;
}

} // namespace Platform
