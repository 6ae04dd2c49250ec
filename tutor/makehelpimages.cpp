// Makes the keyboard example pictures of the word processor at build time:
// runs the tutor's help-image window once for each layout, as a person
// would: pick the example file and the layout, press Create.
//
//   yavo_makehelpimages PHONETIC-FILE NUDI-FILE PHONETIC2-FILE
//
// The pictures land in "../images-output/" (created when missing) under the
// layout names "Phonetic", "Nudi" and "Phonetic-2".

#include "tutor/mainwindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTextStream>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList files = app.arguments().mid(1);
    if (files.size() != 3) {
        err << "usage: yavo_makehelpimages PHONETIC-FILE NUDI-FILE PHONETIC2-FILE\n";
        return 2;
    }
    QDir().mkpath(QStringLiteral("../images-output"));

    MainWindow window;
    auto *path = window.findChild<QLineEdit *>(QStringLiteral("lineFilepath"));
    auto *layout = window.findChild<QComboBox *>(QStringLiteral("comboBox"));
    auto *create = window.findChild<QPushButton *>(QStringLiteral("pushCreate"));
    if (!path || !layout || !create || layout->count() != files.size()) {
        err << "the help-image window lacks its controls\n";
        return 1;
    }

    // A failed save asks the person with a message box; a build has no one
    // to answer it, so the box is closed and the picture counts as missing.
    bool refused = false;
    QTimer refuse;
    refuse.setSingleShot(true);
    refuse.setInterval(0);
    QObject::connect(&refuse, &QTimer::timeout, [&refused] {
        if (QWidget *box = QApplication::activeModalWidget()) {
            refused = true;
            box->close();
        }
    });

    for (int i = 0; i < files.size(); ++i) {
        const QString output = QStringLiteral("../images-output/%1.png").arg(layout->itemText(i));
        QFile::remove(output);
        path->setText(QFileInfo(files.at(i)).absoluteFilePath());
        layout->setCurrentIndex(i);
        refuse.start();
        create->click();
        refuse.stop();
        if (refused || !QFileInfo::exists(output)) {
            err << "no picture made from " << files.at(i) << '\n';
            return 1;
        }
    }
    return 0;
}
