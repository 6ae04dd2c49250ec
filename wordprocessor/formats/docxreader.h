#ifndef YAVO_DOCXREADER_H
#define YAVO_DOCXREADER_H

#include "formats/formatreader.h"

#include <QCoreApplication>
#include <QHash>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QVector>
#include <QXmlStreamReader>

#include <functional>
#include <memory>

class ZipPackage;
namespace DocumentLimits {
class Budget;
}

// Reads a word-processing package (.docx, and the text of a template or a
// macro-enabled document or template: .dotx, .docm, .dotm): paragraph
// alignment, direction, indentation and heading level, and bold, italic,
// underline, strike-out and super/subscript of the runs. The main part is
// the one the package's relationships name (else the one its content types
// declare, else "word/document.xml"), its styles the part its own
// relationships name.
class DocxReader : public FormatReader
{
    Q_DECLARE_TR_FUNCTIONS(DocxReader)

public:
    DocxReader();
    ~DocxReader() override;

    int type() const override;
    void readData(QIODevice *device) override;

    static bool canRead(QIODevice *device);
    // The file suffixes of the packages it reads, in lower case.
    static QStringList suffixes();

private:
    enum StyleKind { OtherStyle, ParagraphStyle, CharacterStyle };

    struct Style
    {
        StyleKind kind = OtherStyle;
        QTextBlockFormat blockFormat;
        QTextCharFormat charFormat;
    };

    // What a paragraph's own properties say beyond its formats.
    struct ParagraphMark
    {
        QTextCharFormat format;
        bool dropCap = false;
    };

    void readPackage(ZipPackage &zip);
    QString relatedPart(const ZipPackage &zip, const QString &source, const char *type);
    QString mainPartByContentType(const ZipPackage &zip);
    QString findPart(const ZipPackage &zip, const QString &part,
                     const std::function<QString(const QXmlStreamReader &)> &pick);
    void readXml(const QByteArray &bytes);
    void readStyles();
    void readStyle(QHash<QString, QStringList> &pending, QHash<StyleKind, QString> &defaults);
    void readDocument();
    void readBody();
    void readParagraph();
    void readParagraphContent();
    void readParagraphChild();
    void readRun();
    void readRunContent();
    void readRunChild();
    void readAlternateContent(void (DocxReader::*readContent)());
    void readRuby();
    void readSymbol();
    void readText();
    void readParagraphProperties(Style &out, bool resolveStyles, ParagraphMark *mark);
    void readRunProperties(Style &out, bool resolveStyles);
    static bool readBool(const QStringRef &value);

    // The local name of the current element when it is WordprocessingML,
    // an empty name otherwise: elements are matched by namespace, whatever
    // prefix the file gives them.
    QStringRef wordName() const;
    bool isCompatibilityElement(const char *localName) const;

    void applyStyle(Style &out, const QString &id) const;
    bool enter();
    void leave();
    void insertText(const QString &text);

    QXmlStreamReader m_xml;
    QHash<QString, Style> m_styles;
    QVector<Style> m_stack;
    Style m_current;
    std::unique_ptr<DocumentLimits::Budget> m_budget;
    bool m_mergeFirst;
    // The paragraph before was a drop cap: its letter begins this one.
    bool m_joinNext;
    int m_depth;
    int m_handDowns;
};

#endif
