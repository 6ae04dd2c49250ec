#include "app/tabwidget.h"

#include "app/documentadmission.h"
#include "app/loadprogress.h"
#include "app/mainwindow.h"
#include "app/makerlinks.h"
#include "app/ui_mainwindow.h"
#include "app/userinputhold.h"
#include "app/yvtabcontentwidget.h"
#include "app/yvzoomcontrollerwidget.h"

#include "core/indictransliterator.h"
#include "core/sharedsettings.h"
#include "core/userdatafolder.h"
#include "editor/unicodekaeditor.h"
#include "formats/documentfile.h"
#include "formats/formatmanager.h"
#include "formats/formatreader.h"
#include "formats/html_reader.h"
#include "formats/txtreader.h"
#include "utils/utils.h"
#include "widgets/yvquickbytestoolbar.h"

#include <QAbstractItemView>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProgressBar>
#include <QScopedPointer>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabBar>
#include <QTextBlock>
#include <QTextCodec>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextStream>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

namespace {

constexpr int englishLanguage = 9;
// How long the script conversion holds up the window at a time.
constexpr int conversionSliceMs = 30;

// Replaces the editor's text by the source document's, keeping the editor's
// own document (its spell-check highlighter and the modified mark are bound
// to it).
void fillEditor(QTextEdit *editor, const QTextDocument &source)
{
    QTextDocument *doc = editor->document();
    // One edit block from the emptied document to the whole text: the
    // editor's layout then takes it as new and lays it out lazily, page by
    // page, instead of relaying every paragraph as it comes in. The editor's
    // cursor stays at the start: were it pushed to the end, showing it there
    // would lay out the whole document at once.
    const QTextDocumentFragment fragment(&source);
    QTextCursor start = editor->textCursor();
    start.setKeepPositionOnInsert(true);
    editor->setTextCursor(start);
    QTextCursor block(doc);
    block.beginEditBlock();
    doc->clear();
    QTextCursor(doc).insertFragment(fragment);
    block.endEditBlock();
    start = editor->textCursor();
    start.setKeepPositionOnInsert(false);
    editor->setTextCursor(start);
}

// One line in another script, its runs of blanks kept.
QString convertLine(IndicTransliterator &transliterator, const QString &line, int language, int keyboard)
{
    QStringList words = line.split(QLatin1Char(' '));
    for (QString &word : words)
        word = transliterator.convertMixed(word, language, keyboard);
    return words.join(QLatin1Char(' '));
}

// The tab's text turns red while its editor's document is modified; a
// document the editor takes over later needs the same.
void showModifiedMark(QTextDocument *doc, TabWidget *tabs)
{
    QObject::connect(doc, SIGNAL(modificationChanged(bool)), tabs, SLOT(slotDocumentModified(bool)));
}

} // namespace

