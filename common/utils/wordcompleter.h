#ifndef YAVO_WORDCOMPLETER_H
#define YAVO_WORDCOMPLETER_H

#include <QCompleter>

class QAbstractItemModel;
class WordPrefixModel;

// A completer over a long word list that costs what the prefix's own words
// cost, not what the list does. Qt's completer reads every row of an
// unsorted list to find the words that start with the prefix; this one
// hands it the list through a prefix index, so it sees those words only, in
// the list's order, and offers, orders and picks them as it would have.
class WordCompleter : public QCompleter
{
    Q_OBJECT

public:
    explicit WordCompleter(QObject *parent = nullptr);
    ~WordCompleter() override;

    // The list the words are offered from; the completer's own model()
    // is the view of it through the prefix.
    void setWordModel(QAbstractItemModel *words);
    QAbstractItemModel *wordModel() const;

    QStringList splitPath(const QString &path) const override;

private:
    WordPrefixModel *m_words;
};

#endif
