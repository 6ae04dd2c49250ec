#ifndef YAVO_ANSIKAEDITOR_H
#define YAVO_ANSIKAEDITOR_H

#include <QString>
#include <QTextEdit>

class QCompleter;
class QStringListModel;

// A rich-text editor for Kannada typed as phonetic Latin text, with an
// English word completer. Whenever a key opens the completion popup, and
// whenever a completion is accepted, every word of the current line is
// converted to Unicode Kannada and the growing conversion is reported
// through wordAdded().
class AnsiKaEditor : public QTextEdit
{
    Q_OBJECT

public:
    AnsiKaEditor();
    ~AnsiKaEditor() override;

Q_SIGNALS:
    void wordAdded(const QString &unikodeWord);

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;

private Q_SLOTS:
    void insertCompletion(const QString &completion);

private:
    QString textUnderCursor() const;
    QString lineUnderCursor() const;
    QStringListModel *loadWordList(const QString &path);
    void captureLine();

    QCompleter *m_completer;
    QString m_capturedText;
};

#endif
