#include "editor/edituserdict.h"
#include "ui_edituserdict.h"

#include "editor/getunicodetext.h"
#include "editor/userdict.h"
#include "private/editorlogging_p.h"

#include "dictionary/wordlist.h"
#include "utils/utils.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace {

const QString wordsTable = QStringLiteral("UnicodeWords");
const QString makerAddress = QStringLiteral("https://yavo.example.org/contact");
constexpr int listFontPoints = 11;

QString boxTitle()
{
    return EditUserDict::tr("Yavo Software");
}

} // namespace

class EditUserDictPrivate
{
public:
    explicit EditUserDictPrivate(EditUserDict *dialog)
        : q(dialog)
    {
    }

    void browseFile();
    void readChosenFile();
    void addWord();
    void editItem(QListWidgetItem *item);
    void removeSelected();
    void moveRight();
    void moveLeft();
    void loadUserDict();
    bool save();
    QStringList storedWords() const;

    EditUserDict *const q;
    int language = 0;
    int keyboard = 0;
    QStringList leftWords;
    QStringList finalWords;
    bool dictionaryLoaded = false;
    bool fileChanged = false;
};

void EditUserDictPrivate::browseFile()
{
    const QString previous = q->ui->fileNameLine->text();
    const QString path = QFileDialog::getOpenFileName(q, EditUserDict::tr("Yavo Software"),
                                                      QDir::homePath());
    q->ui->fileNameLine->setText(path);
    if (q->ui->editWordsCheckBox->isChecked())
        readChosenFile();
    else if (path != previous)
        fileChanged = true;
}

void EditUserDictPrivate::readChosenFile()
{
    const QString path = q->ui->fileNameLine->text();
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    leftWords += Utils::readLines(path);
    leftWords.removeDuplicates();
    q->ui->leftList->addItems(leftWords);
    q->ui->leftList->setFocus();
    fileChanged = false;
}

void EditUserDictPrivate::addWord()
{
    GetUnicodeText entry(language, keyboard, q);
    if (entry.exec() != QDialog::Accepted)
        return;
    const QString word = entry.text();
    if (word.isEmpty())
        return;
    if (leftWords.contains(word)) {
        QMessageBox::information(q, boxTitle(), EditUserDict::tr("Duplicate, Its already present!"),
                                 QMessageBox::Ok);
        return;
    }
    leftWords.append(word);
    auto *item = new QListWidgetItem(word, q->ui->leftList);
    item->setSelected(true);
}

void EditUserDictPrivate::editItem(QListWidgetItem *item)
{
    if (!item || item->text().isEmpty())
        return;
    GetUnicodeText entry(language, keyboard, item->text(), q);
    entry.selectAll();
    if (entry.exec() == QDialog::Accepted)
        item->setText(entry.text());
}

void EditUserDictPrivate::removeSelected()
{
    const QList<QListWidgetItem *> selected = q->ui->leftList->selectedItems();
    for (QListWidgetItem *item : selected) {
        leftWords.removeOne(item->text());
        delete item;
    }
}

void EditUserDictPrivate::moveRight()
{
    QStringList moved;
    const QList<QListWidgetItem *> selected = q->ui->leftList->selectedItems();
    for (const QListWidgetItem *item : selected) {
        if (!finalWords.contains(item->text()) && !moved.contains(item->text()))
            moved.append(item->text());
    }
    removeSelected();
    finalWords += moved;
    q->ui->rightList->addItems(moved);
}

void EditUserDictPrivate::moveLeft()
{
    QStringList moved;
    const QList<QListWidgetItem *> selected = q->ui->rightList->selectedItems();
    for (QListWidgetItem *item : selected) {
        if (!leftWords.contains(item->text()))
            moved.append(item->text());
        finalWords.removeOne(item->text());
        delete item;
    }
    q->ui->leftList->addItems(moved);
}

