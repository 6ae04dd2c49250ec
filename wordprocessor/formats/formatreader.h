#ifndef YAVO_FORMATREADER_H
#define YAVO_FORMATREADER_H

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QTextCursor>
#include <QTextFormat>

#include <functional>

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
    // "Head" gives the digit it ends in (1 when there is none, at most 6), a
    // name that starts with "heading" in any other case the digit it ends in
    // (0 when there is none), any other name 0.
    static int headingLevelOfStyleName(QStringView name);

    // Hands the formats of the style `name` down to the styles based on it,
    // and on those in turn, each once: base references may form a cycle.
    // `handDown` merges the formats beneath the named style and returns the
    // styles based on that one (none when there is no such style). `count`
    // counts the steps over the whole document; the walk ends at
    // DocumentLimits::MaxStyleHandDowns.
    static void handDownStyle(const QString &name, QStringList dependents, int &count,
                              const std::function<QStringList(const QString &)> &handDown);

private:
    Q_DISABLE_COPY(FormatReader)
};

#endif