TabWidget::TabWidget(MainWindow *parent)
    : QTabWidget(parent)
    , m_mainWindow(parent)
    , m_workingDir(QDir::homePath())
    , m_inputHold(new UserInputHold(this))
{
    Ui::MainWindow *ui = m_mainWindow->ui();
    m_wordsLabel = new QLabel;
    // Counted after the keys, not at every one of them.
    m_wordCountTimer = new QTimer(this);
    m_wordCountTimer->setSingleShot(true);
    m_wordCountTimer->setInterval(250);
    connect(m_wordCountTimer, &QTimer::timeout, this, &TabWidget::showWordCount);
    m_lineLabel = new QLabel;
    m_columnLabel = new QLabel;
    m_zoomController = new yvZoomControllerWidget(this);
    m_fileWatcher = new QFileSystemWatcher(this);
    connect(this, &QTabWidget::tabCloseRequested, this, &TabWidget::slotTabCloseRequested);
    setDocumentMode(false);

    createFormatToolBar();
    setTabsClosable(true);
    connectActions();

    m_progressBar = new QProgressBar;
    m_languageLabel = new QLabel;
    m_keyboardLabel = new QLabel;
    m_quickBytesToolBar = new yvQuickBytesToolBar(yvQuickBytesToolBar::QB_Editor, this);

    QStatusBar *status = ui->statusBar;
    status->addPermanentWidget(new QLabel, 10);
    status->addPermanentWidget(m_progressBar, 10);
    for (QLabel *label : {m_languageLabel, m_keyboardLabel, m_wordsLabel, m_lineLabel, m_columnLabel})
        status->addPermanentWidget(label, 1);

    m_zoomController->hide();
    m_progressBar->setRange(0, 0);
    m_progressBar->setMaximumHeight(14);
    m_progressBar->setTextVisible(false);
    m_progressBar->hide();

    m_recentFilesMenu = new QMenu;
    connect(m_recentFilesMenu, &QMenu::triggered, this, &TabWidget::slotRecentFilesMenuTriggered);

    // Earlier versions kept the user's words and search history in the
    // folder the program was started from; the first run that finds them
    // there takes them along.
    UserDataFolder::adoptOldFiles(QDir::currentPath());
    m_utils = new Utils(this);

    auto *closeButton = new QToolButton(this);
    closeButton->setIcon(QIcon(QStringLiteral(":/resources/find-close-icon.png")));
    closeButton->setIconSize(QSize(16, 16));
    closeButton->setToolTip(tr("Close Current Tab"));
    closeButton->setAutoRaise(true);
    closeButton->setFocusPolicy(Qt::NoFocus);
    setCornerWidget(closeButton, Qt::TopRightCorner);
    connect(closeButton, &QToolButton::clicked, this, &TabWidget::slotCloseCurrentTab);
    connect(m_fileWatcher, &QFileSystemWatcher::fileChanged, this, &TabWidget::onFileChangedOutside,
            Qt::QueuedConnection);

    setStyleSheet(QStringLiteral(
            "QTabBar::tab{height:26px; width:150px;}QTabBar::scroller { width: 60px;}"
            "QTabWidget::pane { border-top: 2px solid #C2C7CB;padding:0px;}"));

    m_mainWindow->addToolBar(Qt::BottomToolBarArea, m_quickBytesToolBar);
    connect(m_quickBytesToolBar, &yvQuickBytesToolBar::charClicked,
            this, &TabWidget::onQuickBytesCharClicked);
    m_fileWatcher->addPath(Utils::quickBytesPath());

    ui->menuBar->setStyleSheet(QStringLiteral(
            ".QMenuBar{background-color: qlineargradient(spread:pad, x1:0, y1:0, x2:1, y2:1,   "
            "stop:0 #DCDCDC, stop:1 #C0C0C0); color: #000000; border-radius: 1px;}"));
    ui->mainToolBar->setStyleSheet(QStringLiteral(
            ".QToolBar{background-color: qlineargradient(spread:pad, x1:0, y1:0, x2:1, y2:1,   "
            "stop:0 #DCDCDC, stop:1 #C0C0C0); color: #000000; border-radius: 1px;}"));
    ui->statusBar->setStyleSheet(QStringLiteral(
            ".QStatusBar{background-color: qlineargradient(spread:pad, x1:0, y1:0, x2:1, y2:1,   "
            "stop:0 #919191, stop:1 #C0C0C0); color: #000000; border-radius: 1px;}"));
}

TabWidget::~TabWidget()
{
    for (int i = 0; i < count(); ++i) {
        if (UnicodeKaEditor *editor = editorAtIndex(i))
            m_fileWatcher->removePath(editor->fileName());
    }
    delete m_recentFilesMenu;
}

// --- Accessors ----------------------------------------------------------

