#include "utils.h"

#include "dictdatabase.h"
#include "indicchars.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QDataStream>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QSettings>
#include <QStandardPaths>
#include <QStringListModel>
#include <QStyledItemDelegate>
#include <QTextCodec>
#include <QTextStream>
#include <QtEndian>

Q_LOGGING_CATEGORY(lcWordList, "yavo.wordlist")

const QString settingsOrganization = QStringLiteral("Quenvel");
const QString settingsApplication = QStringLiteral("Yavo");
const QString dictSettingsApplication = QStringLiteral("Yavo-Dict");
const QByteArray utf8CodecName = QByteArrayLiteral("UTF-8");

namespace {

struct LanguageRow
{
    const char *name;
    const char *code;
    QFontDatabase::WritingSystem writingSystem;
    const char *fontFamily;
};

// Indexed by the shared language number; 9 is English (Indic input off).
constexpr LanguageRow languageTable[] = {
    {"Kannada", "kn", QFontDatabase::Kannada, "tunga"},
    {"Telugu", "te", QFontDatabase::Telugu, "gautami"},
    {"Malayalam", "ml", QFontDatabase::Malayalam, "kartika"},
    {"Oriya", "or", QFontDatabase::Oriya, "ARIALUNI"},
    {"Hindi", "hi", QFontDatabase::Devanagari, "mangal"},
    {"Gujarati", "gu", QFontDatabase::Gujarati, "shruti"},
    {"Bengali", "bn", QFontDatabase::Bengali, "vrinda"},
    {"Gurmukhi", "pa", QFontDatabase::Gurmukhi, "Arial Unicode MS"},
    {"Tamil", "ta", QFontDatabase::Tamil, "latha"},
    {"English", nullptr, QFontDatabase::Latin, "arial"},
};
constexpr unsigned languageCount = sizeof(languageTable) / sizeof(languageTable[0]);

// Unsigned on purpose: a negative index is "any other" and must not index.
const LanguageRow *languageRow(int language)
{
    return static_cast<unsigned>(language) < languageCount ? &languageTable[language] : nullptr;
}

const QString inputSettingsGroup = QStringLiteral("InputSettings");
const QString englishNumeralsKey = QStringLiteral("englishNumerals");

QString &workingFolder()
{
    static QString folder;
    return folder;
}

// Every row of the completer's popup gets the same comfortable height, so
// Indic glyphs with marks above and below are not clipped.
class PopupItemDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    ~PopupItemDelegate() override = default;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(26);
        return size;
    }
};

