#pragma once

#include "ui/screens/screenservices.h"

#include <QPointer>
#include <QStringList>
#include <QStyledItemDelegate>

#include <optional>

struct Category;
class RegisterModel;
class QCompleter;
class QKeyEvent;
class QLineEdit;

// Creates, fills and reads the register's in-cell editors and paints the two-line layout. Key
// presses inside its editors are offered to the key handler (the register screen) first, so the
// register's shortcuts work while a cell is being edited.
class RegisterDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int oneLineHeight = 36;
    static constexpr int twoLineHeight = 52;

    explicit RegisterDelegate(const ScreenServices &services, QObject *parent = nullptr);

    void setAccountId(const QString &accountId);
    void setTwoLine(bool twoLine) { m_twoLine = twoLine; }
    bool isTwoLine() const { return m_twoLine; }
    // Sees every key press and shortcut override inside an editor before the editor does.
    void setKeyHandler(QObject *handler) { m_keyHandler = handler; }

    // Every payee used anywhere, then "[Transfer] <name>" for each other account.
    QStringList payeeList() const;
    // (text, id) of the category editor's items: an empty item first, then "Parent > Child" or
    // the own name when the parent is not in the list.
    static QList<QPair<QString, QString>> categoryItems(const QList<Category> &categories);

    // Fills the blank row's amount, category and (when none is typed) memo from the newest
    // transaction of this payee in the current account. `memoEdit`, when given, shows the filled
    // memo too.
    void autofillPayee(RegisterModel *model, const QString &payee, QLineEdit *memoEdit = nullptr) const;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    QWidget *createPayeeEditor(QWidget *parent, int row) const;
    void watchInnerEditor(QWidget *widget) const;
    void watchCompleterPopup(QCompleter *completer) const;
    // Puts the highlighted completion, or the best one offered, into the category editor.
    void takeCategoryCompletion(QCompleter *completer) const;
    // A printable key in the Clr editor: sets the flag it stands for, or nothing. True when handled.
    static bool setClearedFlag(QLineEdit *edit, const QKeyEvent *event);

    ScreenServices m_services;
    QString m_accountId;
    bool m_twoLine = false;
    QPointer<QObject> m_keyHandler;
    // The payee list costs a scan of every transaction; it is kept until a transaction or an
    // account changes.
    mutable std::optional<QStringList> m_payees;
};
