#ifndef YAVO_ODTREADER_H
#define YAVO_ODTREADER_H

#include "formats/formatreader.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringList>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QXmlStreamReader>

#include <memory>

class DocumentNotes;
class ZipPackage;
namespace DocumentLimits {
class Budget;
}

// Reads an OpenDocument text, zipped (.odt: "styles.xml" and "content.xml")
// or flat (.fodt): paragraph alignment, direction, indentation and heading
// level, and bold, italic, underline, strike-out and super/subscript. Notes
// follow the text.
class OdtReader : public FormatReader
{
    Q_DECLARE_TR_FUNCTIONS(OdtReader)

public:
    OdtReader();
    ~OdtReader() override;

    int type() const override;
    void readData(QIODevice *device) override;

    static bool canRead(QIODevice *device);

private:
    struct Style
    {
        QTextBlockFormat blockFormat;
        QTextCharFormat charFormat;
        QStringList dependents;
    };

    void readZip(QIODevice *device);
    bool readManifest(const ZipPackage &zip, const QString &name);
    void readFlat(QIODevice *device);
    void readXml();
    void readStyleGroup();
    void readStyle();
    void readParagraphProperties(QTextBlockFormat &format);
    void readTextProperties(QTextCharFormat &format);
    void readText();
    void readBodyElements();
    void readParagraph(int level);
    void readSpan();
    void readNote();
    void applyTextStyle();

    // The style of that name, entered empty when the table lacks it and the
    // styles are not yet at their limit; null otherwise.
    Style *findStyle(QHash<QString, Style> &table, const QString &name);
    bool enter();
    void leave();
    void insertText(const QString &text);

    QXmlStreamReader m_xml;
    QHash<QString, Style> m_paragraphStyles;
    QHash<QString, Style> m_textStyles;
    QTextBlockFormat m_initialBlockFormat;
    std::unique_ptr<DocumentLimits::Budget> m_budget;
    std::unique_ptr<DocumentNotes> m_notes;
    bool m_mergeFirst;
    int m_depth;
    int m_handDowns;
};

#endif
