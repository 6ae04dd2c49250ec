#include "editor/unicodekaeditor.h"

#include "formats/formatmanager.h"
#include "formats/formatreader.h"
#include "utils/utils.h"

#include "filesizelimit.h"
#include "modalanswerer.h"
#include "testmain.h"

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextStream>
#include <QTimer>
#include <QWindow>

#include <qpa/qwindowsysteminterface.h>

#include <cerrno>
#include <memory>
#include <unistd.h>

class TestUnicodeKaEditorFiles : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void savesByTheSuffix_data();
    void savesByTheSuffix();
    void textStartsWithTheByteOrderMark_data();
    void textStartsWithTheByteOrderMark();
    void failedSaveKeepsTheOldFileAndTheChanges_data();
    void failedSaveKeepsTheOldFileAndTheChanges();
    void saveAsAddsHtmlToANameWithoutSuffix_data();
    void saveAsAddsHtmlToANameWithoutSuffix();
    void builtInPagesAreNeverSaved();
    void maybeSaveAsksAndSaves_data();
    void maybeSaveAsksAndSaves();
    void untitledIsNeverAFileSavedBefore();
    void defaultSaveName();
    void loadsPlainText_data();
    void loadsPlainText();
    void userInputWaitsUntilTheTextIsIn();
    void editorClosedDuringALoad();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

namespace {

const QString kannada = QStringLiteral(u"\u0C95\u0CA8\u0CCD\u0CA8\u0CA1");

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

struct ReadBack
{
    int type = FormatReader::UnknownType;
    QByteArray encoding;
    QString text;
    QString error;
};

// What the format library makes of a saved file.
ReadBack readBack(const QString &path, const QString &type)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const std::unique_ptr<FormatReader> reader(FormatManager::createReader(&file, type));
    QTextDocument document;
    reader->cursor = QTextCursor(&document);
    reader->readData(&file);
    return {reader->type(), reader->encoding, document.toPlainText(), reader->errorText};
}

struct Editor
{
    Editor() : editor(&utils, 0, 0) {}

    // A Kannada paragraph with a bold word, and a second paragraph.
    void fill()
    {
        QTextCursor cursor(editor.document());
        cursor.insertText(kannada + QLatin1Char(' '));
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        cursor.insertText(QStringLiteral("bold"), bold);
        cursor.insertBlock();
        cursor.insertText(QStringLiteral("line two"), QTextCharFormat());
    }

    Utils utils;
    UnicodeKaEditor editor;
};

// The files of a folder, hidden ones (a save's temporary file) included.
QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

// Answers a file dialog with a path typed into its name field, as a user
// would.
void chooseFile(QFileDialog *dialog, const QString &path)
{
    dialog->setDirectory(QFileInfo(path).path());
    auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    QVERIFY(name);
    name->setText(QFileInfo(path).fileName());
    static_cast<QDialog *>(dialog)->accept();
}

} // namespace

void TestUnicodeKaEditorFiles::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
}

void TestUnicodeKaEditorFiles::savesByTheSuffix_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("readAs");
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("start");
    QTest::addColumn<QByteArray>("contains");

    const QByteArray pk("PK\x03\x04");
    const QByteArray odfMime("application/vnd.oasis.opendocument.text");
    const QByteArray bom("\xEF\xBB\xBF");
    QTest::newRow("notes.ODT") << "notes.ODT" << "odt" << int(FormatReader::OdtType) << pk << odfMime;
    QTest::newRow("notes.Odf") << "notes.Odf" << "odt" << int(FormatReader::OdtType) << pk << odfMime;
    QTest::newRow("letter.NUDI") << "letter.NUDI" << "rtf" << int(FormatReader::RtfType)
                                 << QByteArray("{\\rtf1") << QByteArray("\\ansicpg1252");
    QTest::newRow("letter.rtf") << "letter.rtf" << "rtf" << int(FormatReader::RtfType)
                                << QByteArray("{\\rtf1") << QByteArray("\\ansicpg1252");
    QTest::newRow("a.DOCX") << "a.DOCX" << "docx" << int(FormatReader::DocxType) << pk
                            << QByteArray("word/document.xml");
    // Templates and macro-enabled documents stay packages, never text.
    for (const char *name : {"macros.docm", "letter.DOTX", "form.dotm"}) {
        QTest::newRow(name) << name << QString::fromLatin1(name).section(QLatin1Char('.'), 1).toLower()
                            << int(FormatReader::DocxType) << pk << QByteArray("word/document.xml");
    }
    QTest::newRow("page.HTM") << "page.HTM" << "htm" << int(FormatReader::HtmlType) << bom
                              << QByteArray("<!DOCTYPE HTML");
    QTest::newRow("page.html") << "page.html" << "html" << int(FormatReader::HtmlType) << bom
                               << QByteArray("<!DOCTYPE HTML");
    QTest::newRow("a.txt") << "a.txt" << "txt" << int(FormatReader::TxtType) << bom
                           << QByteArray("bold\nline two");
    QTest::newRow("a.csv") << "a.csv" << "txt" << int(FormatReader::TxtType) << bom
                           << QByteArray("bold\nline two");
    QTest::newRow("no suffix") << "report" << "" << int(FormatReader::TxtType) << bom
                               << QByteArray("bold\nline two");
}

