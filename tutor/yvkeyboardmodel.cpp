#include "tutor/yvkeyboardmodel.h"

#include "core/indictransliterator.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTextStream>

namespace {

const QString websiteAddress = QStringLiteral("https://yavo.example.org");
const QString emailAddress = QStringLiteral("yavo@example.org");

QString linkFragment(const QString &target, const QString &text)
{
    return QStringLiteral("<html><style type=\"text/css\"></style><a href=\"%1\">%2</a></html>")
        .arg(target, text);
}

// One line of a layout file: unshifted text, shifted text, width factor,
// Shift flag; missing fields read as a single space.
KeyItem parseKeyLine(const QString &line)
{
    QStringList fields = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    while (fields.size() < 4)
        fields.append(QStringLiteral(" "));
    KeyItem key;
    key.romanChar = fields.at(0);
    key.romanUpperChar = fields.at(1);
    key.widthFactor = fields.at(2).toDouble();
    if (key.widthFactor == 0)
        key.widthFactor = 1.0;
    key.isShiftKey = fields.at(3) == QLatin1String("1");
    return key;
}

} // namespace

class KeyboardModelPrivate
{
public:
    explicit KeyboardModelPrivate(yvKeyboardModel *model)
        : q(model)
        , engine(0, 0)
    {
    }

    const KeyItem &findKey(const QString &text) const;
    int indexOfKeyText(const QString &text) const;
    int rowOfKey(const KeyItem &key) const;
    QString indicFor(const QString &keys);
    void chooseAskingChar();
    void emitDataChangedForAllRows();

    yvKeyboardModel *q;
    QList<KeyItem> keys;
    IndicTransliterator engine;
    QString askingChar;
    const KeyItem emptyKey;
};

const KeyItem &KeyboardModelPrivate::findKey(const QString &text) const
{
    for (const KeyItem &key : keys) {
        if (key.matches(text))
            return key;
    }
    return emptyKey;
}

int KeyboardModelPrivate::rowOfKey(const KeyItem &key) const
{
    return keys.indexOf(key);
}

int KeyboardModelPrivate::indexOfKeyText(const QString &text) const
{
    const KeyItem &key = findKey(text);
    if (&key == &emptyKey)
        return -1;
    return rowOfKey(key);
}

QString KeyboardModelPrivate::indicFor(const QString &keyText)
{
    if (keyText.isEmpty() || !engine.isKey(keyText))
        return QString();
    return engine.convertKey(keyText, engine.language(), engine.keyboard());
}

void KeyboardModelPrivate::chooseAskingChar()
{
    // Only entries that a key shows can be asked. Drawing among those alone
    // gives each the same chance as drawing among all entries until one fits,
    // and ends even when none fits.
    QStringList candidates;
    const QStringList layoutKeys = engine.keysForKeyboard();
    for (const QString &entry : layoutKeys) {
        if (indexOfKeyText(entry) >= 0)
            candidates.append(entry);
    }

    if (candidates.isEmpty()) {
        askingChar.clear();
        emit q->askingCharChanged(-1, askingChar, false);
        return;
    }

    const quint32 number = QRandomGenerator::global()->generate();
    askingChar = candidates.at(static_cast<int>(number % static_cast<quint32>(candidates.size())));
    const int row = indexOfKeyText(askingChar);
    emit q->askingCharChanged(row, askingChar, askingChar == keys.at(row).romanUpperChar);
}

void KeyboardModelPrivate::emitDataChangedForAllRows()
{
    if (keys.isEmpty())
        return;
    emit q->dataChanged(q->index(0), q->index(keys.size() - 1));
}

yvKeyboardModel::yvKeyboardModel(QObject *parent)
    : QAbstractListModel(parent)
    , d(new KeyboardModelPrivate(this))
{
}

yvKeyboardModel::~yvKeyboardModel()
{
    delete d;
}

yvKeyboardModel *yvKeyboardModel::createFromKeyLayout(QObject *parent)
{
    return createFromFile(QStringLiteral(":/qrc/keylayout.txt"), parent);
}

yvKeyboardModel *yvKeyboardModel::createFromKeyRow(int row, QObject *parent)
{
    return createFromFile(QStringLiteral(":/qrc/keyRow%1.txt").arg(row), parent);
}

yvKeyboardModel *yvKeyboardModel::createFromFile(const QString &path, QObject *parent)
{
    auto *model = new yvKeyboardModel(parent);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return model;
    QTextStream in(&file);
    QString line;
    while (in.readLineInto(&line)) {
        line = line.simplified();
        if (!line.isEmpty())
            model->appendKey(parseKeyLine(line));
    }
    return model;
}

int yvKeyboardModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : d->keys.size();
}

