#ifndef YAVO_NUDITOANSI_H
#define YAVO_NUDITOANSI_H

#include <QObject>
#include <QString>
#include <QStringList>
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

    // A phonetic name as the word walk writes it: its letters in place, so
    // that copying one is a move of fixed size.
    struct Name
    {
        char16_t letters[8];
        int size;
        // Its last two letters (0 for none), kept apart so that taking a
        // name's end reads no letter behind its size.
        char16_t beforeLast;
        char16_t last;
    };
    // What the word walk reads of currentMatch, the name of the syllable
    // last matched with the names of its subjoined glyphs inserted and "ff"
    // appended: its length and its last two letters. Names are inserted
    // before its last letter or two or at its end, so these follow every
    // change without the name itself being kept.
    struct NameEnd
    {
        int size = 0;
        char16_t beforeLast = 0;
        char16_t last = 0;

        void set(const Name &name);
        void insert(int position, const Name &name);
        void append(char16_t letter);
        bool endsWith(const char (&pair)[3]) const;
    };

    void buildTables();
    int matchAt(const QChar *glyphs, int count, int *entry) const;
    void appendWord(const QChar *word, int size, WordOutput &out);
    void insertSubjoined(const QChar *word, int size, int i, int index, WordOutput &out);

    // A progress dialog, reached through its meta-object (value, maximum,
    // hide) so that this class needs no widgets. Nothing sets it.
    QObject *progressDialog = nullptr;
    QTimer *progressTimer = nullptr;
    int progressCount = 0;

    UserNotice *notice = nullptr;

    NameEnd currentMatch;
    int syllableLength = 0;
    QString lastOutput;

    // The syllable search's trie of glyph sequences, in rows of nodes: the
    // first row holds the nodes of the first glyph, by its code; the rows
    // after it the nodes of a further glyph, by its followClass (glyph codes
    // that occur after the first of an entry, numbered from 1 on). A node
    // holds one more than the entry it ends, or 0, in its top two bytes and
    // where its own row starts, or 0 when it has none, in the low two.
    void buildTrie();
    int followClassOf(QChar c) const;
    QVector<quint32> trie;
    quint8 followClass[256];
    // nameList, subjoinedNames, and the names of the two conjuncts, as the
    // walk copies them.
    QVector<Name> names;
    QVector<Name> subjoinedNameLetters;
    Name kShaName;
    Name kSheName;
    // Glyph code to its index in subjoinedGlyphs, or -1.
    qint8 subjoinedIndex[256];
};

#endif