// Shows the wait cursor while it lives, where there is a cursor to show.
class WaitCursor
{
public:
    WaitCursor()
        : m_shown(qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr)
    {
        if (m_shown)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~WaitCursor()
    {
        if (m_shown)
            QGuiApplication::restoreOverrideCursor();
    }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;

private:
    bool m_shown;
};

const QString userWordFile = QStringLiteral("usr.dct");

// Reads the QStringList that QDataStream wrote into "dict.dat" (big-endian
// count, then each string as a byte length and UTF-16BE code units). Every
// length is checked against what the file still holds before anything is
// allocated, so a damaged file gives an empty list instead of a huge
// allocation.
QStringList readWordFile(QFile &file)
{
    QDataStream in(&file);
    quint32 count = 0;
    in >> count;
    if (in.status() != QDataStream::Ok)
        return QStringList();
    // Each string takes at least its four length bytes.
    if (quint64(count) * 4 > quint64(file.size() - file.pos()))
        return QStringList();

    QStringList words;
    words.reserve(int(count));
    for (quint32 i = 0; i < count; ++i) {
        quint32 bytes = 0;
        in >> bytes;
        if (in.status() != QDataStream::Ok)
            return QStringList();
        if (bytes == 0xFFFFFFFFu) {
            words.append(QString());
            continue;
        }
        if ((bytes & 1u) || quint64(bytes) > quint64(file.size() - file.pos()))
            return QStringList();
        QString word(int(bytes / 2), Qt::Uninitialized);
        if (in.readRawData(reinterpret_cast<char *>(word.data()), int(bytes)) != int(bytes))
            return QStringList();
        qFromBigEndian<quint16>(word.data(), word.size(), word.data());
        words.append(word);
    }
    return words;
}

QStringList getWordsFromDataStream()
{
    const QString path = QStringLiteral("%1/dict.dat")
            .arg(QDir(DictDatabase::folder()).absolutePath());
    QFile file(path);
    if (!file.exists())
        return QStringList();
    if (!file.open(QIODevice::ReadOnly)) {
        qCDebug(lcWordList) << "getWordsFromDataStream" << path << "HELLO";
        return QStringList();
    }
    QStringList words = readWordFile(file);
    words.removeDuplicates();
    words.sort(Qt::CaseSensitive);
    file.close();
    qCDebug(lcWordList) << "getWordsFromDataStream" << words.size() << words;
    return words;
}

// The Kannada letters the spelling suggestions swap. Each table maps a
// character to its replacement; a character with two entries gives two
// candidates, in table order.
struct CharSwap
{
    char16_t from;
    char16_t to;   // 0: the character is removed
};

using KannadaChars::anusvara;
using KannadaChars::virama;
using KannadaChars::visarga;
constexpr char16_t letterRa = KannadaChars::ra;
constexpr char16_t vowelSignAa = 0x0CBE;

// Vowel signs; a character not listed gets U+0CBE inserted before it.
constexpr CharSwap vowelSignSwaps[] = {
    {0x0CBE, 0},
    {0x0CBF, 0x0CC0}, {0x0CC0, 0x0CBF},
    {0x0CC1, 0x0CC2}, {0x0CC2, 0x0CC1},
    {0x0CC6, 0x0CC7}, {0x0CC7, 0x0CC6},
    {0x0CCA, 0x0CCB}, {0x0CCB, 0x0CCA},
};

// Independent vowels: short and long forms.
constexpr CharSwap vowelSwaps[] = {
    {0x0C85, 0x0C86}, {0x0C86, 0x0C85},
    {0x0C87, 0x0C88}, {0x0C88, 0x0C87},
    {0x0C89, 0x0C8A}, {0x0C8A, 0x0C89},
    {0x0C8E, 0x0C8F}, {0x0C8F, 0x0C8E},
    {0x0C92, 0x0C93}, {0x0C93, 0x0C92},
};

// Consonants: unaspirated and aspirated forms, and the three sibilants.
constexpr CharSwap consonantSwaps[] = {
    {0x0C95, 0x0C96}, {0x0C96, 0x0C95},
    {0x0C97, 0x0C98}, {0x0C98, 0x0C97},
    {0x0C9A, 0x0C9B}, {0x0C9B, 0x0C9A},
    {0x0C9C, 0x0C9D}, {0x0C9D, 0x0C9C},
    {0x0C9F, 0x0CA0}, {0x0CA0, 0x0C9F},
    {0x0CA1, 0x0CA2}, {0x0CA2, 0x0CA1},
    {0x0CA4, 0x0CA5}, {0x0CA5, 0x0CA4},
    {0x0CA6, 0x0CA7}, {0x0CA7, 0x0CA6},
    {0x0CAA, 0x0CAB}, {0x0CAB, 0x0CAA},
    {0x0CAC, 0x0CAD}, {0x0CAD, 0x0CAC},
    {0x0CB6, 0x0CB7}, {0x0CB6, 0x0CB8},
    {0x0CB7, 0x0CB6},
    {0x0CB8, 0x0CB7},
};

template<std::size_t N>
const CharSwap *findSwap(const CharSwap (&table)[N], QChar c)
{
    for (const CharSwap &swap : table) {
        if (swap.from == c.unicode())
            return &swap;
    }
    return nullptr;
}

// Every word one small change away from word, in the order the changes are
// tried. Which of them are real words is the caller's question.
QStringList spellingCandidates(const QString &word)
{
    const int n = word.size();
    QStringList candidates;
    auto inserted = [&](int i, const QString &text) {
        QString candidate = word;
        return candidate.insert(i, text);
    };
    auto replaced = [&](int i, char16_t c) {
        QString candidate = word;
        candidate[i] = QChar(c);
        return candidate;
    };
    auto removed = [&](int i) {
        QString candidate = word;
        return candidate.remove(i, 1);
    };

    for (int i = 1; i < n; ++i)
        candidates << inserted(i, QChar(virama));
    for (int i = 1; i < n; ++i) {
        if (word.at(i) == QChar(virama))
            candidates << removed(i);
    }
    for (int i = 1; i < n; ++i)
        candidates << inserted(i, QChar(anusvara));
    candidates << word + QChar(visarga);
    for (int i = 1; i < n; ++i)
        candidates << inserted(i, QString(QChar(letterRa)) + QChar(virama));
    for (int i = 1; i < n; ++i) {
        const CharSwap *swap = findSwap(vowelSignSwaps, word.at(i));
        if (!swap)
            candidates << inserted(i, QChar(vowelSignAa));
        else if (swap->to == 0)
            candidates << removed(i);
        else
            candidates << replaced(i, swap->to);
    }
    for (int i = 0; i < n; ++i) {
        if (const CharSwap *swap = findSwap(vowelSwaps, word.at(i)))
            candidates << replaced(i, swap->to);
    }
    for (int i = 0; i < n; ++i) {
        for (const CharSwap &swap : consonantSwaps) {
            if (swap.from == word.at(i).unicode())
                candidates << replaced(i, swap.to);
        }
    }
    return candidates;
}

} // namespace

