#ifndef YAVO_FORMATREADER_H
#define YAVO_FORMATREADER_H

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <QTextCursor>
#include <QTextFormat>

class QIODevice;

// The block-format property that carries a paragraph's heading level:
// 1 to 6 for headings 1 to 6, 0 or absent for body text.
constexpr int HeadingLevelProperty = QTextFormat::UserProperty;

// Base of the document readers. A reader fills the document behind `cursor`
// (assigned by the caller before readData) and never creates documents or
// widgets itself. A read that fails keeps what it inserted and says why in
// `errorText`.
class FormatReader
{
public:
    enum Type {
        UnknownType = 0,
        TxtType = 1,
        RtfType = 2,
        OdtType = 3,
        DocxType = 4,
        HtmlType = 5
    };

    FormatReader();
    virtual ~FormatReader();

    virtual int type() const;
    virtual void readData(QIODevice *device) = 0;

    // True when the device starts with a zip local-file header. Only peeks.
    static bool isZipArchive(QIODevice *device);

    QTextCursor cursor;
    QString errorText;
    QByteArray encoding;

protected:
    // Stores in `format` a copy of `base` with `format` merged into it: the
    // format's own properties win over those it inherits.
    template<typename Format>
    static void mergeBeneath(const Format &base, Format &format)
    {
        Format result = base;
        result.merge(format);
        format = result;
    }

    // The heading level a style's name gives: a name that starts with
    // "Head" gives the digit it ends in (1 when there is none, at most 6),
    // any other name 0.
    static int headingLevelOfStyleName(QStringView name);

private:
    Q_DISABLE_COPY(FormatReader)
};

#endif
