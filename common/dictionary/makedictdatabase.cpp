// Build tool: makes the dictionary database of one language from a word list
// of Debian's aspell packages, in the form the programs read from
// "<program folder>/dct": DictInfo with the language's name, the word count
// and the date, AllUnicodeWords with the words, and Dict, empty, as these
// lists carry no meanings.
//
//     yavo_makedictdatabase LANGUAGE ASPELL-DICTIONARY OUTPUT [ASPELL-PROGRAM]
//
// LANGUAGE is the shared language number (0 Kannada ... 8 Tamil).
#include "core/indicchars.h"
#include "core/languagetable.h"
#include "dictionary/compressedtext.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <cstdio>

namespace {

bool fail(const QString &message)
{
    std::fprintf(stderr, "yavo_makedictdatabase: %s\n", qPrintable(message));
    return false;
}

// Runs aspell with the arguments, feeding it input, and gives what it wrote.
// UTF-8 both ways, whatever the build's locale.
bool runAspell(const QString &program, QStringList arguments, const QByteArray &input,
               QString *output)
{
    arguments.prepend(QStringLiteral("--encoding=utf-8"));
    QProcess aspell;
    aspell.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    aspell.start(program, arguments);
    if (!aspell.waitForStarted())
        return fail(QStringLiteral("%1 did not start: %2").arg(program, aspell.errorString()));
    aspell.write(input);
    aspell.closeWriteChannel();
    if (!aspell.waitForFinished(-1) || aspell.exitStatus() != QProcess::NormalExit
            || aspell.exitCode() != 0)
        return fail(QStringLiteral("%1 %2 failed").arg(program, arguments.join(QLatin1Char(' '))));
    *output = QString::fromUtf8(aspell.readAllStandardOutput());
    return true;
}

// The words of the master dictionary. Where the list is stored with affix
// flags ("word/FLAGS"), aspell expands each entry into its forms, one line
// of blank-separated words an entry.
bool readWords(const QString &aspell, const QString &dictionary, QStringList *words)
{
    QString dump;
    if (!runAspell(aspell, {QStringLiteral("-d"), dictionary, QStringLiteral("dump"),
                            QStringLiteral("master")}, QByteArray(), &dump))
        return false;
    if (dump.contains(QLatin1Char('/'))) {
        QString expanded;
        if (!runAspell(aspell, {QStringLiteral("-l"), dictionary, QStringLiteral("expand")},
                       dump.toUtf8(), &expanded))
            return false;
        dump = expanded;
    }
    const QStringList parts = dump.split(QRegularExpression(QStringLiteral("\\s+")),
                                         Qt::SkipEmptyParts);
    QSet<QString> seen;
    for (const QString &word : parts) {
        if (!seen.contains(word)) {
            seen.insert(word);
            words->append(word);
        }
    }
    // In code-unit order, so that completion offers the words alphabetically.
    words->sort(Qt::CaseSensitive);
    return true;
}

bool exec(QSqlQuery &query, const QString &statement, const QVariantList &values = {})
{
    if (!query.prepare(statement))
        return fail(QStringLiteral("%1: %2").arg(statement, query.lastError().text()));
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec())
        return fail(QStringLiteral("%1: %2").arg(statement, query.lastError().text()));
    return true;
}

bool writeDatabase(const QString &path, const QString &languageName, const QStringList &words)
{
    const QString connection = QStringLiteral("makedictdatabase");
    bool written = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        if (!db.open())
            return fail(QStringLiteral("%1: %2").arg(path, db.lastError().text()));
        QSqlQuery query(db);
        // The words are joined without a final line feed: the reader would
        // take what follows it for one more, empty word.
        written = db.transaction()
                && exec(query, QStringLiteral("CREATE TABLE DictInfo "
                                              "(languageName TEXT, wordcount TEXT, creationdate TEXT)"))
                && exec(query, QStringLiteral("INSERT INTO DictInfo VALUES (?, ?, ?)"),
                        {languageName, QString::number(words.size()),
                         QDate::currentDate().toString(Qt::ISODate)})
                && exec(query, QStringLiteral("CREATE TABLE AllUnicodeWords (word BLOB)"))
                && exec(query, QStringLiteral("INSERT INTO AllUnicodeWords VALUES (?)"),
                        {CompressedText::pack(words.join(QLatin1Char('\n')))})
                && exec(query, QStringLiteral("CREATE TABLE Dict (word BLOB, data BLOB)"))
                && db.commit();
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return written;
}

// Written under a hidden name beside the output and renamed when whole: the
// programs pass over hidden files, and an interrupted build leaves no half
// database for them, nor an output that counts as made.
bool makeDatabase(int language, const QString &dictionary, const QString &output,
                  const QString &aspell)
{
    QStringList words;
    if (!readWords(aspell, dictionary, &words))
        return false;
    if (words.isEmpty())
        return fail(QStringLiteral("the aspell dictionary %1 holds no words").arg(dictionary));

    const QFileInfo target(output);
    if (!QDir().mkpath(target.absolutePath()))
        return fail(QStringLiteral("cannot make %1").arg(target.absolutePath()));
    const QString part = target.absoluteDir().filePath(
            QStringLiteral(".%1.part").arg(target.fileName()));
    QFile::remove(part);
    if (!writeDatabase(part, LanguageTable::languageName(language), words)) {
        QFile::remove(part);
        return false;
    }
    QFile::remove(output);
    if (!QFile::rename(part, output)) {
        QFile::remove(part);
        return fail(QStringLiteral("cannot write %1").arg(output));
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    bool isNumber = false;
    const int language = args.value(1).toInt(&isNumber);
    if (args.size() < 4 || args.size() > 5 || !isNumber || language < 0
            || language >= IndicLanguage::count) {
        std::fprintf(stderr, "usage: %s LANGUAGE(0-8) ASPELL-DICTIONARY OUTPUT [ASPELL-PROGRAM]\n",
                     argv[0]);
        return 2;
    }
    const QString aspell = args.value(4, QStringLiteral("aspell"));
    return makeDatabase(language, args.at(2), args.at(3), aspell) ? 0 : 1;
}