Utils::Utils(QObject *parent)
    : QObject(parent)
{
}

Utils::~Utils() = default;

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
    const LanguageRow *row = languageRow(language);
    return row && row->code ? QString::fromLatin1(row->code) : QString();
}

QString Utils::languageName(int language)
{
    const LanguageRow *row = languageRow(language);
    return row ? QString::fromLatin1(row->name) : QString(QLatin1String(""));
}

QFontDatabase::WritingSystem Utils::writingSystem(int language)
{
    const LanguageRow *row = languageRow(language);
    return row ? row->writingSystem : QFontDatabase::Latin;
}

QString Utils::defaultFontFamily(int language)
{
    const LanguageRow *row = languageRow(language);
    return QString::fromLatin1(row ? row->fontFamily : "tunga");
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
    return workingFolder();
}

void Utils::setWorkingDir(const QString &dir)
{
    workingFolder() = dir;
}

QString Utils::quickBytesPath()
{
    const QString folder = QStringLiteral("%1/yavosoftware")
            .arg(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    QDir().mkpath(folder);
    return QStringLiteral("%1/quickbytes.txt").arg(folder);
}

bool Utils::englishNumerals()
{
    // Read afresh on every call: the other program may have toggled it.
    QSettings settings(settingsOrganization, settingsApplication);
    settings.beginGroup(inputSettingsGroup);
    const bool on = settings.value(englishNumeralsKey, QVariant()).toBool();
    settings.endGroup();
    return on;
}

void Utils::setEnglishNumerals(bool on)
{
    QSettings settings(settingsOrganization, settingsApplication);
    settings.beginGroup(inputSettingsGroup);
    settings.setValue(englishNumeralsKey, on);
    settings.endGroup();
    settings.sync();
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

    auto *completer = new QCompleter(this);
    m_completer = completer;
    // Always the Kannada dictionary, whatever language the editors use.
    completer->setModel(loadWords(0));
    completer->setModelSorting(QCompleter::UnsortedModel);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setWrapAround(false);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    if (QAbstractItemView *popup = completer->popup()) {
        popup->setItemDelegate(new PopupItemDelegate(popup));
        popup->setFont(QFont(QStringLiteral("Tunga"), 11));
    }
    return completer;
}

QStringListModel *Utils::loadWords(int language)
{
    QStringList words;
    {
        WaitCursor wait;
        words = readLines(userWordFile);
        {
            DictDatabase dictionary;
            if (dictionary.open(language, true)) {
                words += dictionary.allWords();
                words.removeDuplicates();
            }
        }
        // Kept apart from the words above on purpose: "dict.dat" is a list of
        // its own, sorted, and may repeat a word of the database.
        words += getWordsFromDataStream();
    }
    auto *model = new QStringListModel(words);
    setWordModel(model);
    return model;
}

void Utils::loadUserDictionary()
{
    if (m_wordModel)
        return;
    QStringList words;
    {
        WaitCursor wait;
        words = readLines(userWordFile);
    }
    setWordModel(new QStringListModel(words));
}

void Utils::setWordModel(QStringListModel *model)
{
    if (m_wordModel)
        m_wordModel->disconnect(this);
    m_wordModel = model;
    m_wordIndexStale = true;
    // Anyone holding the model (the completer's users) may change it; the
    // index then follows at the next look-up.
    auto stale = [this] {
        if (!m_settingWords)
            m_wordIndexStale = true;
    };
    connect(model, &QAbstractItemModel::modelReset, this, stale);
    connect(model, &QAbstractItemModel::rowsInserted, this, stale);
    connect(model, &QAbstractItemModel::rowsRemoved, this, stale);
    connect(model, &QAbstractItemModel::rowsMoved, this, stale);
    connect(model, &QAbstractItemModel::dataChanged, this, stale);
    connect(model, &QObject::destroyed, this, [this](QObject *gone) {
        if (gone == m_wordModel) {
            m_wordModel = nullptr;
            m_wordIndex.clear();
            m_wordIndexStale = true;
        }
    });
}

void Utils::setWords(const QStringList &words)
{
    m_settingWords = true;
    m_wordModel->setStringList(words);
    m_settingWords = false;
}

void Utils::addWord(const QString &word)
{
    addWords(QStringList{word});
}

void Utils::addWords(const QStringList &words)
{
    // Before the word list is built there is nothing to add to; the words
    // are in "usr.dct" or the user dictionary, which the list is built from.
    if (!m_wordModel)
        return;
    QStringList list = m_wordModel->stringList();
    list += words;
    list.removeDuplicates();
    setWords(list);
    if (!m_wordIndexStale) {
        for (const QString &word : words)
            m_wordIndex.insert(word);
    }
}

void Utils::ignoreWord(const QString &word)
{
    m_ignoreList.append(word);
    m_ignoreList.removeDuplicates();
}

bool Utils::isIgnored(const QString &word) const
{
    return m_ignoreList.contains(word);
}

bool Utils::isKnown(const QString &word) const
{
    if (m_wordIndexStale) {
        const QStringList words = m_wordModel->stringList();
        m_wordIndex = QSet<QString>(words.cbegin(), words.cend());
        m_wordIndexStale = false;
    }
    return m_wordIndex.contains(word);
}

bool Utils::isMisspelled(const QString &word) const
{
    if (!m_wordModel)
        return true;
    if (isKnown(word))
        return false;
    return !m_ignoreList.contains(word);
}

QStringList Utils::suggestions(const QString &word) const
{
    constexpr int maximum = 15;
    constexpr int lengthTolerance = 2;
    if (!m_wordModel)
        return QStringList();

    // The result lists the known candidates last-found first, then the words
    // that contain the word; only words close in length count, each once.
    QStringList result;
    auto offer = [&](const QString &candidate) {
        if (qAbs(candidate.size() - word.size()) <= lengthTolerance && !result.contains(candidate))
            result.append(candidate);
        return result.size() < maximum;
    };

    const QStringList candidates = spellingCandidates(word);
    for (auto it = candidates.crbegin(); it != candidates.crend(); ++it) {
        if (!isMisspelled(*it) && !offer(*it))
            return result;
    }
    const QStringList words = m_wordModel->stringList();
    for (const QString &known : words) {
        if (known.contains(word) && !offer(known))
            break;
    }
    return result;
}

bool Utils::addToUserDictionary(const QString &word, QCompleter *completer)
{
    const bool written = appendLine(word, userWordFile);
    if (completer)
        addWord(word);
    return written;
}

QStringList Utils::readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QStringList();
    QTextStream in(&file);
    in.setCodec(utf8CodecName.constData());
    in.setAutoDetectUnicode(true);
    QStringList lines;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (!line.isEmpty())
            lines.append(line);
    }
    lines.removeDuplicates();
    return lines;
}

bool Utils::appendLine(const QString &text, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Text))
        return false;
    // A last line without its line end, as a hand-edited file may have,
    // would otherwise run into the new one and both would be lost.
    const qint64 size = file.size();
    char last = '\n';
    if (size > 0 && (!file.seek(size - 1) || !file.getChar(&last) || !file.seek(size)))
        return false;
    QTextStream out(&file);
    out.setCodec(utf8CodecName.constData());
    out.setGenerateByteOrderMark(size == 0);
    if (last != '\n')
        out << "\n";
    out << text << "\n";
    out.flush();
    // A full disk must not pass for a saved word.
    const bool written = out.status() == QTextStream::Ok && file.error() == QFileDevice::NoError;
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

bool Utils::writeLines(const QStringList &lines, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream out(&file);
    out.setCodec(utf8CodecName.constData());
    out.setGenerateByteOrderMark(true);
    out << lines.join(QLatin1Char('\n'));
    out.flush();
    const bool written = out.status() == QTextStream::Ok && file.error() == QFileDevice::NoError;
    file.close();
    return written && file.error() == QFileDevice::NoError;
}