int TabWidget::fontSize() const { return m_fontSize; }
QWidget *TabWidget::mainWindow() const { return m_mainWindow; }
int TabWidget::language() const { return m_language; }
int TabWidget::lastIndicLanguage() const { return m_lastIndicLanguage; }
int TabWidget::keyboard() const { return m_keyboard; }
yvQuickBytesToolBar *TabWidget::quickBytesToolBar() const { return m_quickBytesToolBar; }
Utils *TabWidget::utils() const { return m_utils; }
QString TabWidget::workingDir() { return m_workingDir; }
QStringList TabWidget::recentFiles() const { return m_recentFiles; }

UnicodeKaEditor *TabWidget::editorAtIndex(int index)
{
    if (index < 0 || index >= count())
        return nullptr;
    auto *page = qobject_cast<yvTabContentWidget *>(widget(index));
    return page ? qobject_cast<UnicodeKaEditor *>(page->editor()) : nullptr;
}

UnicodeKaEditor *TabWidget::currentEditor()
{
    UnicodeKaEditor *editor = editorAtIndex(currentIndex());
    if (!editor) {
        const auto answer = QMessageBox::question(
                QApplication::activeWindow(), tr("Oops unknown exception!"),
                tr("Would you like to inform this error to author.\n\nYour feedback is very valuable to improve the software!\n"),
                QMessageBox::Yes | QMessageBox::No);
        if (answer == QMessageBox::Yes)
            QDesktopServices::openUrl(QUrl(QString::fromLatin1(MakerLinks::feedbackUrl)));
    }
    return editor;
}

