#ifndef YAVO_WORDPREFIXMODEL_H
#define YAVO_WORDPREFIXMODEL_H

#include <QAbstractProxyModel>
#include <QString>
#include <QTimer>
#include <QVector>

#include <vector>

// A flat word list seen through a prefix: the rows of the source list whose
// text starts with the prefix, case aside, in the list's own order. With no
// prefix it shows every row.
//
// The words are kept in a sorted index of their case-folded forms, so a
// prefix finds its rows by binary search instead of reading the whole list.
// The index covers the list from its top: a change drops the index from the
// first changed row on, and the rest is indexed again once the event loop is
// idle or at the next look-up, whichever comes first. Words appended to the
// list thus cost their own indexing only.
class WordPrefixModel : public QAbstractProxyModel
{
    Q_OBJECT

public:
    explicit WordPrefixModel(QObject *parent = nullptr);
    ~WordPrefixModel() override;

    void setSourceModel(QAbstractItemModel *source) override;

    // The text of each row is read from this column and role of the source.
    void setKeyColumn(int column);
    void setKeyRole(int role);

    QString prefix() const { return m_prefix; }
    void setPrefix(const QString &prefix);

    // The text as the look-up compares it: each code point by its simple
    // case folding, so two texts compare equal exactly when they do for
    // QString::compare() with Qt::CaseInsensitive, and have the same length.
    static QString foldedCase(const QString &text);

    QModelIndex index(int row, int column, const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex mapToSource(const QModelIndex &proxyIndex) const override;
    QModelIndex mapFromSource(const QModelIndex &sourceIndex) const override;

private:
    struct Entry
    {
        QString folded;
        int row;
        bool operator<(const Entry &other) const
        {
            return folded < other.folded || (folded == other.folded && row < other.row);
        }
    };

    void connectSource(QAbstractItemModel *source);
    // The source changed from that row on: the index keeps the rows above
    // it and the shown rows are looked up again.
    void sourceChangedFrom(int row);
    void dropIndexFrom(int row);
    void indexRemainingRows() const;
    void filter() const;
    bool showsAll() const { return m_prefix.isEmpty(); }

    QString m_prefix;
    int m_keyColumn = 0;
    int m_keyRole = Qt::EditRole;
    QVector<QMetaObject::Connection> m_sourceConnections;
    QTimer m_idleIndexing;

    // The index (sorted by folded text, then row) of the source rows above
    // m_indexedRows, and the rows shown for the prefix, in list order.
    mutable std::vector<Entry> m_index;
    mutable int m_indexedRows = 0;
    mutable QVector<int> m_rows;
    mutable bool m_rowsStale = true;
};

#endif