void TestUnicodeKaEditorFiles::savesByTheSuffix()
{
    QFETCH(QString, name);
    QFETCH(QString, readAs);
    QFETCH(int, type);
    QFETCH(QByteArray, start);
    QFETCH(QByteArray, contains);

    Editor e;
    e.fill();
    QVERIFY(e.editor.document()->isModified());
    const QString path = m_dir->filePath(name);
    e.editor.setFileName(path);
    QSignalSpy folder(&e.editor, &UnicodeKaEditor::workingDirChanged);
    ModalAnswerer answerer;

    QVERIFY(e.editor.saveFile());
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QVERIFY(!e.editor.document()->isModified());
    QCOMPARE(folder.count(), 1);
    QCOMPARE(folder.first().first().toString(), m_dir->path());

    const QByteArray bytes = contentOf(path);
    QVERIFY2(bytes.startsWith(start), bytes.left(16).toHex(' ').constData());
    QVERIFY(bytes.contains(contains));
    const ReadBack back = readBack(path, readAs);
    QCOMPARE(back.error, QString());
    QCOMPARE(back.type, type);
    QCOMPARE(back.text, e.editor.toPlainText());
    // Nothing is left beside the file.
    QCOMPARE(filesIn(m_dir->path()), QStringList{name});
}

// The codec follows the codec table of the encoding index: where the
// Encoding menu says UTF-32 (4) and UTF-32BE (5), the file is UTF-16LE and
// UTF-32 in the machine's byte order.
void TestUnicodeKaEditorFiles::textStartsWithTheByteOrderMark_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("0, hidden ANSI, is UTF-8") << "a.TXT" << 0 << QByteArray::fromHex("EFBBBF E0B295");
    QTest::newRow("1 UTF-8") << "a.TXT" << 1 << QByteArray::fromHex("EFBBBF E0B295");
    QTest::newRow("2 UTF-16") << "a.TXT" << 2 << QByteArray::fromHex("FFFE 950C");
    QTest::newRow("3 UTF-16BE") << "a.TXT" << 3 << QByteArray::fromHex("FEFF 0C95");
    QTest::newRow("4 UTF-16LE") << "a.TXT" << 4 << QByteArray::fromHex("FFFE 950C");
    QTest::newRow("5 UTF-32") << "a.TXT" << 5 << QByteArray::fromHex("FFFE0000 950C0000");
    QTest::newRow("7 UTF-32BE") << "a.TXT" << 7 << QByteArray::fromHex("0000FEFF 00000C95");
    QTest::newRow("8 UTF-32LE") << "a.TXT" << 8 << QByteArray::fromHex("FFFE0000 950C0000");
    QTest::newRow("HTML in UTF-16BE") << "a.html" << 3 << QByteArray::fromHex("FEFF 003C");
}

void TestUnicodeKaEditorFiles::textStartsWithTheByteOrderMark()
{
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(QByteArray, bytes);

    Editor e;
    e.editor.setPlainText(QStringLiteral(u"\u0C95"));
    e.editor.setTextEncodingIndex(index);
    const QString path = m_dir->filePath(name);
    e.editor.setFileName(path);
    QVERIFY(e.editor.saveFile());
    const QByteArray saved = contentOf(path);
    if (name.endsWith(QLatin1String(".TXT")))
        QCOMPARE(saved.toHex(' '), bytes.toHex(' '));
    else
        QVERIFY2(saved.startsWith(bytes), saved.left(8).toHex(' ').constData());
}