QString TabWidget::canonicalPath(const QString &path)
{
    return path.isEmpty() ? path : QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

int TabWidget::tabIndexOfOpenFilename(const QString &filepath)
{
    // This file system tells A.odt from a.odt: compare with case.
    const QString wanted = canonicalPath(filepath);
    for (int i = 0; i < count(); ++i) {
        UnicodeKaEditor *editor = editorAtIndex(i);
        if (editor && QFileInfo(editor->fileName()).isAbsolute()
            && canonicalPath(editor->fileName()) == wanted)
            return i;
    }
    return -1;
}

QString TabWidget::nextUntitledName()
{
    return QStringLiteral("untitled-%1").arg(m_untitledCounter++);
}

yvTabContentWidget *TabWidget::newTabContent(UnicodeKaEditor *editor)
{
    return new yvTabContentWidget(editor, this);
}

void TabWidget::setProgressBarVisibility(bool visible)
{
    m_progressBar->setVisible(visible);
}

void TabWidget::slotSetTabbarVisible(bool visible)
{
    tabBar()->setVisible(visible);
}

void TabWidget::onWorkingDirChanged(const QString &newdir)
{
    if (newdir != m_workingDir)
        m_workingDir = newdir;
    Utils::setWorkingDir(newdir);
}

// --- Editors and tabs ---------------------------------------------------

UnicodeKaEditor *TabWidget::createEditor()
{
    auto *editor = new UnicodeKaEditor(m_utils, m_language, m_keyboard, this);
    editor->setWorkingDirectory(m_workingDir);

    connect(editor, SIGNAL(searchString(QString)), this, SLOT(slotSearchString(QString)));
    connect(editor, SIGNAL(searchInYavoKosha()), this, SLOT(onSearchInYavoKosha()));
    connect(editor, SIGNAL(fontFamilyChanged(QString)), this, SLOT(slotFontFamilyChanged(QString)));
    connect(editor, SIGNAL(languageChanged(int)), this, SLOT(slotLanguageChanged(int)));
    connect(editor, SIGNAL(keyboardChanged(int)), this, SLOT(slotKeyboardChanged(int)));
    connect(editor, SIGNAL(fontChanged(QFont)), this, SLOT(slotFontChanged(QFont)));
    connect(editor, SIGNAL(alignmentChanged(Qt::Alignment)), this, SLOT(slotAlignmentChanged(Qt::Alignment)));
    showModifiedMark(editor->document(), this);
    connect(editor, SIGNAL(workingDirChanged(QString)), this, SLOT(onWorkingDirChanged(QString)));
    connect(editor, SIGNAL(textChanged()), this, SLOT(onTextChanged()));
    connect(editor, SIGNAL(cursorPositionChanged()), this, SLOT(onCursorPositionChanged()));

    m_comboFont->setWritingSystem(Utils::writingSystem(m_language));
    editor->setFontFamily(m_comboFont->currentText());
    editor->setAutoComplpetePrefixLength(m_prefixLengthSpinBox->value());
    editor->setSpellCheckAsYouType(m_mainWindow->ui()->actionSpell_Check_As_You_Type->isChecked());
    m_zoomController->addEditor(editor);
    editor->setFontFamily(m_comboFont->currentText());
    editor->setQuickBytesToolBar(m_quickBytesToolBar);
    // Setting the font marks the empty document modified; left so, the first
    // real edit would send no change and its tab would not turn red.
    editor->document()->setModified(false);
    return editor;
}

void TabWidget::slotNew()
{
    UnicodeKaEditor *editor = createEditor();
    const QString name = nextUntitledName();
    setCurrentWidget(widget(addTab(newTabContent(editor), name)));
    editor->setFocus();
    editor->document()->setModified(false);
    setCurrentIndex(count() - 1);
    editor->setFileName(name);
}

void TabWidget::appendDocument(QTextDocument *doc)
{
    slotNew();
    UnicodeKaEditor *editor = editorAtIndex(count() - 1);
    if (!editor || !doc)
        return;
    fillEditor(editor, *doc);
    doc->deleteLater();
    editor->setFontFamily(m_comboFont->currentText());
    keepAsUnsavedResult(editor);
}

// What a command made (a conversion) is saved nowhere yet: its tab is marked
// modified, so that closing it or the program asks first.
void TabWidget::keepAsUnsavedResult(UnicodeKaEditor *editor)
{
    editor->document()->setModified(true);
}

void TabWidget::slotOpen()
{
    const QString path = QFileDialog::getOpenFileName(
            this, tr("Open File..."), m_workingDir,
            tr("All files (*.*);;Plain Text files (*.txt);;HTML files (*.htm*);;Open Office files (*.odt);;Nudi files (*.nudi);;BRH files (*.BRH)"));
    if (path.isEmpty())
        return;
    showOrOpenFile(path);
}

void TabWidget::showOrOpenFile(const QString &path)
{
    const int index = tabIndexOfOpenFilename(path);
    if (index >= 0)
        setCurrentIndex(index);
    else
        openFile(path);
    addRecentFile(path);
}

void TabWidget::openFile(const QString &path)
{
    if (!DocumentAdmission::admit(canonicalPath(path), this))
        return;
    QFile file(canonicalPath(path));
    if (!file.open(QIODevice::ReadOnly)) {
        const QString failure = DocumentFile::openFailure(file.fileName());
        DocumentAdmission::refuse(path, failure.isEmpty() ? file.errorString() : failure, this);
        return;
    }
    openInNewTab(file.fileName(), &file);
}

void TabWidget::openInNewTab(const QString &path, QFile *file)
{
    const QString name = QFileInfo(*file).fileName();
    QPointer<UnicodeKaEditor> editor = createEditor();
    if (!editor)
        return;
    const int index = addTab(newTabContent(editor), name);
    setCurrentIndex(count() - 1);
    editor->setFileName(path);
    setTabToolTip(index, path);
    loadFile(path, file, editor);
    file->close();
    setProgressBarVisibility(false);
    if (!editor)
        return;
    if (!editor->textCursor().atStart())
        editor->moveCursor(QTextCursor::Start);
    if (QFileInfo(editor->fileName()).isAbsolute()) {
        editor->setWorkingDirFromFile(path);
        m_fileWatcher->addPath(path);
    }
}

bool TabWidget::readInto(const QString &path, QFile *file, QTextDocument *doc, QString *error)
{
    QScopedPointer<FormatReader> reader;
    QTextCursor cursor(doc);
    const DocumentAdmission::Reading reading = DocumentAdmission::readingOf(file->fileName());
    if (reading == DocumentAdmission::AsDocument) {
        const QString type = path.mid(path.lastIndexOf(QLatin1Char('.')) + 1).toLower();
        reader.reset(FormatManager::createReader(file, type));
    } else if (reading == DocumentAdmission::AsHtml) {
        reader.reset(new html_reader);
    } else {
        reader.reset(new TxtReader);
        // Plain text shows in the palette's colours, whatever the style.
        QTextCharFormat format;
        const QPalette palette = QApplication::palette();
        format.setBackground(palette.color(QPalette::Base));
        format.setForeground(palette.color(QPalette::WindowText));
        cursor.setCharFormat(format);
    }
    reader->cursor = cursor;
    reader->readData(file);
    // Every line of a text ends in a line break, the last one too.
    if (reading == DocumentAdmission::AsText && !doc->lastBlock().text().isEmpty()) {
        reader->cursor.movePosition(QTextCursor::End);
        reader->cursor.insertBlock();
    }
    *error = reader->errorText;
    return error->isEmpty();
}

void TabWidget::loadFile(const QString &path, QFile *file, UnicodeKaEditor *target)
{
    QPointer<UnicodeKaEditor> editor = target;
    if (!editor)
        return;
    setProgressBarVisibility(true);
    const QString suffix = QFileInfo(*file).suffix();
    const bool brh = suffix.compare(QLatin1String("brh"), Qt::CaseInsensitive) == 0;

    // The document is read on its own, with no layout attached; the editor
    // then takes it over whole and lays it out lazily once shown.
    QScopedPointer<QTextDocument> read(new QTextDocument);
    read->setUndoRedoEnabled(false);
    // Its text is reckoned in the font it is shown in.
    read->setDefaultFont(editor->document()->defaultFont());
    QString error;
    bool ok = true;
    // What the user types meanwhile goes into the document once it is in,
    // after the warning below if there is one.
    const UserInputHold::Scope hold(m_inputHold);
    if (brh) {
        const int index = indexOf(editor->parentWidget());
        if (index >= 0)
            setTabText(index, nextUntitledName());
    }
    {
        const qint64 size = file->size();
        const LoadProgress progress(file, m_progressBar);
        ok = brh ? loadBrhFile(path, file, read.data(), &error) : readInto(path, file, read.data(), &error);
        // Another program may have cut the file short, or added to it,
        // while it was read: what was read is no longer the file.
        if (ok && file->size() != size) {
            ok = false;
            error = tr("It changed while it was read, from %1 to %2.")
                            .arg(DocumentFile::sizeText(size), DocumentFile::sizeText(file->size()));
        }
    }
    QString cut;
    if (!DocumentAdmission::cutBeforeLongParagraph(read.data(), &cut) && ok) {
        ok = false;
        error = cut;
    }
    if (!editor) {
        setProgressBarVisibility(false);
        return;
    }
    adoptInto(editor, read.take());

    if (brh || !ok) {
        // The text is not the file's: a save must not write over it.
        const int index = indexOf(editor->parentWidget());
        const QString name = brh ? tabText(index) : nextUntitledName();
        if (index >= 0) {
            setTabText(index, name);
            setTabToolTip(index, QString());
        }
        editor->setFileName(name);
    }
    setProgressBarVisibility(false);
    if (!ok) {
        QMessageBox::warning(this, QGuiApplication::applicationDisplayName(),
                             tr("%1 could not be read completely: %2\n\nWhat could be read is open as %3.")
                                     .arg(QDir::toNativeSeparators(path), error, editor->fileName()));
    }
}

void TabWidget::adoptInto(UnicodeKaEditor *editor, QTextDocument *document)
{
    {
        const QSignalBlocker editorBlock(editor);
        editor->adoptDocument(document);
    }
    showModifiedMark(editor->document(), this);
    if (editor == m_currentEditor)
        showWordCount();
}

bool TabWidget::loadBrhFile(const QString &path, QFile *file, QTextDocument *doc, QString *error)
{
    // A BRH file is text, with the text's budget, read as a text is; a line
    // too long to show is left out before it costs its conversion.
    QTextDocument source;
    source.setUndoRedoEnabled(false);
    bool ok = readInto(path, file, &source, error);
    QString cut;
    if (!DocumentAdmission::cutBeforeLongParagraph(&source, &cut) && ok) {
        ok = false;
        *error = cut;
    }
    // The lines, without the empty paragraph after the last line break.
    const int lines = source.blockCount() - (source.blockCount() > 1 && source.lastBlock().length() == 1 ? 1 : 0);
    QTextCursor cursor(doc);
    QTextBlock block = source.begin();
    insertConverted(cursor, lines, m_language, [&block] {
        const QString line = block.text();
        block = block.next();
        return line;
    });
    return ok;
}

void TabWidget::openStartupFiles(const QStringList &args)
{
    QSettings settings(settingsOrganization, settingsApplication);
    m_zoomController->setZoomLevel(settings.value(QStringLiteral("InputSettings/zoomLevel"), 0).toInt());
    settings.beginGroup(QStringLiteral("RecentFiles"));
    const int n = settings.childKeys().size();
    if (n > 0) {
        for (int i = n - 1; i >= 0; --i)
            addRecentFile(settings.value(QString::number(i)).toString());
        m_mainWindow->ui()->actionRecentFiles->setMenu(m_recentFilesMenu);
    }
    settings.endGroup();
    for (int i = 1; i < args.size(); ++i)
        openFile(args.at(i));
    if (count() == 0)
        slotNew();
    QTimer::singleShot(300, this, &TabWidget::slotLoadCompleter);
}

void TabWidget::slotCurrentChanged(int index)
{
    m_currentEditor = editorAtIndex(index);
    bindCompleter();
    if (!m_currentEditor)
        return;
    slotLanguageChanged(m_currentEditor->language());
    slotFontFamilyChanged(m_currentEditor->fontFamily());
    bindFindPanel();
    emit m_currentEditor->textChanged();
    emit m_currentEditor->cursorPositionChanged();
    // Keys typed next belong to the document in front. In a window that is
    // not active yet this only marks the editor, which then gets the focus
    // when the window does.
    m_currentEditor->setFocus();
    // The tab shown speaks for the status bar at once.
    showWordCount();
}

void TabWidget::onQuickBytesCharClicked(const QString &text)
{
    if (UnicodeKaEditor *editor = currentEditor())
        editor->insertTextAtCursor(text);
}

// --- Script conversion --------------------------------------------------

QString TabWidget::convertScript(const QString &text, int language, int keyboard)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    IndicTransliterator transliterator;
    QString result;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        result += convertLine(transliterator, line, language, keyboard);
        result += QLatin1Char('\n');
    }
    result.chop(1);
    QApplication::restoreOverrideCursor();
    return result;
}

QTextDocument *TabWidget::convertedDocument(const QString &text, int language)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    auto *doc = new QTextDocument;
    doc->setUndoRedoEnabled(false);
    QTextCursor cursor(doc);
    const QStringList lines = text.split(QLatin1Char('\n'));
    {
        const UserInputHold::Scope hold(m_inputHold);
        int next = 0;
        insertConverted(cursor, lines.size(), language, [&lines, &next] { return lines.at(next++); });
    }
    QApplication::restoreOverrideCursor();
    return doc;
}

void TabWidget::insertConverted(QTextCursor &cursor, int count, int language, const std::function<QString()> &nextLine)
{
    IndicTransliterator transliterator;
    QElapsedTimer slice;
    slice.start();
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            cursor.insertBlock();
        cursor.insertText(convertLine(transliterator, nextLine(), language, 0));
        if (slice.elapsed() >= conversionSliceMs) {
            QCoreApplication::processEvents();
            slice.restart();
        }
    }
}
