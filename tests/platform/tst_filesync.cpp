#include "platform/filesync.h"

#include "filesizelimit.h"
#include "testmain.h"

#include <QSaveFile>
#include <QTemporaryDir>

#include <cerrno>
#include <memory>

// A failed save must say why: the messages the user sees are built from
// these texts.
class TestFileSync : public QObject
{
    Q_OBJECT

private slots:
    void failureNamesItsCause_data();
    void failureNamesItsCause();
    void savedFileIsInPlace();
};

namespace {

enum Step { Flush, Commit };

} // namespace

void TestFileSync::failureNamesItsCause_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("sizeLimit");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("cause");

    QTest::newRow("a device that cannot sync") << "/dev/null" << 0 << int(Flush) << EINVAL;
    QTest::newRow("a device that is full") << "/dev/full" << 0 << int(Flush) << ENOSPC;
    // The buffer is stored only in part: the system gave no reason yet.
    QTest::newRow("file-size limit, flushed") << "file.txt" << 100 << int(Flush) << EFBIG;
    QTest::newRow("file-size limit, committed") << "file.txt" << 100 << int(Commit) << EFBIG;
}

void TestFileSync::failureNamesItsCause()
{
    QFETCH(QString, path);
    QFETCH(int, sizeLimit);
    QFETCH(int, step);
    QFETCH(int, cause);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const bool device = path.startsWith(QLatin1String("/dev/"));
    std::unique_ptr<QFileDevice> file;
    if (device) {
        file = std::make_unique<QFile>(path);
    } else {
        QFile old(folder.filePath(path));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("the old file");
        old.close();
        file = std::make_unique<QSaveFile>(folder.filePath(path));
    }
    QVERIFY(file->open(QIODevice::WriteOnly));
    QString error;
    bool done;
    {
        std::unique_ptr<FileSizeLimit> limit(sizeLimit ? new FileSizeLimit(rlim_t(sizeLimit)) : nullptr);
        // Fewer bytes than Qt's buffer holds: nothing reaches the file yet.
        if (!device)
            file->write(QByteArray(1000, 'x'));
        else if (cause != EINVAL)
            file->write("bytes");
        if (step == Flush)
            done = Platform::flushFileBuffers(*file, &error);
        else
            done = Platform::commitSaveFile(static_cast<QSaveFile &>(*file), &error);
    }
    QVERIFY(!done);
    QCOMPARE(error, qt_error_string(cause));
    if (!device) {
        // Whatever went wrong, the old file is as it was.
        file.reset();
        QFile old(folder.filePath(path));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("the old file"));
    }
}

void TestFileSync::savedFileIsInPlace()
{
    QTemporaryDir folder;
    QSaveFile file(folder.filePath(QStringLiteral("saved.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("saved");
    QString error = QStringLiteral("untouched");
    QVERIFY(Platform::flushFileBuffers(file, &error));
    QVERIFY(Platform::commitSaveFile(file, &error));
    QCOMPARE(error, QStringLiteral("untouched"));
    QFile saved(folder.filePath(QStringLiteral("saved.txt")));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), QByteArray("saved"));
}

YAVO_TEST_GUILESS_MAIN(TestFileSync)
#include "tst_filesync.moc"
