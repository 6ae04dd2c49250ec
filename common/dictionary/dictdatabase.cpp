#include "dictionary/dictdatabase.h"

#include "core/languagetable.h"
#include "dictionary/compressedtext.h"
#include "dictionary/wordlist.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

const QString databaseKeyStatement = QStringLiteral("PRAGMA key = '7c1e9d04b2a6f35e8d10';");

namespace {

const QString sqliteDriver = QStringLiteral("QSQLITE");

// Nothing in the suite writes a dictionary: reading only also keeps a
// database that has gone away from being re-created empty.
const QString readOnlyOption = QStringLiteral("QSQLITE_OPEN_READONLY");

} // namespace

DictDatabase::DictDatabase()
    : m_connectionName(QStringLiteral("DictDatabase/%1").arg(quintptr(this), 0, 16))
{
}

DictDatabase::~DictDatabase()
{
    delete m_wordList;
    if (QSqlDatabase::contains(m_connectionName)) {
        QSqlDatabase::database(m_connectionName, false).close();
        QSqlDatabase::removeDatabase(m_connectionName);
    }
}

// The reader's own connection, closed, made on first use.
QSqlDatabase DictDatabase::connection() const
{
    QSqlDatabase db;
    if (QSqlDatabase::contains(m_connectionName)) {
        db = QSqlDatabase::database(m_connectionName, false);
        db.close();
    } else {
        db = QSqlDatabase::addDatabase(sqliteDriver, m_connectionName);
        db.setConnectOptions(readOnlyOption);
    }
    return db;
}

QString DictDatabase::folder()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/dct/");
}

bool DictDatabase::exec(QSqlQuery &query, const QString &statement, bool clearAfter)
{
    if (statement.isEmpty())
        return false;
    if (statement.startsWith(QLatin1String("PRAGMA key "), Qt::CaseInsensitive))
        return true;
    const bool ran = query.exec(statement);
    if (clearAfter)
        query.clear();
    return ran;
}

bool DictDatabase::open(int language, bool force)
{
    const QString name = LanguageTable::languageName(language);
    QSqlDatabase db = connection();
    m_found = false;

    const QFileInfoList files = QDir(folder()).entryInfoList(QDir::Files, QDir::Unsorted);
    for (const QFileInfo &file : files) {
        db.setDatabaseName(file.absoluteFilePath());
        if (!db.open() && !force) {
            QMessageBox::information(nullptr, QCoreApplication::translate("DictDatabase", "Dict"),
                                     db.lastError().text(), QMessageBox::Ok);
            continue;
        }
        bool matches = false;
        {
            QSqlQuery query(db);
            exec(query, databaseKeyStatement, true);
            matches = query.exec(QStringLiteral("SELECT languageName from DictInfo;"))
                    && query.next()
                    && query.value(0).toString().compare(name, Qt::CaseInsensitive) == 0;
        }
        if (matches) {
            m_path = file.absoluteFilePath();
            m_found = true;
            m_languageName = name;
            break;
        }
        db.close();
    }
    return m_found;
}

QSqlDatabase DictDatabase::reopen() const
{
    QSqlDatabase db = connection();
    db.setDatabaseName(m_path);
    if (!m_path.isEmpty())
        db.open();
    return db;
}

QStringList DictDatabase::readAllWords(QSqlDatabase &db)
{
    QStringList words;
    {
        QSqlQuery query(db);
        if (query.exec(QStringLiteral("SELECT word from AllUnicodeWords;")) && query.next()) {
            const QString text = CompressedText::unpack(query.value(0).toByteArray());
            if (!text.isEmpty())
                words = text.split(QLatin1Char('\n'));
        }
        query.clear();
        query.finish();
    }
    db.close();
    return words;
}

QStringList DictDatabase::allWords()
{
    QSqlDatabase db = reopen();
    if (!db.isOpen())
        return QStringList();
    return readAllWords(db);
}

QStringList DictDatabase::info()
{
    QSqlDatabase db = reopen();
    if (!db.isOpen())
        return QStringList();
    QStringList result;
    {
        QSqlQuery query(db);
        if (query.exec(QStringLiteral("SELECT wordcount, creationdate, languageName from DictInfo;"))
                && query.next()) {
            result << query.value(0).toString() << query.value(1).toString()
                   << query.value(2).toString();
        }
        query.clear();
        query.finish();
    }
    db.close();
    return result;
}

QStringList DictDatabase::suggestions(const QString &word)
{
    constexpr int maximum = 10;
    QStringList result = m_wordList ? m_wordList->suggestions(word) : QStringList();

    QSqlDatabase db = reopen();
    if (!db.isOpen())
        return QStringList();
    const QStringList words = readAllWords(db);
    for (const QString &candidate : words) {
        if (result.size() >= maximum)
            break;
        if (candidate.contains(word))
            result << candidate;
    }
    result = result.mid(0, maximum);
    result.removeDuplicates();
    return result;
}

bool DictDatabase::meaning(const QString &word, QString &entry)
{
    QSqlDatabase db = reopen();
    if (!db.isOpen())
        return false;
    {
        // The entry of a headword is in the row that holds it, so the row is
        // known by its own rowid, not by its place in a list.
        QSqlQuery query(db);
        QVariant rowid;
        if (query.exec(QStringLiteral("SELECT rowid, word FROM Dict;"))) {
            while (query.next()) {
                if (CompressedText::unpack(query.value(1).toByteArray()).trimmed() == word) {
                    rowid = query.value(0);
                    break;
                }
            }
        }
        query.clear();
        if (rowid.isValid()) {
            query.prepare(QStringLiteral("SELECT data FROM Dict WHERE rowid = :rowid"));
            query.bindValue(QStringLiteral(":rowid"), rowid);
            if (query.exec() && query.next())
                entry = findEntryLine(word, CompressedText::unpack(query.value(0).toByteArray()));
            query.finish();
            query.clear();
        }
    }
    db.close();
    return true;
}

QString DictDatabase::findEntryLine(const QString &word, const QString &data)
{
    const QStringList lines = data.split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const int bracket = line.indexOf(QLatin1Char('<'));
        const QString head = bracket < 0 ? line : line.left(bracket);
        if (head.compare(word, Qt::CaseInsensitive) == 0)
            return line;
    }
    return QString(QLatin1String(""));
}

void DictDatabase::ensureUtils()
{
    if (m_wordList)
        return;
    m_wordList = new WordList;
    m_wordList->loadUserDictionary();
    m_wordList->addWords(allWords());
}
