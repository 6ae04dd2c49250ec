#include "dictionary/wordlist.h"

#include "core/indicchars.h"
#include "core/textlinefile.h"
#include "core/userdatafolder.h"
#include "dictionary/dictdatabase.h"
#include "private/dictionarylogging_p.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QStringListModel>
#include <QtEndian>

namespace {

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
        qCDebug(lcDictionary) << "getWordsFromDataStream" << path << "HELLO";
        return QStringList();
    }
    QStringList words = readWordFile(file);
    words.removeDuplicates();
    words.sort(Qt::CaseSensitive);
    file.close();
    qCDebug(lcDictionary) << "getWordsFromDataStream" << words.size() << words;
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

WordList::WordList(QObject *parent)
    : QObject(parent)
{
}

WordList::~WordList() = default;

QString WordList::userWordFile()
{
    return UserDataFolder::userWordFile();
}

QStringListModel *WordList::loadWords(int language)
{
    QStringList words;
    // The spelling index is built on the way: the set that removes the
    // duplicates is the set the look-ups use, so the list is hashed once.
    QSet<QString> index;
    {
        WaitCursor wait;
        // Already without duplicates.
        words = TextLineFile::readLines(userWordFile());
        index = QSet<QString>(words.cbegin(), words.cend());
        {
            DictDatabase dictionary;
            if (dictionary.open(language, true)) {
                const QStringList dictionaryWords = dictionary.allWords();
                index.reserve(words.size() + dictionaryWords.size());
                words.reserve(words.size() + dictionaryWords.size());
                for (const QString &word : dictionaryWords) {
                    const int before = index.size();
                    index.insert(word);
                    if (index.size() != before)
                        words.append(word);
                }
            }
        }
        // Kept apart from the words above on purpose: "dict.dat" is a list of
        // its own, sorted, and may repeat a word of the database.
        const QStringList fileWords = getWordsFromDataStream();
        words += fileWords;
        for (const QString &word : fileWords)
            index.insert(word);
    }
    auto *model = new QStringListModel(words, this);
    setWordModel(model);
    m_wordIndex = std::move(index);
    m_wordIndexStale = false;
    return model;
}

void WordList::loadUserDictionary()
{
    if (m_wordModel)
        return;
    QStringList words;
    {
        WaitCursor wait;
        words = TextLineFile::readLines(userWordFile());
    }
    setWordModel(new QStringListModel(words, this));
}

void WordList::setWordModel(QStringListModel *model)
{
    if (m_wordModel)
        m_wordModel->disconnect(this);
    m_wordModel = model;
    m_wordIndexStale = true;
    m_pairIndexStale = true;
    // Anyone holding the model (the completer's users) may change it; the
    // index then follows at the next look-up.
    auto stale = [this] {
        if (!m_settingWords) {
            m_wordIndexStale = true;
            m_pairIndexStale = true;
        }
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
            m_pairIndex.clear();
            m_shortWords.clear();
            m_pairIndexStale = true;
        }
    });
}

void WordList::setWords(const QStringList &words)
{
    m_settingWords = true;
    m_wordModel->setStringList(words);
    m_settingWords = false;
}

void WordList::addWord(const QString &word)
{
    addWords(QStringList{word});
}

void WordList::addWords(const QStringList &words)
{
    // Before the word list is built there is nothing to add to; the words
    // are in "usr.dct" or the user dictionary, which the list is built from.
    if (!m_wordModel)
        return;
    QStringList list = m_wordModel->stringList();
    const int oldSize = list.size();
    // The words already there keep their places and the new ones follow,
    // unless the list repeated a word ("dict.dat" may): removing that copy
    // moves the words after it.
    if (m_wordIndexStale || m_wordIndex.size() != oldSize)
        m_pairIndexStale = true;
    list += words;
    list.removeDuplicates();
    setWords(list);
    if (!m_wordIndexStale) {
        for (const QString &word : words)
            m_wordIndex.insert(word);
    }
    if (!m_pairIndexStale) {
        for (int i = oldSize; i < list.size(); ++i)
            indexPairs(list.at(i), i);
    }
}

void WordList::indexPairs(const QString &word, int position) const
{
    if (word.size() <= shortWordLength)
        m_shortWords.append(position);
    for (int at = 0; at <= maxOffset && at + 1 < word.size(); ++at) {
        QVector<int> &positions = m_pairIndex[pairKey(word, at)];
        if (positions.isEmpty() || positions.constLast() != position)
            positions.append(position);
    }
}

// The positions, in list order, of every word that may contain word and
// be at most two letters longer; the caller checks each.
QVector<int> WordList::positionsNear(const QString &word) const
{
    if (m_pairIndexStale) {
        m_pairIndex.clear();
        m_shortWords.clear();
        const QStringList words = m_wordModel->stringList();
        for (int i = 0; i < words.size(); ++i)
            indexPairs(words.at(i), i);
        m_pairIndexStale = false;
    }
    if (word.size() < 2)
        return m_shortWords;
    return m_pairIndex.value(pairKey(word, 0));
}

void WordList::ignoreWord(const QString &word)
{
    m_ignoreList.append(word);
    m_ignoreList.removeDuplicates();
}

bool WordList::isIgnored(const QString &word) const
{
    return m_ignoreList.contains(word);
}

bool WordList::isKnown(const QString &word) const
{
    if (m_wordIndexStale) {
        const QStringList words = m_wordModel->stringList();
        m_wordIndex = QSet<QString>(words.cbegin(), words.cend());
        m_wordIndexStale = false;
    }
    return m_wordIndex.contains(word);
}

bool WordList::isMisspelled(const QString &word) const
{
    if (!m_wordModel)
        return true;
    if (isKnown(word))
        return false;
    return !m_ignoreList.contains(word);
}

QStringList WordList::suggestions(const QString &word) const
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
    const QVector<int> near = positionsNear(word);
    for (const int position : near) {
        const QString &known = words.at(position);
        if (known.size() <= word.size() + lengthTolerance && known.contains(word) && !offer(known))
            break;
    }
    return result;
}

bool WordList::addToUserDictionary(const QString &word, bool toList)
{
    const bool written = TextLineFile::appendLine(word, userWordFile());
    if (toList)
        addWord(word);
    return written;
}
