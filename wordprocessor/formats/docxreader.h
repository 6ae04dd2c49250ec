#ifndef YAVO_DOCXREADER_H
#define YAVO_DOCXREADER_H

#include "formats/formatreader.h"

#include <QCoreApplication>
#include <QHash>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QVector>
#include <QXmlStreamReader>

// Reads a word-processing package (.docx): paragraph alignment, direction,
// indentation and heading level, and bold, italic, underline, strike-out and
// super/subscript of the runs. Only "word/styles.xml" and
// "word/document.xml" are read.
class DocxReader : public FormatReader
{
    Q_DECLARE_TR_FUNCTIONS(DocxReader)

public:
    DocxReader();

    int type() const override;
    void readData(QIODevice *device) override;

    static bool canRead(QIODevice *device);

private:
    enum StyleKind { OtherStyle, ParagraphStyle, CharacterStyle };

    struct Style
    {
        StyleKind kind = OtherStyle;
        QTextBlockFormat blockFormat;
        QTextCharFormat charFormat;
    };

    void readXml();
    void readStyles();
    void readStyle(QHash<QString, QStringList> &pending, QHash<StyleKind, QString> &defaults);
    void readDocument();
    void readBody();
    void readParagraph();
    void readParagraphContent();
    void readRun();
    void readText();
    void readParagraphProperties(Style &out, bool resolveStyles, QTextCharFormat *markFormat);
    void readRunProperties(Style &out, bool resolveStyles);
    static bool readBool(const QStringRef &value);

    void applyStyle(Style &out, const QString &id) const;
    bool enter();
    void leave();
    void insertText(const QString &text);

    QXmlStreamReader m_xml;
    QHash<QString, Style> m_styles;
    QVector<Style> m_stack;
    Style m_current;
    bool m_mergeFirst;
    int m_depth;
    int m_handDowns;
};

#endif
