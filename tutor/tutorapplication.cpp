#include "tutor/tutorapplication.h"

#include "private/tutorlogging_p.h"

#include "core/indictransliterator.h"
#include "widgets/yvinstallindicfont.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QQuickWindow>
#include <QRawFont>
#include <QSGRendererInterface>

QByteArray TutorApplication::openGLRenderer()
{
    QOpenGLContext context;
    if (!context.create())
        return QByteArray();
    QOffscreenSurface surface;
    surface.setFormat(context.format());
    surface.create();
    if (!surface.isValid() || !context.makeCurrent(&surface))
        return QByteArray();
    const auto *renderer = reinterpret_cast<const char *>(context.functions()->glGetString(GL_RENDERER));
    const QByteArray name = renderer ? QByteArray(renderer) : QByteArray("");
    context.doneCurrent();
    return name;
}

namespace {

// The letter KA stands at the same place in the block of every script.
constexpr quint32 letterKaOffset = 0x15;

// The fonts of the scripts besides the built-in one, in the order of their
// names.
QStringList scriptFontFiles()
{
    const QDir folder(QStringLiteral(":/qrc/fonts"));
    QStringList files;
    for (const QString &name : folder.entryList(QDir::Files, QDir::Name))
        files << folder.filePath(name);
    return files;
}

} // namespace

bool TutorApplication::isSoftwareRasterizer(const QByteArray &renderer)
{
    static const char *const rasterizers[] = {"llvmpipe", "softpipe", "Software Rasterizer"};
    for (const char *rasterizer : rasterizers) {
        if (renderer.contains(rasterizer))
            return true;
    }
    return false;
}

void TutorApplication::chooseSceneGraphBackend()
{
    if (qEnvironmentVariableIsSet("QT_QUICK_BACKEND") || qEnvironmentVariableIsSet("QMLSCENE_DEVICE"))
        return;
    const QByteArray renderer = openGLRenderer();
    qCDebug(lcTutor) << "OpenGL renderer" << renderer;
    if (renderer.isNull() || isSoftwareRasterizer(renderer))
        QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
}

QString TutorApplication::installFont()
{
    const QString family = yvInstallIndicFont::installIndicFont();
    for (const QString &path : scriptFontFiles())
        QFontDatabase::addApplicationFont(path);
    QFont font = QGuiApplication::font();
    if (!family.isEmpty())
        font.setFamily(family);
    font.setPixelSize(15);
    QGuiApplication::setFont(font);
    return family;
}

QStringList TutorApplication::scriptFontFamilies()
{
    // Read for their names and characters only: the size does not matter.
    constexpr qreal anySize = 12;
    QList<QRawFont> fonts;
    for (const QString &path : QStringList(QStringLiteral(":/qrc/SakalBharati.ttf")) + scriptFontFiles()) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            fonts << QRawFont(file.readAll(), anySize);
    }
    QStringList families;
    const int languages = IndicTransliterator::languageNames().size();
    for (int language = 0; language < languages; ++language) {
        QString family = QGuiApplication::font().family();
        const quint32 base = IndicTransliterator::scriptBase(language);
        for (const QRawFont &font : qAsConst(fonts)) {
            if (base != 0 && font.supportsCharacter(base + letterKaOffset)) {
                family = font.familyName();
                break;
            }
        }
        families << family;
    }
    return families;
}
