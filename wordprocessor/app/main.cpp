#include "app/mainwindow.h"

#include "platform/filesync.h"

#include <QApplication>
#include <QStyleFactory>
#include <QTextCodec>

int main(int argc, char *argv[])
{
    Platform::ignoreFileSizeLimitSignal();
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QCoreApplication::addLibraryPath(QCoreApplication::applicationDirPath() + QLatin1String("/libs/"));

    MainWindow window(nullptr);
    window.handleArguments(QCoreApplication::arguments());
    window.keepOnScreen();

    return app.exec();
}
