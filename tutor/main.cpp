#include "tutor/tutorapplication.h"
#include "tutor/yvtypingtutorwidget.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    // Asks Qt for its software OpenGL where Qt reads this (Windows); other
    // systems get the software scene graph when OpenGL is missing.
    qputenv("QT_OPENGL", "software");
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
