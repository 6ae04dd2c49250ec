#ifndef YAVO_YVKEYBOARDMODEL_H
#define YAVO_YVKEYBOARDMODEL_H

#include "tutor/keyitem.h"

#include <QAbstractListModel>
#include <QString>

class IndicTransliterator;
class KeyboardModelPrivate;

// The keys of the tutor's on-screen keyboard: their Latin captions, what
// each types in the current script and layout, and the character the user
// is asked to type next.
class yvKeyboardModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum KeyRole {
        RomanCharRole = Qt::UserRole + 100,
        RomanUpperCharRole,
        IndicUCharRole,
        IndicLCharRole,
        RomanUpperChIsVisibleRole,
        IsShiftKeyRole,
        IsAlphaKeyRole,
        WidthFactorRole,
        IsSpecialKeyRole,
    };
    Q_ENUM(KeyRole)

    explicit yvKeyboardModel(QObject *parent = nullptr);
    ~yvKeyboardModel() override;

    // The tutor's keyboard, from the built-in layout.
    static yvKeyboardModel *createFromKeyLayout(QObject *parent = nullptr);
    // One row (1 to 4) of a full physical keyboard.
    static yvKeyboardModel *createFromKeyRow(int row, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    bool insertRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;
    bool removeRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QHash<int, QByteArray> roleNames() const override;

    void appendKey(const KeyItem &key);

    Q_INVOKABLE void onKeyPressed(QObject *event);
    Q_INVOKABLE QString getAskingChar() const;
    Q_INVOKABLE QString getAskingCharInIndic() const;
    Q_INVOKABLE void updateAskingChar();
    Q_INVOKABLE void setLanguage(int language);
    Q_INVOKABLE void setKeyboad(int keyboard);
    Q_INVOKABLE int getLanguage() const;
    Q_INVOKABLE int getKeyboad() const;
    Q_INVOKABLE QString getLanguageName() const;
    Q_INVOKABLE QString getKeyboadName() const;
    Q_INVOKABLE QString getWebsiteUrl() const;
    Q_INVOKABLE QString getEMailUrl() const;

signals:
    void keyPressed(QModelIndex index);
    // Row -1 and an empty text: the layout has no key on this keyboard to ask.
    void askingCharChanged(int index, QString ch, bool shift);
    void isReadyChanged(bool ready);

private:
    static yvKeyboardModel *createFromFile(const QString &path, QObject *parent);
    void switchEngine(void (IndicTransliterator::*set)(int), int value);

    KeyboardModelPrivate *d;
};

#endif
