#include "app/scriptconvertdialog.h"
#include "app/ui_scriptconvertdialog.h"

#include <QApplication>

ScriptConvertDialog::ScriptConvertDialog(int sourceLanguage, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowCloseButtonHint)
    , ui(new Ui::ScriptConvertDialog)
    , m_sourceLanguage(sourceLanguage)
{
    Q_INIT_RESOURCE(yavopad);
    ui->setupUi(this);
    connect(ui->groupBox, &QGroupBox::toggled, this, &ScriptConvertDialog::onNotesChecked);
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &ScriptConvertDialog::accept);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &ScriptConvertDialog::reject);
    ui->fromLanguageCombo->setCurrentIndex(m_sourceLanguage);
}

ScriptConvertDialog::~ScriptConvertDialog()
{
    delete ui;
}

int ScriptConvertDialog::destinationIndex() const
{
    return ui->toLanguageCombo->currentIndex();
}

void ScriptConvertDialog::accept()
{
    QDialog::accept();
}

void ScriptConvertDialog::onNotesChecked(bool visible)
{
    ui->textBrowser->setVisible(visible);
}

void ScriptConvertDialog::showEvent(QShowEvent *event)
{
    QApplication::setActiveWindow(this);
    QDialog::showEvent(event);
}

void ScriptConvertDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
