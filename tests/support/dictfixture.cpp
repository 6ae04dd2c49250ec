#include "dictfixture.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

bool run(QSqlQuery &query, const QString &statement, const QVariantList &values = {})
{
    if (!query.prepare(statement))
        return false;
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec()) {
        qWarning("DictFixture: %s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
        return false;
    }
    return true;
}

bool fill(QSqlDatabase &db, const DictContent &content)
{
    QSqlQuery query(db);
    bool ok = run(query, QStringLiteral("CREATE TABLE DictInfo (languageName TEXT, wordcount TEXT, creationdate TEXT)"))
            && run(query, QStringLiteral("INSERT INTO DictInfo VALUES (?, ?, ?)"),
                   {content.languageName, content.wordCount, content.creationDate})
            && run(query, QStringLiteral("CREATE TABLE AllUnicodeWords (word BLOB)"))
            && run(query, QStringLiteral("CREATE TABLE Dict (word BLOB, data BLOB)"));
    if (ok && content.hasWordsRow) {
        const QByteArray words = content.rawWords.isNull()
                ? DictFixture::compressed(content.wordsText) : content.rawWords;
        ok = run(query, QStringLiteral("INSERT INTO AllUnicodeWords VALUES (?)"), {words});
    }
    for (const DictEntry &entry : content.entries) {
        if (!ok)
            break;
        const QVariant rowid = entry.rowid ? QVariant(entry.rowid) : QVariant(QVariant::LongLong);
        ok = run(query, QStringLiteral("INSERT INTO Dict (rowid, word, data) VALUES (?, ?, ?)"),
                 {rowid, DictFixture::compressed(entry.headword), DictFixture::compressed(entry.data)});
    }
    return ok;
}

} // namespace

namespace DictFixture {

QByteArray compressed(const QString &text)
{
    return qCompress(text.toUtf8(), 9);
}

bool writeDatabase(const QString &path, const DictContent &content)
{
    static int serial = 0;
    const QString connection = QStringLiteral("dictfixture-%1").arg(++serial);
    QFile::remove(path);
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        ok = db.open() && fill(db, content);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return ok;
}

QByteArray wordFileBytes(const QStringList &words)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << words;
    return bytes;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QStringList builtDictionaries()
{
    return QString::fromUtf8(YAVO_BUILT_DICTIONARIES).split(QLatin1Char(','), Qt::SkipEmptyParts);
}

QString builtDatabase(const QString &dictionary)
{
    if (!builtDictionaries().contains(dictionary))
        return QString();
    return QStringLiteral("%1/%2.db").arg(QString::fromUtf8(YAVO_DICT_DIR), dictionary);
}

QString noBuiltDictionariesReason()
{
    return QStringLiteral("The build found no aspell word lists (Debian packages aspell and "
                          "aspell-kn ...), so it made no dictionary databases to test");
}

} // namespace DictFixture

AppDictFolder::AppDictFolder(bool create)
    : m_path(QCoreApplication::applicationDirPath() + QStringLiteral("/dct"))
{
    QDir(m_path).removeRecursively();
    if (create)
        QDir().mkpath(m_path);
}

AppDictFolder::~AppDictFolder()
{
    QDir(m_path).removeRecursively();
}

QString AppDictFolder::filePath(const QString &name) const
{
    return QDir(m_path).filePath(name);
}

bool AppDictFolder::addBuiltDatabases() const
{
    const QStringList dictionaries = DictFixture::builtDictionaries();
    for (const QString &dictionary : dictionaries) {
        if (!QFile::link(DictFixture::builtDatabase(dictionary), filePath(dictionary + QStringLiteral(".db"))))
            return false;
    }
    return true;
}
