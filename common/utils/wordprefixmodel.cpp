#include "utils/wordprefixmodel.h"

#include <algorithm>
#include <iterator>

WordPrefixModel::WordPrefixModel(QObject *parent)
    : QAbstractProxyModel(parent)
{
    // A list changed as a whole is indexed again while the user is not
    // typing, so the first key after it does not pay for it.
    m_idleIndexing.setSingleShot(true);
    m_idleIndexing.setInterval(0);
    connect(&m_idleIndexing, &QTimer::timeout, this, [this] { indexRemainingRows(); });
}

WordPrefixModel::~WordPrefixModel() = default;

QString WordPrefixModel::foldedCase(const QString &text)
{
    // Shared with the text until a code point folds to another.
    QString folded = text;
    const int size = text.size();
    for (int i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < size && text.at(i + 1).isLowSurrogate()) {
            const uint code = QChar::surrogateToUcs4(c, text.at(i + 1));
            const uint foldedCode = QChar::toCaseFolded(code);
            if (foldedCode != code && QChar::requiresSurrogates(foldedCode)) {
                folded[i] = QChar(QChar::highSurrogate(foldedCode));
                folded[i + 1] = QChar(QChar::lowSurrogate(foldedCode));
            }
            ++i;
            continue;
        }
        const QChar foldedChar = c.toCaseFolded();
        if (foldedChar != c)
            folded[i] = foldedChar;
    }
    return folded;
}

void WordPrefixModel::setSourceModel(QAbstractItemModel *source)
{
    beginResetModel();
    for (const QMetaObject::Connection &connection : qAsConst(m_sourceConnections))
        disconnect(connection);
    m_sourceConnections.clear();
    QAbstractProxyModel::setSourceModel(source);
    if (source)
        connectSource(source);
    dropIndexFrom(0);
    m_rowsStale = true;
    endResetModel();
    if (source)
        m_idleIndexing.start();
}

void WordPrefixModel::connectSource(QAbstractItemModel *source)
{
    // Each change of the source is a reset here: the shown rows are looked
    // up again, which costs no more than the prefix's own rows.
    const auto begin = [this] { beginResetModel(); };
    const auto from = [this](const QModelIndex &, int first) { sourceChangedFrom(first); };
    const auto fromTop = [this] { sourceChangedFrom(0); };
    m_sourceConnections = {
        connect(source, &QAbstractItemModel::rowsAboutToBeInserted, this, begin),
        connect(source, &QAbstractItemModel::rowsInserted, this, from),
        connect(source, &QAbstractItemModel::rowsAboutToBeRemoved, this, begin),
        connect(source, &QAbstractItemModel::rowsRemoved, this, from),
        connect(source, &QAbstractItemModel::rowsAboutToBeMoved, this, begin),
        connect(source, &QAbstractItemModel::rowsMoved, this,
                [this](const QModelIndex &, int first, int, const QModelIndex &, int to) {
                    sourceChangedFrom(qMin(first, to));
                }),
        connect(source, &QAbstractItemModel::modelAboutToBeReset, this, begin),
        connect(source, &QAbstractItemModel::modelReset, this, fromTop),
        connect(source, &QAbstractItemModel::layoutAboutToBeChanged, this, begin),
        connect(source, &QAbstractItemModel::layoutChanged, this, fromTop),
        connect(source, &QAbstractItemModel::dataChanged, this,
                [this](const QModelIndex &topLeft) {
                    beginResetModel();
                    sourceChangedFrom(topLeft.row());
                }),
        connect(source, &QObject::destroyed, this,
                [this] {
                    beginResetModel();
                    sourceChangedFrom(0);
                }),
    };
}

void WordPrefixModel::sourceChangedFrom(int row)
{
    dropIndexFrom(row);
    m_rowsStale = true;
    endResetModel();
    if (sourceModel() && m_indexedRows < sourceModel()->rowCount())
        m_idleIndexing.start();
}