// A save that fails, before or after the file could be opened, says so,
// leaves the file that was there whole and nothing else behind, and keeps
// the document modified. A file that cannot even be started is named with
// the cause.
void TestUnicodeKaEditorFiles::failedSaveKeepsTheOldFileAndTheChanges_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("name");
    QTest::addColumn<qint64>("sizeLimit");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QString>("cause");

    QTest::newRow("missing folder") << "missing/a.txt" << "a.txt" << qint64(0) << false
                                    << "No such file or directory";
    QTest::newRow("under a regular file") << "file/a.txt" << "a.txt" << qint64(0) << false << "Not a directory";
    QTest::newRow("read-only folder") << "readonly/a.txt" << "a.txt" << qint64(0) << false << "Permission denied";
    QTest::newRow("a folder by that name") << "taken/a.txt" << "a.txt" << qint64(0) << false
                                           << "Filename refers to a directory";
    for (const char *name : {"a.txt", "a.html", "a.rtf", "a.docx", "a.odt"})
        QTest::addRow("file-size limit, %s", name) << QStringLiteral("full/%1").arg(QLatin1String(name))
                                                   << QString::fromLatin1(name) << qint64(1024) << true << QString();
}

void TestUnicodeKaEditorFiles::failedSaveKeepsTheOldFileAndTheChanges()
{
    QFETCH(QString, where);
    QFETCH(QString, name);
    QFETCH(qint64, sizeLimit);
    QFETCH(bool, opens);
    QFETCH(QString, cause);

    QDir root(m_dir->path());
    const QString folder = QFileInfo(m_dir->filePath(where)).path();
    const QByteArray old("the old file");
    if (where.startsWith(QLatin1String("file/"))) {
        QFile file(m_dir->filePath(QStringLiteral("file")));
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else if (where.startsWith(QLatin1String("readonly/"))) {
        if (geteuid() == 0)
            QSKIP("folder permissions do not hold for root");
        QVERIFY(root.mkdir(QStringLiteral("readonly")));
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    } else if (where.startsWith(QLatin1String("taken/"))) {
        QVERIFY(root.mkpath(where));
    } else if (where.startsWith(QLatin1String("full/"))) {
        QVERIFY(root.mkdir(QStringLiteral("full")));
        QFile file(m_dir->filePath(where));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(old);
    }

    Editor e;
    // Far more than the size limit in every format.
    for (int i = 0; i < 300; ++i)
        e.fill();
    e.editor.setFileName(m_dir->filePath(where));
    ModalAnswerer answerer;
    const QString notOpenedText = QStringLiteral("Couldn't save the file!!\n\nThe file %1 cannot be written: %2")
                                          .arg(QDir::toNativeSeparators(m_dir->filePath(where)), cause);
    answerer.expectMessageBox(QStringLiteral("Save...") + Utils::displayName(), opens ? QString() : notOpenedText,
                              QMessageBox::Ok);
    bool saved;
    {
        std::unique_ptr<FileSizeLimit> limit(sizeLimit ? new FileSizeLimit(sizeLimit) : nullptr);
        saved = e.editor.saveFile();
    }
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QVERIFY(!saved);
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure() + answerer.seen().join(QLatin1Char(';'))));
    if (opens)
        QVERIFY2(answerer.seen().value(0).contains(QLatin1String("Couldn't save the file!!")),
                 qPrintable(answerer.seen().value(0)));
    // The message names the cause as the system gives it.
    if (sizeLimit)
        QVERIFY2(answerer.seen().value(0).contains(qt_error_string(EFBIG)), qPrintable(answerer.seen().value(0)));
    QVERIFY(e.editor.document()->isModified());
    QCOMPARE(e.editor.fileName(), m_dir->filePath(where));
    if (QFileInfo(folder).isDir()) {
        QCOMPARE(filesIn(folder), opens ? QStringList{name} : QStringList());
        if (opens)
            QCOMPARE(contentOf(m_dir->filePath(where)), old);
    }
}