QStringList EditUserDictPrivate::storedWords() const
{
    QStringList words;
    {
        UserDict store;
        words = store.load(wordsTable).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    words += Utils::readLines(WordList::userWordFile());
    words.removeDuplicates();
    return words;
}

void EditUserDictPrivate::loadUserDict()
{
    finalWords = storedWords();
    q->ui->rightList->addItems(finalWords);
    q->ui->loadUserDictBtn->setEnabled(false);
    dictionaryLoaded = true;
}

bool EditUserDictPrivate::save()
{
    qCDebug(lcEditor) << "EditUserDictPrivate::save()";
    QStringList words;
    if (q->ui->editWordsCheckBox->isChecked()) {
        qCDebug(lcEditor) << "Final list " << q->ui->rightList->count();
        for (int row = 0; row < q->ui->rightList->count(); ++row) {
            const QString word = q->ui->rightList->item(row)->text();
            if (!word.isEmpty() && !words.contains(word))
                words.append(word);
        }
    } else {
        const QString path = q->ui->fileNameLine->text();
        if (!path.isEmpty())
            words = Utils::readLines(path);
    }
    if (!dictionaryLoaded)
        finalWords = storedWords();
    words += finalWords;
    words.removeDuplicates();

    bool saved = false;
    {
        UserDict store;
        saved = store.save(words.join(QLatin1Char('\n')), wordsTable);
    }
    if (saved) {
        QFile::remove(WordList::userWordFile());
        QMessageBox::information(q, boxTitle(),
                                 EditUserDict::tr("User Dictionary updated successfully!"),
                                 QMessageBox::Ok);
    } else {
        QMessageBox::information(q, boxTitle(),
                                 EditUserDict::tr("Unable to save the user dictionary\n"
                                                  "Pleae inform the error to ")
                                         + makerAddress,
                                 QMessageBox::Ok);
    }
    return saved;
}

EditUserDict::EditUserDict(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowCloseButtonHint)
    , ui(new Ui::EditUserDict)
    , d(new EditUserDictPrivate(this))
{
    ui->setupUi(this);

    connect(ui->addBtn, &QToolButton::clicked, this, &EditUserDict::onAddClicked);
    connect(ui->removeBtn, &QToolButton::clicked, this, &EditUserDict::onRemoveClicked);
    connect(ui->browseFile, &QToolButton::clicked, this, &EditUserDict::onBrowseFileClicked);
    connect(ui->moveLeftBtn, &QToolButton::clicked, this, &EditUserDict::onMoveLeftBtnClicked);
    connect(ui->moveRightBtn, &QToolButton::clicked, this, &EditUserDict::onMoveRighBtnClicked);
    connect(ui->loadUserDictBtn, &QPushButton::clicked, this, &EditUserDict::onLoadUserDictClicked);
    connect(ui->leftList, &QListWidget::itemDoubleClicked, this, &EditUserDict::onItemDoubleClicked);
    connect(ui->leftList, &QListWidget::itemSelectionChanged,
            this, &EditUserDict::onItemSelectionChanged);
    connect(ui->rightList, &QListWidget::itemSelectionChanged,
            this, &EditUserDict::onItemSelectionChanged);
    connect(ui->editWordsCheckBox, &QCheckBox::clicked,
            this, &EditUserDict::onEditWordsCheckBoxClicked);

    onItemSelectionChanged();
    ui->editParent->hide();
    ui->editWordsCheckBox->setChecked(true);
    onEditWordsCheckBoxClicked(true);
}

EditUserDict::~EditUserDict()
{
    delete d;
    delete ui;
}

void EditUserDict::setLanguage(int language, int keyboard)
{
    d->language = language;
    d->keyboard = keyboard;
    const QFont font(Utils::defaultFontFamily(language), listFontPoints);
    ui->leftList->setFont(font);
    ui->rightList->setFont(font);
}

void EditUserDict::accept()
{
    if (d->save())
        QDialog::accept();
}

void EditUserDict::showEvent(QShowEvent *event)
{
    QApplication::setActiveWindow(this);
    QDialog::showEvent(event);
}

void EditUserDict::onBrowseFileClicked()
{
    d->browseFile();
}

void EditUserDict::onAddClicked()
{
    d->addWord();
}

void EditUserDict::onRemoveClicked()
{
    d->removeSelected();
}

void EditUserDict::onClearClicked()
{
    ui->leftList->clear();
}

void EditUserDict::onSelectAllClicked()
{
    ui->leftList->selectAll();
}

void EditUserDict::onDeselectAllClicked()
{
    ui->rightList->clearSelection();
    ui->leftList->clearSelection();
}

void EditUserDict::onLoadUserDictClicked()
{
    d->loadUserDict();
}

void EditUserDict::onMoveRighBtnClicked()
{
    d->moveRight();
}

void EditUserDict::onMoveLeftBtnClicked()
{
    d->moveLeft();
}

void EditUserDict::onItemDoubleClicked(QListWidgetItem *item)
{
    d->editItem(item);
}

void EditUserDict::onItemSelectionChanged()
{
    ui->moveRightBtn->setEnabled(!ui->leftList->selectedItems().isEmpty());
    ui->moveLeftBtn->setEnabled(!ui->rightList->selectedItems().isEmpty());
}

void EditUserDict::onEditWordsCheckBoxClicked(bool checked)
{
    if (checked && d->fileChanged)
        d->readChosenFile();
    ui->editParent->setVisible(checked);
}
