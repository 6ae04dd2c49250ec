#include "tutor/mainwindow.h"
#include "ui_mainwindow.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QTextStream>
#include <QToolButton>

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
{
    ui->setupUi(this);
    connect(ui->pushQuit, &QPushButton::clicked, qApp, &QApplication::quit);
    connect(ui->pushCreate, &QPushButton::clicked, this, &MainWindow::onCreateClicked);
    connect(ui->toolBrowse, &QToolButton::clicked, this, &MainWindow::onToolBrowseClicked);
    onCreateClicked();
}

MainWindow::~MainWindow()
{
    delete ui;
}

void MainWindow::onToolBrowseClicked()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Choose Input File"));
    if (!path.isEmpty())
        ui->lineFilepath->setText(path);
}

void MainWindow::onCreateClicked()
{
    QFile file(ui->lineFilepath->text());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QTextStream in(&file);
    in.setCodec("UTF-8");
    in.setAutoDetectUnicode(true);
    const QString text = in.readAll();
    if (text.isEmpty())
        return;

    auto *table = new QWidget(this);
    auto *grid = new QGridLayout(table);
    grid->setSpacing(0);
    grid->setContentsMargins(2, 2, 2, 2);
    table->setMinimumSize(500, 800);

    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QStringList parts = lines.at(i).split(QLatin1Char('='));
        const QString keys = parts.value(0);
        const QString word = parts.value(1);
        if (keys.isEmpty() || word.isEmpty())
            continue;
        grid->addWidget(createWordButton(word), i, 0);
        grid->addWidget(createKeyRow(keys), i, 1);
    }

    const QPixmap picture = table->grab();
    const QString path = QStringLiteral("../images-output/%1.png").arg(ui->comboBox->currentText());
    if (!picture.save(path, "PNG")) {
        QMessageBox::information(this, tr("Create-Help-Images"),
                                 tr("Sorry there was error while creating the image"), QMessageBox::Ok);
    }
    table->deleteLater();
}

namespace {

// Buttons side by side, without margins or gaps.
QHBoxLayout *tightRowIn(QWidget *holder)
{
    auto *layout = new QHBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

// Shown held down, in bold at the given size.
void pressAndEmbolden(QAbstractButton *button, int pointSize)
{
    button->setDown(true);
    QFont font = button->font();
    font.setWeight(QFont::Bold);
    font.setPointSize(pointSize);
    button->setFont(font);
}

} // namespace

QToolButton *MainWindow::createKeyButton(const QString &text)
{
    auto *button = new QToolButton;
    button->setFixedSize(32, 32);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setText(text);
    pressAndEmbolden(button, 13);
    return button;
}

QWidget *MainWindow::createKeyRow(const QString &keys)
{
    auto *row = new QWidget;
    QHBoxLayout *layout = tightRowIn(row);
    for (const QChar key : keys) {
        if (key.isLetter())
            layout->addWidget(createKeyButton(key));
    }
    return row;
}

QWidget *MainWindow::createWordButton(const QString &word)
{
    auto *holder = new QWidget;
    auto *button = new QPushButton(word);
    pressAndEmbolden(button, 12);
    QFont font = button->font();
    font.setFamily(QStringLiteral("Nirmala UI"));
    button->setFont(font);
    button->setMinimumWidth(110);
    tightRowIn(holder)->addWidget(button);
    return holder;
}
