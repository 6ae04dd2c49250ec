#include "utils/wordcompleter.h"

#include "utils/wordprefixmodel.h"

WordCompleter::WordCompleter(QObject *parent)
    : QCompleter(parent)
    , m_words(new WordPrefixModel(this))
{
    setModel(m_words);
}

WordCompleter::~WordCompleter() = default;

void WordCompleter::setWordModel(QAbstractItemModel *words)
{
    m_words->setSourceModel(words);
}

QAbstractItemModel *WordCompleter::wordModel() const
{
    return m_words->sourceModel();
}

QStringList WordCompleter::splitPath(const QString &path) const
{
    // Every new completion prefix passes here before the completer filters
    // its model with it: the model then holds the words the prefix may
    // match. Qt filters them once more with its own rules (the case
    // sensitivity among them), so the index only has to let no word through
    // that Qt would have shown. For a match anywhere but at the start it
    // shows the whole list.
    m_words->setKeyColumn(completionColumn());
    m_words->setKeyRole(completionRole());
    m_words->setPrefix(filterMode() == Qt::MatchStartsWith ? path : QString());
    return QCompleter::splitPath(path);
}
