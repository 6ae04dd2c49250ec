#ifndef YAVO_KALINEEDIT_H
#define YAVO_KALINEEDIT_H

#include <QLineEdit>
#include <QString>

class QCompleter;

// A plain line edit in which the user types Latin keys; every white space
// key converts the whole line into the chosen Indic script, then types the
// white space at its end. Text already converted passes through unchanged.
class KaLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit KaLineEdit(QWidget *parent = nullptr);
    ~KaLineEdit() override;

    QString text() const;

public Q_SLOTS:
    void setLanugage(int language);
    void setKeyboard(int keyboard);
    void setTyping(int typing);
    void slotTextEdited(const QString &text);
    void slotCursorPositionChanged(int oldPosition, int newPosition);

protected:
    void keyPressEvent(QKeyEvent *e) override;

private:
    // English (Indic input off) and Phonetic until told otherwise, so a
    // white space before setLanugage() leaves the line as typed.
    int m_language = 9;
    int m_keyboard = 0;
    int m_typing = 0;
    QString m_pendingKeys;
    bool m_clearedOnce = false;
    QCompleter *m_completer = nullptr;
};

#endif
