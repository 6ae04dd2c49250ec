#ifndef YAVO_WORDLIST_H
#define YAVO_WORDLIST_H

#include <QObject>
#include <QHash>
#include <QSet>
#include <QVector>
#include <QString>
#include <QStringList>

class QStringListModel;

// The one word list of completion and spell checking, built from the user's
// "usr.dct", a dictionary database and "dict.dat", with the words ignored
// for this run and the spelling suggestions for Kannada. Until the list is
// built, every word counts as misspelled.
class WordList : public QObject
{
public:
    explicit WordList(QObject *parent = nullptr);
    ~WordList() override;

    // The user's word file "usr.dct", in the user's data folder.
    static QString userWordFile();

    // Builds the list from the three sources and makes it the model. The
    // list owns its models: an earlier one stays until the list goes, since
    // a completer may still hold it.
    QStringListModel *loadWords(int language);
    // Builds a model from "usr.dct" alone when there is none.
    void loadUserDictionary();
    void addWord(const QString &word);
    void addWords(const QStringList &words);

    void ignoreWord(const QString &word);
    bool isIgnored(const QString &word) const;
    bool isMisspelled(const QString &word) const;
    QStringList suggestions(const QString &word) const;
    // Appends the word to "usr.dct" and, with toList set, to the list.
    bool addToUserDictionary(const QString &word, bool toList);

private:
    void setWordModel(QStringListModel *model);
    void setWords(const QStringList &words);
    bool isKnown(const QString &word) const;

    QStringListModel *m_wordModel = nullptr;
    QStringList m_ignoreList;

    // The word model's words as a set, so a spelling check does not walk the
    // whole list. Rebuilt lazily when the model changes behind our back.
    mutable QSet<QString> m_wordIndex;
    mutable bool m_wordIndexStale = true;
    bool m_settingWords = false;

    // Suggestions are the words that contain the word and are at most two
    // letters longer, so the word's first two letters stand within their
    // first three places. This index gives, for each pair of letters, the
    // positions of the words that have it there, in list order; words of up
    // to three letters, which a word shorter than two letters may be found
    // in, are listed apart. Built at the first suggestion, rebuilt when the
    // model changes behind our back.
    static constexpr int maxOffset = 2;
    static constexpr int shortWordLength = 3;
    static quint32 pairKey(const QString &word, int at)
    {
        return quint32(word.at(at).unicode()) << 16 | word.at(at + 1).unicode();
    }
    void indexPairs(const QString &word, int position) const;
    QVector<int> positionsNear(const QString &word) const;
    mutable QHash<quint32, QVector<int>> m_pairIndex;
    mutable QVector<int> m_shortWords;
    mutable bool m_pairIndexStale = true;
};

#endif
