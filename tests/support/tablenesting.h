#ifndef YAVO_TABLENESTING_H
#define YAVO_TABLENESTING_H

#include <QByteArray>
#include <QTextFrame>
#include <QTextTable>

// Markup of `depth` tables, each in the only cell of the one around it, the
// innermost holding `inner`.
inline QByteArray nestedTablesHtml(int depth, const QByteArray &inner = "x")
{
    return QByteArray("<table><tr><td>").repeated(depth) + inner + QByteArray("</td></tr></table>").repeated(depth);
}

// A table of `rows` rows of `columns` cells, each holding "c".
inline QByteArray tableOfCellsHtml(int rows, int columns)
{
    return "<table>" + ("<tr>" + QByteArray("<td>c</td>").repeated(columns) + "</tr>").repeated(rows) + "</table>";
}

// How deep the tables in the frame nest in one another.
inline int tableDepth(QTextFrame *frame)
{
    int deepest = 0;
    for (QTextFrame *child : frame->childFrames())
        deepest = qMax(deepest, tableDepth(child));
    return deepest + (qobject_cast<QTextTable *>(frame) ? 1 : 0);
}

#endif
