#ifndef YAVO_HISTORY_H
#define YAVO_HISTORY_H

#include <QObject>
#include <QString>

class HistoryPrivate;

// The find and replace histories of the find panel, kept from one run to the
// next in the encrypted database "history.dat" of the user's data folder.
// Each history is one text (the entries joined by line feeds) in its own
// table, "Find" or "Replace". A store lives for one load or one save.
class History : public QObject
{
public:
    explicit History(QObject *parent = nullptr);
    ~History() override;

    QString load(const QString &table);
    void save(const QString &table, const QString &text);

    // What went wrong since the store was made, to show the user: a damaged
    // file moved aside and replaced, a damaged text recovered in part (with
    // where the damaged file was kept), a failed save. Empty when nothing did.
    QString errorString() const;

private:
    HistoryPrivate *d;
};

#endif
