#ifndef YAVO_HTMLMARKUP_H
#define YAVO_HTMLMARKUP_H

#include <QCoreApplication>
#include <QString>
#include <QVector>

#include <functional>

class QTextCursor;

// HTML as Qt's importer is to be given it, by every path that makes a
// document of HTML (files, paste, converted clipboard text). Qt's layout
// time grows about fourfold with each level of tables nested in tables, and
// its importer and layout take the whole markup, and every table, in one
// go: tables nested deeper than a few levels are flattened (their cells
// become paragraphs of the cell around them, so the text stays), and markup
// that would take too long to import is refused. What can be imported is cut
// into pieces at the paragraphs of the body, so that the event loop can run
// between them.
class HtmlMarkup
{
    Q_DECLARE_TR_FUNCTIONS(HtmlMarkup)

public:
    explicit HtmlMarkup(const QString &html);

    // How many tables may stand in one another, whatever path makes them:
    // Qt's layout of a deeper one takes seconds to minutes.
    static int maxTableNesting();

    // Why the markup is not imported: it nests too deeply, or makes more
    // paragraphs or table cells than a document may have. Empty when it can
    // be imported.
    QString refusal() const;

    // The markup with deeply nested tables flattened.
    QString html() const { return m_html; }

    // Imports the markup at the cursor, as one insertHtml() would, piece by
    // piece; `between` runs after every piece but the last.
    void insert(QTextCursor &cursor, const std::function<void()> &between = {}) const;

private:
    void scan(const QString &html);
    QVector<int> cuts() const;

    QString m_html;
    // Where a piece may start: at a paragraph of the body, outside any
    // element but the body itself.
    QVector<int> m_pieceStarts;
    // The end of what every piece needs ahead of it: the head with its
    // style sheet, and the body's start tag.
    int m_headEnd = 0;
    int m_depth = 0;
    qint64 m_paragraphs = 0;
    qint64 m_blocks = 0;
    qint64 m_cells = 0;
    qint64 m_lines = 0;
};

#endif
