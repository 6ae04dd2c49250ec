#include "tutor/tutorapplication.h"

#include "private/tutorlogging_p.h"

#include "widgets/yvinstallindicfont.h"

#include <QFont>
#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QQuickWindow>
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
    QFont font = QGuiApplication::font();
    if (!family.isEmpty())
        font.setFamily(family);
    font.setPixelSize(15);
    QGuiApplication::setFont(font);
    return family;
}
