#include "modalanswerer.h"
#include "testmain.h"

#include "tutor/mainwindow.h"

#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>

namespace {

struct Tool
{
    MainWindow window;
    QLineEdit *path = window.findChild<QLineEdit *>(QStringLiteral("lineFilepath"));
    QComboBox *layout = window.findChild<QComboBox *>(QStringLiteral("comboBox"));
    QPushButton *create = window.findChild<QPushButton *>(QStringLiteral("pushCreate"));
};

// Whether any pixel of the rows from top to bottom differs from the background.
bool drawsIn(const QImage &picture, int top, int bottom, const QColor &background)
{
    for (int y = top; y < bottom; ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.pixelColor(x, y) != background)
                return true;
        }
    }
    return false;
}

// The runs of rows with drawing, top to bottom: one for each example drawn.
int drawnBands(const QImage &picture, const QColor &background)
{
    int bands = 0;
    bool inBand = false;
    for (int y = 0; y < picture.height(); ++y) {
        const bool drawn = drawsIn(picture, y, y + 1, background);
        if (drawn && !inBand)
            ++bands;
        inBand = drawn;
    }
    return bands;
}

} // namespace

class TestHelpImageTool : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void makesAPictureOfTheExamples();
    void makesNothingFromAnEmptyOrMissingFile_data();
    void makesNothingFromAnEmptyOrMissingFile();
    void saysSoWhenThePictureCannotBeSaved();
    void buildCarriesTheKeyboardExamplePictures_data();
    void buildCarriesTheKeyboardExamplePictures();

private:
    QScopedPointer<TemporaryCurrentDir> m_folder;
};

void TestHelpImageTool::init()
{
    // The tool writes "../images-output/<layout>.png" from the current folder.
    m_folder.reset(new TemporaryCurrentDir);
    QVERIFY(QDir().mkpath(QStringLiteral("work/../images-output")));
    QVERIFY(QDir::setCurrent(QStringLiteral("work")));
}

void TestHelpImageTool::makesAPictureOfTheExamples()
{
    QFile examples(QStringLiteral("examples.txt"));
    QVERIFY(examples.open(QIODevice::WriteOnly));
    // A byte-order mark, two examples and lines that are no examples.
    examples.write("\xEF\xBB\xBF" "ka=\xE0\xB2\x95\nno example\n=\xE0\xB2\x95\nkA=\xE0\xB2\x95\xE0\xB2\xBE\n");
    examples.close();

    Tool tool;
    tool.path->setText(examples.fileName());
    tool.layout->setCurrentIndex(2);
    tool.create->click();

    const QImage picture(QStringLiteral("../images-output/Phonetic-2.png"));
    QCOMPARE(picture.size(), QSize(500, 800));
    const QColor background = tool.window.palette().color(QPalette::Window);
    QCOMPARE(picture.pixelColor(0, 0), background);
    QCOMPARE(picture.pixelColor(499, 799), background);
    // The two examples share the height, one in each half; the lines that
    // are no examples draw nothing.
    QCOMPARE(drawnBands(picture, background), 2);
    QVERIFY(drawsIn(picture, 0, 400, background));
    QVERIFY(drawsIn(picture, 400, 800, background));
}

void TestHelpImageTool::makesNothingFromAnEmptyOrMissingFile_data()
{
    QTest::addColumn<bool>("exists");
    QTest::newRow("empty file") << true;
    QTest::newRow("missing file") << false;
}

void TestHelpImageTool::makesNothingFromAnEmptyOrMissingFile()
{
    QFETCH(bool, exists);
    if (exists) {
        QFile empty(QStringLiteral("empty.txt"));
        QVERIFY(empty.open(QIODevice::WriteOnly));
    }
    Tool tool;
    tool.path->setText(QStringLiteral("empty.txt"));
    tool.create->click();
    QVERIFY(QDir(QStringLiteral("../images-output")).isEmpty());
}

void TestHelpImageTool::saysSoWhenThePictureCannotBeSaved()
{
    QFile examples(QStringLiteral("examples.txt"));
    QVERIFY(examples.open(QIODevice::WriteOnly));
    examples.write("ka=\xE0\xB2\x95\n");
    examples.close();
    QVERIFY(QDir(QStringLiteral("..")).rmdir(QStringLiteral("images-output")));

    Tool tool;
    tool.path->setText(examples.fileName());
    ModalAnswerer answerer;
    answerer.expectMessageBox(QStringLiteral("Create-Help-Images"),
                              QStringLiteral("Sorry there was error while creating the image"), QMessageBox::Ok);
    tool.create->click();
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
}

void TestHelpImageTool::buildCarriesTheKeyboardExamplePictures_data()
{
    QTest::addColumn<QString>("resource");
    QTest::newRow("Phonetic") << ":/resources/examples/Phonetic.png";
    QTest::newRow("Nudi") << ":/resources/examples/Nudi.png";
    QTest::newRow("Phonetic-2") << ":/resources/examples/phonetic-2.png";
}

void TestHelpImageTool::buildCarriesTheKeyboardExamplePictures()
{
    QFETCH(QString, resource);
    const QImage picture(resource);
    QCOMPARE(picture.size(), QSize(500, 800));
    const QColor background = picture.pixelColor(0, 0);
    // One row an example, down to the bottom of the picture.
    QVERIFY(drawsIn(picture, 0, 40, background));
    QVERIFY(drawsIn(picture, 760, 800, background));
}

YAVO_TEST_MAIN(TestHelpImageTool)
#include "tst_helpimagetool.moc"
