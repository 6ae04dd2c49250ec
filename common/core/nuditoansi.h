#ifndef YAVO_NUDITOANSI_H
#define YAVO_NUDITOANSI_H

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVarLengthArray>
#include <QVector>

class QTextStream;
class QTimer;
class UserNotice;

// Turns Kannada text in the Nudi font encoding (one Latin-1 character per
// glyph) into phonetic Latin text such as "kSha" or "kii", which
// AnsiToUnicode then turns into Unicode Kannada. Every input gives an output:
// a glyph that no table entry or rule covers is copied unchanged.
//
// Not thread-safe: a conversion changes the object. Build one per conversion
// and use it on one thread.
class NudiToAnsi : public QObject
{
    Q_OBJECT

public:
    NudiToAnsi();
    ~NudiToAnsi() override;

    // Converts a whole text: lines split at "\n", words at " "; the line
    // breaks and spaces come back exactly as they were.
    QString convertText(const QString &text);
    // Converts one word (a text without spaces or line breaks).
    QString convertWord(const QString &nudiWord);
    // The length of the longest prefix of glyphs that is a syllable of the
    // table; its name becomes currentMatch. glyphs is cut down to the prefix
    // tried last: the match, or nothing.
    int longestMatch(QString &glyphs);

    // The result of the last convertText.
    QString convertedText() const;
    // Writes the conversion of the whole line, taken as one word.
    bool convertLine(const QString &line, QTextStream &stream);
    // A developer's check: converts "nudi-test-input.txt" of the current
    // folder, line by line, into "nudi-test-output.txt" (UTF-8). A file that
    // does not open is reported through the notice, when one is set.
    void convertTestFile();
    void setNotice(UserNotice *notice);

Q_SIGNALS:
    void loaded();

private Q_SLOTS:
    void slotUpdateDialog();
    void slotLoaded();
    void slotCancel();

protected:
    // The glyph tables, complete when the constructor returns and never
    // changed afterwards.
    QStringList glyphList;
    QStringList nameList;
    QString subjoinedGlyphs;
    QStringList subjoinedNames;
    QString kShaGlyphs;
    QString kSheGlyphs;

private:
    class WordOutput;

    void buildTables();
    int matchAt(const QChar *glyphs, int count, int *entry) const;
    void setCurrentMatch(const QString &name);
    void appendWord(const QChar *word, int size, QString &out);
    void insertSubjoined(const QChar *word, int size, int i, int index, WordOutput &out);

    // A progress dialog, reached through its meta-object (value, maximum,
    // hide) so that this class needs no widgets. Nothing sets it.
    QObject *progressDialog = nullptr;
    QTimer *progressTimer = nullptr;
    int progressCount = 0;

    UserNotice *notice = nullptr;

    // The current syllable's name, with the names of its subjoined glyphs
    // inserted; a few letters, kept in the object.
    QVarLengthArray<char16_t, 32> currentMatch;
    int syllableLength = 0;
    QString lastOutput;

    // The syllable search's index: an open-addressing hash from a glyph
    // sequence, packed one code a byte (codes are never 0, so 0 marks a free
    // slot), to its entry in glyphList, or -1 for the beginning of a longer
    // entry.
    struct GlyphSlot
    {
        quint64 glyphs = 0;
        int entry = -1;
    };
    const GlyphSlot *glyphSlot(quint64 glyphs) const;
    QVector<GlyphSlot> glyphIndex;
    // Glyph code to its index in subjoinedGlyphs, or -1.
    qint8 subjoinedIndex[256];
};

#endif