void TestUnicodeKaEditorFiles::saveAsAddsHtmlToANameWithoutSuffix_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("contains");

    QTest::newRow("report") << "report" << "report.html" << QByteArray("<!DOCTYPE HTML");
    QTest::newRow("report.txt") << "report.txt" << "report.txt" << QByteArray("\xEF\xBB\xBF" "line two");
}

void TestUnicodeKaEditorFiles::saveAsAddsHtmlToANameWithoutSuffix()
{
    QFETCH(QString, answer);
    QFETCH(QString, written);
    QFETCH(QByteArray, contains);

    Editor e;
    e.editor.setPlainText(QStringLiteral("line two"));
    e.editor.setFileName(QStringLiteral("untitled-1"));
    ModalAnswerer answerer;
    const QString path = m_dir->filePath(answer);
    answerer.expectDialog<QFileDialog>(QStringLiteral("Save File As"),
                                       [path](QFileDialog *dialog) { chooseFile(dialog, path); });
    QVERIFY(e.editor.saveFileAs());
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QCOMPARE(e.editor.fileName(), m_dir->filePath(written));
    QVERIFY(contentOf(m_dir->filePath(written)).contains(contains));
    QVERIFY(!e.editor.document()->isModified());
}

void TestUnicodeKaEditorFiles::builtInPagesAreNeverSaved()
{
    Editor e;
    e.editor.setPlainText(QStringLiteral("help"));
    e.editor.document()->setModified(true);
    e.editor.setFileName(QStringLiteral(":/resources/HelpTopics.html"));
    ModalAnswerer answerer;
    QVERIFY(e.editor.saveFileAs());
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QVERIFY(answerer.seen().isEmpty());
    QVERIFY(e.editor.document()->isModified());
}

void TestUnicodeKaEditorFiles::maybeSaveAsksAndSaves_data()
{
    QTest::addColumn<bool>("modified");
    QTest::addColumn<bool>("ask");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("result");
    QTest::addColumn<bool>("written");

    QTest::newRow("not modified") << false << true << int(QMessageBox::NoButton) << true << false;
    QTest::newRow("no question") << true << false << int(QMessageBox::NoButton) << true << true;
    QTest::newRow("yes") << true << true << int(QMessageBox::Yes) << true << true;
    QTest::newRow("no") << true << true << int(QMessageBox::No) << true << false;
    QTest::newRow("cancel") << true << true << int(QMessageBox::Cancel) << false << false;
}