QVariant yvKeyboardModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= d->keys.size())
        return QVariant();
    const KeyItem &key = d->keys.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case RomanCharRole:
        return key.keyDisplayText();
    case RomanUpperCharRole:
        return key.romanUpperChar;
    case IndicUCharRole:
        return d->indicFor(key.romanUpperChar);
    case IndicLCharRole:
        return d->indicFor(key.keyDisplayText());
    case RomanUpperChIsVisibleRole: {
        if (key.romanUpperChar.isEmpty())
            return false;
        const char16_t first = key.romanUpperChar.at(0).unicode();
        return !((first >= u'A' && first <= u'Z') || (first >= u'a' && first <= u'z'));
    }
    case IsShiftKeyRole:
        return key.isShiftKey;
    case IsAlphaKeyRole:
        return key.isAlpha();
    case WidthFactorRole:
        return key.widthFactor;
    case IsSpecialKeyRole:
        return key.isSpecial();
    default:
        // Qt's own roles have types of their own that views rely on (a size
        // hint must be a size): those the keys do not set stay unset.
        if (role < Qt::UserRole)
            return QVariant();
        return QString();
    }
}

bool yvKeyboardModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    // The keys come from the layout file and are never edited; a differing
    // value is announced but not kept.
    if (!index.isValid() || index.row() >= d->keys.size())
        return false;
    if (value == data(index, role))
        return false;
    emit dataChanged(index, index, {role});
    return true;
}

bool yvKeyboardModel::insertRows(int, int, const QModelIndex &)
{
    // Keys come only from the layout file. Announcing rows that never arrive
    // would leave every view counting keys the model does not have.
    return false;
}

bool yvKeyboardModel::removeRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || row < 0 || row >= d->keys.size() || count <= 0)
        return false;
    // The part of the range past the last key is not there to remove.
    const int last = qMin(row + count, d->keys.size()) - 1;
    beginRemoveRows(QModelIndex(), row, last);
    d->keys.erase(d->keys.begin() + row, d->keys.begin() + last + 1);
    endRemoveRows();
    if (row < d->keys.size())
        emit dataChanged(index(row), index(d->keys.size() - 1));
    return true;
}

Qt::ItemFlags yvKeyboardModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled;
}

QHash<int, QByteArray> yvKeyboardModel::roleNames() const
{
    return {
        {RomanCharRole, QByteArrayLiteral("romanChar")},
        {RomanUpperCharRole, QByteArrayLiteral("romanUpperChar")},
        {IndicUCharRole, QByteArrayLiteral("indicUChar")},
        {IndicLCharRole, QByteArrayLiteral("indicLChar")},
        {RomanUpperChIsVisibleRole, QByteArrayLiteral("romanUpperChIsVisible")},
        {IsShiftKeyRole, QByteArrayLiteral("isShiftKey")},
        {IsAlphaKeyRole, QByteArrayLiteral("isAlphaKey")},
        {WidthFactorRole, QByteArrayLiteral("widthFactor")},
        {IsSpecialKeyRole, QByteArrayLiteral("isSpecialKey")},
    };
}

void yvKeyboardModel::appendKey(const KeyItem &key)
{
    const int row = d->keys.size();
    beginInsertRows(QModelIndex(), row, row);
    d->keys.append(key);
    endInsertRows();
}

void yvKeyboardModel::onKeyPressed(QObject *event)
{
    if (!event)
        return;
    const QString text = event->property("text").toString();
    const KeyItem pressed = d->findKey(text);
    // An empty text (a modifier alone) never answers, not even while
    // nothing is asked.
    if (!text.isEmpty() && text == d->askingChar)
        d->chooseAskingChar();
    if (pressed.hasText())
        emit keyPressed(index(d->rowOfKey(pressed)));
}

QString yvKeyboardModel::getAskingChar() const
{
    return d->askingChar;
}

QString yvKeyboardModel::getAskingCharInIndic() const
{
    return d->indicFor(d->askingChar);
}

void yvKeyboardModel::updateAskingChar()
{
    d->chooseAskingChar();
}

void yvKeyboardModel::setLanguage(int language)
{
    if (language != d->engine.language())
        switchEngine(&IndicTransliterator::setLanguage, language);
}

void yvKeyboardModel::setKeyboad(int keyboard)
{
    if (keyboard != d->engine.keyboard())
        switchEngine(&IndicTransliterator::setKeyboard, keyboard);
}

// Every Indic caption changes with the language or layout: the views see a
// reset, then the character asked in the new script.
void yvKeyboardModel::switchEngine(void (IndicTransliterator::*set)(int), int value)
{
    emit isReadyChanged(false);
    beginResetModel();
    (d->engine.*set)(value);
    endResetModel();
    d->chooseAskingChar();
    d->emitDataChangedForAllRows();
    emit isReadyChanged(true);
}

int yvKeyboardModel::getLanguage() const
{
    return d->engine.language();
}

int yvKeyboardModel::getKeyboad() const
{
    return d->engine.keyboard();
}

QString yvKeyboardModel::getLanguageName() const
{
    return d->engine.languageName();
}

QString yvKeyboardModel::getKeyboadName() const
{
    return d->engine.keyboardName();
}

QString yvKeyboardModel::getWebsiteUrl() const
{
    return linkFragment(websiteAddress, websiteAddress);
}

QString yvKeyboardModel::getEMailUrl() const
{
    return linkFragment(QLatin1String("mailto:") + emailAddress, emailAddress);
}
