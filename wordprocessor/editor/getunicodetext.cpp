#include "editor/getunicodetext.h"

#include "widgets/unicodelineedit.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

// The dialog's widgets, built in code rather than by a form file.
class GetUnicodeTextForm
{
public:
    void setupUi(QDialog *dialog);
    void retranslateUi(QDialog *dialog);

    QGridLayout *gridLayout = nullptr;
    QFrame *frame = nullptr;
    QHBoxLayout *horizontalLayout = nullptr;
    UnicodeLineEdit *unicodeLineEdit = nullptr;
    QDialogButtonBox *buttonBox = nullptr;
    QLabel *label = nullptr;
};

void GetUnicodeTextForm::setupUi(QDialog *dialog)
{
    dialog->setObjectName(QStringLiteral("GetUnicodeText"));
    dialog->resize(400, 77);
    gridLayout = new QGridLayout(dialog);
    label = new QLabel(dialog);
    gridLayout->addWidget(label, 0, 0);

    frame = new QFrame(dialog);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Plain);
    horizontalLayout = new QHBoxLayout(frame);
    horizontalLayout->setSpacing(0);
    horizontalLayout->setContentsMargins(0, 0, 0, 0);
    unicodeLineEdit = new UnicodeLineEdit(frame);
    unicodeLineEdit->setObjectName(QStringLiteral("unicodeLineEdit"));
    unicodeLineEdit->setFrameShape(QFrame::NoFrame);
    unicodeLineEdit->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    unicodeLineEdit->setMaximumHeight(28);
    horizontalLayout->addWidget(unicodeLineEdit);
    gridLayout->addWidget(frame, 0, 1);

    buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel,
                                     Qt::Horizontal, dialog);
    gridLayout->addWidget(buttonBox, 1, 0, 1, 2);

    retranslateUi(dialog);
    QObject::connect(buttonBox, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttonBox, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    QObject::connect(unicodeLineEdit, &UnicodeLineEdit::editingFinished, dialog, &QDialog::accept);
}

void GetUnicodeTextForm::retranslateUi(QDialog *dialog)
{
    dialog->setWindowTitle(GetUnicodeText::tr("Enter Text :"));
    label->setText(GetUnicodeText::tr("Text :"));
}

GetUnicodeText::GetUnicodeText(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint)
    , ui(new GetUnicodeTextForm)
{
    ui->setupUi(this);
}

GetUnicodeText::GetUnicodeText(int language, int keyboard, QWidget *parent)
    : GetUnicodeText(parent)
{
    setKeyboard(language, keyboard);
}

GetUnicodeText::GetUnicodeText(int language, int keyboard, const QString &text, QWidget *parent)
    : GetUnicodeText(language, keyboard, parent)
{
    setText(text);
}

GetUnicodeText::~GetUnicodeText()
{
    delete ui;
}

QString GetUnicodeText::text() const
{
    return ui->unicodeLineEdit->text();
}

void GetUnicodeText::selectAll()
{
    ui->unicodeLineEdit->selectAll();
}

void GetUnicodeText::setKeyboard(int language, int keyboard)
{
    ui->unicodeLineEdit->setLanguage(language, keyboard);
}

void GetUnicodeText::setText(const QString &text)
{
    ui->unicodeLineEdit->setText(text);
}
