#include "widgets/yvinstallindicfont.h"

#include "private/widgetslogging_p.h"

#include <QFile>
#include <QFontDatabase>
#include <QStringList>

yvInstallIndicFont::yvInstallIndicFont()
    : QObject(nullptr)
{
}

yvInstallIndicFont::~yvInstallIndicFont() = default;

QString yvInstallIndicFont::installIndicFont()
{
    const QString path = QStringLiteral(":/qrc/SakalBharati.ttf");
    if (!QFile::exists(path))
        return QString();
    const int id = QFontDatabase::addApplicationFont(path);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    qCDebug(lcWidgets) << "installIndicFont" << id << path << families;
    return families.value(0);
}
