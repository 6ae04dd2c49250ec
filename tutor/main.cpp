#include "tutor/tutorapplication.h"
#include "tutor/yvtypingtutorwidget.h"

#include "platform/filesync.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    Platform::ignoreFileSizeLimitSignal();
    // Asks Qt for its software OpenGL where Qt reads this (Windows); other
    // systems get the software scene graph when OpenGL is missing or runs
    // on the processor.
    qputenv("QT_OPENGL", "software");
    // Compiled QML kept in the user's cache folder would save the tutor a
    // few milliseconds of a start-up that takes far longer: not worth files
    // in the user's home.
    if (!qEnvironmentVariableIsSet("QML_DISABLE_DISK_CACHE"))
        qputenv("QML_DISABLE_DISK_CACHE", "1");
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    TutorApplication::installFont();
    TutorApplication::chooseSceneGraphBackend();

    // The tutor takes no arguments: whatever is given is left alone.
    yvTypingTutorWidget view;
    view.show();
    return app.exec();
}
