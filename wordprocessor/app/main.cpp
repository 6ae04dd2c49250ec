#include "app/mainwindow.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStyleFactory>
#include <QTextCodec>

int main(int argc, char *argv[])
{
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QCoreApplication::addLibraryPath(QCoreApplication::applicationDirPath() + QLatin1String("/libs/"));

    MainWindow window(nullptr);
    window.handleArguments(QCoreApplication::arguments());

    // A window stored for a screen that is gone comes back where it can be seen.
    const QRect geometry = window.geometry();
    const QPoint centre((geometry.left() + geometry.right()) / 2,
                        (geometry.top() + geometry.bottom()) / 2);
    QScreen *screen = QGuiApplication::screenAt(centre);
    if (!screen || !screen->availableGeometry().contains(geometry, true))
        window.setGeometry(200, 200, 600, 400);

    return app.exec();
}
