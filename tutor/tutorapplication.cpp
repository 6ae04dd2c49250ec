#include "tutor/tutorapplication.h"

#include "widgets/yvinstallindicfont.h"

#include <QFont>
#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QQuickWindow>
#include <QSGRendererInterface>

namespace {

bool canMakeOpenGLContext()
{
    QOpenGLContext context;
    if (!context.create())
        return false;
    QOffscreenSurface surface;
    surface.setFormat(context.format());
    surface.create();
    if (!surface.isValid() || !context.makeCurrent(&surface))
        return false;
    context.doneCurrent();
    return true;
}

} // namespace

void TutorApplication::chooseSceneGraphBackend()
{
    if (qEnvironmentVariableIsSet("QT_QUICK_BACKEND") || qEnvironmentVariableIsSet("QMLSCENE_DEVICE"))
        return;
    if (!canMakeOpenGLContext())
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