void TestUnicodeKaEditorFiles::maybeSaveAsksAndSaves()
{
    QFETCH(bool, modified);
    QFETCH(bool, ask);
    QFETCH(int, answer);
    QFETCH(bool, result);
    QFETCH(bool, written);

    const QString path = m_dir->filePath(QStringLiteral("saved.txt"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.close();
    Editor e;
    e.editor.setFileName(path);
    e.editor.setPlainText(QStringLiteral("new text"));
    e.editor.document()->setModified(modified);
    ModalAnswerer answerer;
    if (answer != QMessageBox::NoButton)
        answerer.expectMessageBox(QStringLiteral("Save file..."), QStringLiteral("Unsaved changes. Do you want to save?"),
                                  QMessageBox::StandardButton(answer));

    QCOMPARE(e.editor.maybeSave(ask), result);
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QCOMPARE(contentOf(path).contains("new text"), written);
    QCOMPARE(e.editor.document()->isModified(), modified && !written);
}

// "untitled-1" found in the current folder is some other file: the editor
// asks for a name instead of writing over it.
void TestUnicodeKaEditorFiles::untitledIsNeverAFileSavedBefore()
{
    TemporaryCurrentDir current;
    QFile other(QDir(current.path()).filePath(QStringLiteral("untitled-1")));
    QVERIFY(other.open(QIODevice::WriteOnly));
    other.write("someone else's");
    other.close();

    Editor e;
    e.editor.setFileName(QStringLiteral("untitled-1"));
    e.editor.setPlainText(QStringLiteral("mine"));
    e.editor.document()->setModified(true);
    ModalAnswerer answerer;
    answerer.expectDialog<QFileDialog>(QStringLiteral("Save File..."), [](QFileDialog *dialog) { dialog->reject(); });
    QVERIFY(!e.editor.maybeSave(false));
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QCOMPARE(contentOf(other.fileName()), QByteArray("someone else's"));
    QCOMPARE(e.editor.fileName(), QStringLiteral("untitled-1"));
    QVERIFY(e.editor.document()->isModified());

    const QString path = m_dir->filePath(QStringLiteral("mine"));
    answerer.expectDialog<QFileDialog>(QStringLiteral("Save File..."),
                                       [path](QFileDialog *dialog) { chooseFile(dialog, path); });
    QVERIFY(e.editor.maybeSave(false));
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QCOMPARE(e.editor.fileName(), path + QLatin1String(".html"));
    QVERIFY(contentOf(path + QLatin1String(".html")).contains("mine"));
}

void TestUnicodeKaEditorFiles::defaultSaveName()
{
    Editor e;
    const QString existing = m_dir->filePath(QStringLiteral("there.txt"));
    QFile file(existing);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(e.editor.defaultSaveName(existing), QStringLiteral("there.txt"));
    QCOMPARE(e.editor.defaultSaveName(QStringLiteral("untitled-1")), QStringLiteral("untitled-1.html"));
}

void TestUnicodeKaEditorFiles::loadsPlainText_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("blocks");

    QTest::newRow("three lines") << QByteArray("a\nb\nc\n") << QStringList{"a", "b", "c", ""};
    QTest::newRow("no last line feed") << QByteArray("a\r\nb") << QStringList{"a", "b", ""};
    QTest::newRow("empty") << QByteArray() << QStringList{""};
    QTest::newRow("UTF-16 with its mark") << QByteArray::fromHex("FFFE 950C 0A00") << QStringList{"\u0C95", ""};
}

void TestUnicodeKaEditorFiles::loadsPlainText()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, blocks);

    Editor e;
    e.editor.setPlainText(QStringLiteral("before"));
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    e.editor.selectAll();
    e.editor.mergeCurrentCharFormat(bold);
    QTextStream stream(&content);
    stream.setCodec("UTF-8");
    stream.setAutoDetectUnicode(true);
    e.editor.loadPlainText(stream);

    QStringList got;
    for (QTextBlock block = e.editor.document()->begin(); block.isValid(); block = block.next())
        got << block.text();
    QCOMPARE(got, blocks);
    QVERIFY(!e.editor.document()->isModified());
    // The old text's format is gone with it.
    QTextCursor cursor(e.editor.document());
    cursor.movePosition(QTextCursor::NextCharacter);
    QCOMPARE(cursor.charFormat().fontWeight(), int(QFont::Normal));
}

// A key pressed while a file is read arrives after the text is in, not in
// the middle of it.
void TestUnicodeKaEditorFiles::userInputWaitsUntilTheTextIsIn()
{
    Utils utils;
    UnicodeKaEditor editor(&utils, 9, 0);
    editor.show();
    editor.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&editor));
    editor.setFocus();

    QByteArray content;
    for (int i = 0; i < 50; ++i)
        content += "line\n";
    QTextStream stream(&content);
    QWindow *window = editor.window()->windowHandle();
    QTimer::singleShot(0, &editor, [window] {
        QWindowSystemInterface::handleKeyEvent(window, QEvent::KeyPress, Qt::Key_X, Qt::NoModifier,
                                               QStringLiteral("x"));
        QWindowSystemInterface::handleKeyEvent(window, QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier,
                                               QStringLiteral("x"));
    });
    editor.loadPlainText(stream);
    QCOMPARE(editor.toPlainText(), QString::fromLatin1(content));
    QVERIFY(!editor.document()->isModified());

    // The key was real, and comes now.
    QTRY_VERIFY(editor.toPlainText().contains(QLatin1Char('x')));
}

void TestUnicodeKaEditorFiles::editorClosedDuringALoad()
{
    Utils utils;
    QPointer<UnicodeKaEditor> editor = new UnicodeKaEditor(&utils, 0, 0);
    QByteArray content("a\nb\nc\n");
    QTextStream stream(&content);
    QTimer::singleShot(0, [&editor] { delete editor; });
    editor->loadPlainText(stream);
    QVERIFY(!editor);
}

YAVO_TEST_MAIN(TestUnicodeKaEditorFiles)
#include "tst_unicodekaeditorfiles.moc"
