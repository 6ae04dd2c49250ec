#include "utils/utils.h"

#include "core/indicchars.h"
#include "core/languagetable.h"
#include "core/textlinefile.h"
#include "utils/wordcompleter.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHash>
#include <QListView>
#include <QSettings>
#include <QStringListModel>
#include <QStyledItemDelegate>
#include <QTextCodec>

namespace {

// The writing system of each row of the language table, in its order.
constexpr QFontDatabase::WritingSystem writingSystems[] = {
    QFontDatabase::Kannada,
    QFontDatabase::Telugu,
    QFontDatabase::Malayalam,
    QFontDatabase::Oriya,
    QFontDatabase::Devanagari,
    QFontDatabase::Gujarati,
    QFontDatabase::Bengali,
    QFontDatabase::Gurmukhi,
    QFontDatabase::Tamil,
    QFontDatabase::Latin,
};
constexpr unsigned writingSystemCount = sizeof(writingSystems) / sizeof(writingSystems[0]);
static_assert(writingSystemCount == IndicLanguage::count + 1, "a writing system for each language");

// Every row of the completer's popup gets the same comfortable height, so
// Indic glyphs with marks above and below are not clipped. The popup is as
// wide as its widest word, which means measuring every word it offers, as
// many as a thousand for a common prefix: each word's width is measured
// once for the popup's font.
class PopupItemDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    ~PopupItemDelegate() override = default;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        if (option.font != m_measuredFont) {
            m_widths.clear();
            m_measuredFont = option.font;
        }
        const QString text = index.data(Qt::DisplayRole).toString();
        auto width = m_widths.constFind(text);
        if (width == m_widths.constEnd())
            width = m_widths.insert(text, QStyledItemDelegate::sizeHint(option, index).width());
        return QSize(*width, 26);
    }

private:
    mutable QFont m_measuredFont;
    mutable QHash<QString, int> m_widths;
};

} // namespace

Utils::Utils(QObject *parent)
    : QObject(parent)
{
}

Utils::~Utils()
{
    // The completer goes before the word list that owns its model.
    delete m_completer;
}

QString Utils::displayName()
{
    return QGuiApplication::applicationDisplayName();
}

QString Utils::converterTitle()
{
    return QStringLiteral("Yavo-Converter");
}

QString Utils::decodeUtf8(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return QString();
    QTextCodec *codec = QTextCodec::codecForName(utf8CodecName);
    return codec ? codec->toUnicode(bytes) : QString::fromUtf8(bytes);
}

QString Utils::languageCode(int language)
{
    return LanguageTable::languageCode(language);
}

QString Utils::languageName(int language)
{
    return LanguageTable::languageName(language);
}

QFontDatabase::WritingSystem Utils::writingSystem(int language)
{
    // Unsigned on purpose: a negative index is "any other".
    return static_cast<unsigned>(language) < writingSystemCount ? writingSystems[language]
                                                                : QFontDatabase::Latin;
}

QString Utils::defaultFontFamily(int language)
{
    return LanguageTable::defaultFontFamily(language);
}

QByteArray Utils::codecName(int encodingIndex)
{
    // Indexed by the stored encoding number, not by the Encoding menu's
    // labels; the gaps (0, 1, 6) are UTF-8 like any unknown value.
    switch (encodingIndex) {
    case 2: return QByteArrayLiteral("UTF-16");
    case 3: return QByteArrayLiteral("UTF-16BE");
    case 4: return QByteArrayLiteral("UTF-16LE");
    case 5: return QByteArrayLiteral("UTF-32");
    case 7: return QByteArrayLiteral("UTF-32BE");
    case 8: return QByteArrayLiteral("UTF-32LE");
    default: return utf8CodecName;
    }
}

QString Utils::workingDir()
{
    return SharedSettings::workingDir();
}

void Utils::setWorkingDir(const QString &dir)
{
    SharedSettings::setWorkingDir(dir);
}

QString Utils::quickBytesPath()
{
    return SharedSettings::quickBytesPath();
}

bool Utils::englishNumerals()
{
    return SharedSettings::englishNumerals();
}

void Utils::setEnglishNumerals(bool on)
{
    SharedSettings::setEnglishNumerals(on);
}

int Utils::chooseDefaultLanguage(int current)
{
    QDialog dialog;
    QSettings settings(settingsOrganization, settingsApplication);

    auto *combo = new QComboBox(&dialog);
    combo->insertItems(0, {QStringLiteral("Kannada"), QStringLiteral("Telugu"),
                           QStringLiteral("Malayalam"), QStringLiteral("Oriya"),
                           QStringLiteral("Hindi"), QStringLiteral("Gujarati"),
                           QStringLiteral("Bengali"), QStringLiteral("Gurumukhi")});
    combo->setCurrentIndex(current);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    auto *layout = new QFormLayout(&dialog);
    layout->addRow(QCoreApplication::translate("Utils", "Choose your default language"), combo);
    layout->addRow(buttons);

    if (dialog.exec() != QDialog::Accepted)
        return 0;
    const int chosen = combo->currentIndex();
    settings.setValue(QStringLiteral("Yavo-Default-Language"), QString::number(chosen));
    return chosen;
}

QCompleter *Utils::completer()
{
    if (m_completer)
        return m_completer;

    auto *completer = new WordCompleter(this);
    m_completer = completer;
    // Always the Kannada dictionary, whatever language the editors use.
    completer->setWordModel(loadWords(0));
    completer->setModelSorting(QCompleter::UnsortedModel);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setWrapAround(false);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    if (QAbstractItemView *popup = completer->popup()) {
        popup->setItemDelegate(new PopupItemDelegate(popup));
        // The rows are all of one height: the list lays out its rows
        // without measuring each of them again when it shows.
        if (auto *list = qobject_cast<QListView *>(popup))
            list->setUniformItemSizes(true);
        popup->setFont(QFont(QStringLiteral("Tunga"), 11));
    }
    return completer;
}

QStringListModel *Utils::loadWords(int language)
{
    return m_wordList.loadWords(language);
}

void Utils::loadUserDictionary()
{
    m_wordList.loadUserDictionary();
}

void Utils::addWord(const QString &word)
{
    m_wordList.addWord(word);
}

void Utils::addWords(const QStringList &words)
{
    m_wordList.addWords(words);
}

void Utils::ignoreWord(const QString &word)
{
    m_wordList.ignoreWord(word);
}

bool Utils::isIgnored(const QString &word) const
{
    return m_wordList.isIgnored(word);
}

bool Utils::isMisspelled(const QString &word) const
{
    return m_wordList.isMisspelled(word);
}

QStringList Utils::suggestions(const QString &word) const
{
    return m_wordList.suggestions(word);
}

bool Utils::addToUserDictionary(const QString &word, QCompleter *completer)
{
    return m_wordList.addToUserDictionary(word, completer != nullptr);
}

QStringList Utils::readLines(const QString &path)
{
    return TextLineFile::readLines(path);
}

bool Utils::appendLine(const QString &text, const QString &path)
{
    return TextLineFile::appendLine(text, path);
}

bool Utils::writeLines(const QStringList &lines, const QString &path)
{
    return TextLineFile::writeLines(lines, path);
}
