#ifndef YAVO_GETUNICODETEXT_H
#define YAVO_GETUNICODETEXT_H

#include <QDialog>
#include <QString>

class GetUnicodeTextForm;

// Asks for one word, typed in an Indic language. Return in the field
// accepts like OK.
class GetUnicodeText : public QDialog
{
    Q_OBJECT

public:
    explicit GetUnicodeText(QWidget *parent = nullptr);
    GetUnicodeText(int language, int keyboard, QWidget *parent = nullptr);
    GetUnicodeText(int language, int keyboard, const QString &text, QWidget *parent = nullptr);
    ~GetUnicodeText() override;

    // As typed, not trimmed.
    QString text() const;
    void selectAll();
    void setKeyboard(int language, int keyboard);
    void setText(const QString &text);

private:
    GetUnicodeTextForm *ui;
};

#endif