void WordPrefixModel::dropIndexFrom(int row)
{
    if (row >= m_indexedRows)
        return;
    if (row <= 0) {
        m_index.clear();
    } else {
        m_index.erase(std::remove_if(m_index.begin(), m_index.end(),
                                     [row](const Entry &entry) { return entry.row >= row; }),
                      m_index.end());
    }
    m_indexedRows = qMax(row, 0);
}

void WordPrefixModel::setKeyColumn(int column)
{
    if (column == m_keyColumn)
        return;
    beginResetModel();
    m_keyColumn = column;
    sourceChangedFrom(0);
}

void WordPrefixModel::setKeyRole(int role)
{
    if (role == m_keyRole)
        return;
    beginResetModel();
    m_keyRole = role;
    sourceChangedFrom(0);
}

void WordPrefixModel::setPrefix(const QString &prefix)
{
    if (prefix == m_prefix)
        return;
    beginResetModel();
    m_prefix = prefix;
    m_rowsStale = true;
    endResetModel();
}

void WordPrefixModel::indexRemainingRows() const
{
    const QAbstractItemModel *source = sourceModel();
    const int count = source ? source->rowCount() : 0;
    if (m_indexedRows >= count)
        return;
    std::vector<Entry> added;
    added.reserve(size_t(count - m_indexedRows));
    for (int row = m_indexedRows; row < count; ++row)
        added.push_back({foldedCase(source->index(row, m_keyColumn).data(m_keyRole).toString()), row});
    std::sort(added.begin(), added.end());
    const auto indexed = std::ptrdiff_t(m_index.size());
    m_index.insert(m_index.end(), std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()));
    std::inplace_merge(m_index.begin(), m_index.begin() + indexed, m_index.end());
    m_indexedRows = count;
}

void WordPrefixModel::filter() const
{
    if (!m_rowsStale)
        return;
    m_rowsStale = false;
    m_rows.clear();
    if (showsAll() || !sourceModel())
        return;
    indexRemainingRows();
    // The words that start with the prefix follow one another in the index.
    const QString folded = foldedCase(m_prefix);
    auto it = std::lower_bound(m_index.cbegin(), m_index.cend(), folded,
                               [](const Entry &entry, const QString &key) { return entry.folded < key; });
    for (; it != m_index.cend() && it->folded.startsWith(folded); ++it)
        m_rows.append(it->row);
    std::sort(m_rows.begin(), m_rows.end());
}

QModelIndex WordPrefixModel::index(int row, int column, const QModelIndex &parent) const
{
    if (parent.isValid() || row < 0 || column < 0 || row >= rowCount() || column >= columnCount())
        return QModelIndex();
    return createIndex(row, column);
}

QModelIndex WordPrefixModel::parent(const QModelIndex &) const
{
    return QModelIndex();
}

int WordPrefixModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !sourceModel())
        return 0;
    if (showsAll())
        return sourceModel()->rowCount();
    filter();
    return m_rows.size();
}

int WordPrefixModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !sourceModel())
        return 0;
    return sourceModel()->columnCount();
}

QModelIndex WordPrefixModel::mapToSource(const QModelIndex &proxyIndex) const
{
    if (!proxyIndex.isValid() || !sourceModel())
        return QModelIndex();
    if (showsAll())
        return sourceModel()->index(proxyIndex.row(), proxyIndex.column());
    filter();
    if (proxyIndex.row() >= m_rows.size())
        return QModelIndex();
    return sourceModel()->index(m_rows.at(proxyIndex.row()), proxyIndex.column());
}

QModelIndex WordPrefixModel::mapFromSource(const QModelIndex &sourceIndex) const
{
    if (!sourceIndex.isValid() || sourceIndex.model() != sourceModel())
        return QModelIndex();
    if (showsAll())
        return index(sourceIndex.row(), sourceIndex.column());
    filter();
    const auto it = std::lower_bound(m_rows.cbegin(), m_rows.cend(), sourceIndex.row());
    if (it == m_rows.cend() || *it != sourceIndex.row())
        return QModelIndex();
    return createIndex(int(it - m_rows.cbegin()), sourceIndex.column());
}
