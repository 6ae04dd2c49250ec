#ifndef YAVO_YVQUICKBYTESTOOLBAR_H
#define YAVO_YVQUICKBYTESTOOLBAR_H

#include <QList>
#include <QPair>
#include <QPointer>
#include <QString>
#include <QToolBar>

class QToolButton;

// The QuickBytes snippet bar: one button per "label=text" line of the user's
// QuickBytes file, and the text behind a label for the Space expansion of
// the editor and the input method. The bar does not watch the file; its
// owner calls updateToolbar() when the file changes.
class yvQuickBytesToolBar : public QToolBar
{
    Q_OBJECT

public:
    enum QB_Type {
        QB_Editor = 0,  // built-in entries first, entry buttons enabled
        QB_IME = 1      // the file's entries only, shown disabled
    };
    Q_ENUM(QB_Type)

    explicit yvQuickBytesToolBar(QB_Type type, QWidget *parent = nullptr);
    ~yvQuickBytesToolBar() override;

    // The entry's text with "{date}" and "{time}" filled in; "" for an
    // unknown label. A backslash-n pair is left for the inserting side.
    QString textFor(const QString &label) const;

    QToolButton *editButton() const;

public Q_SLOTS:
    void updateToolbar();

Q_SIGNALS:
    void charClicked(const QString &text);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private Q_SLOTS:
    void onEdit();

private:
    void addEntry(const QString &label, const QString &text);
    void readEntries(const QString &path);
    void removeButtons();
    void retranslate();

    QList<QPair<QString, QString>> m_entries;
    QPointer<QToolButton> m_editButton;
    QList<QToolButton *> m_buttons;
    QB_Type m_type;
};

using QB_Type = yvQuickBytesToolBar::QB_Type;

#endif
