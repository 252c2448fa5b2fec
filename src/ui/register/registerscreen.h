#pragma once

#include "data/recurringtransaction.h"
#include "ui/screens/screenservices.h"

#include <QString>
#include <QWidget>

class QKeyEvent;
class ElidedLabel;
class QLabel;
class QModelIndex;
class QPushButton;
class QTimer;
class RegisterDelegate;
class RegisterModel;
class RegisterTableView;
class TableColumnFitter;

// The register of the current account: loads its rows, turns keystrokes into field moves, and
// commits the row being edited as a new or changed transaction, both legs of a transfer included.
class RegisterScreen : public QWidget
{
    Q_OBJECT

public:
    explicit RegisterScreen(const ScreenServices &services, QWidget *parent = nullptr);
    ~RegisterScreen() override;

    void setAccount(const QString &accountId);
    QString accountId() const { return m_accountId; }
    // Nothing without an account. While a cell editor is open, or the screen itself is writing,
    // it waits and runs once (when the editor closes, or after the write).
    void reload();
    void focusNewEntryRow();
    void insertNewEntry();
    // Empties the blank row of what was typed into it; the cursor stays in the blank row.
    void discardNewEntry();
    void showHint(const QString &text, int timeoutMs);
    void toggleCleared(int row);
    void memorize();

    RegisterModel *model() const { return m_model; }
    RegisterTableView *view() const { return m_view; }
    TableColumnFitter *columnFitter() const { return m_columnFitter; }
    QString hintText() const;
    QString balanceText() const;

    // The Tab chain inside the two-line payee/memo editor; public so the view can defer to it.
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    void reconcileRequested();
    void errorMessage(const QString &message);
    // The transaction form and the recurring form open from here once they exist.
    void newTransactionRequested(const QString &accountId);
    void memorizeRequested(const RecurringTransaction &recurring);

public slots:
    void onContextMenu(const QPoint &position);
    void commitCurrentRow();
    void deleteCurrentRow();
    void copyFromAbove();
    void advanceToNextField();
    void advanceToPreviousField();
    // Writes the open editor and opens the next or previous visible field of the current row;
    // the index moved to, or an invalid one when there was none to move to.
    QModelIndex moveToField(bool forward);
    void startEditingRow(int row);
    void newTransactionDialog();

private:
    bool handleKeyPress(QKeyEvent *event);
    bool isRegisterShortcut(const QKeyEvent *event) const;
    void enterMove();
    void writeOpenEditor();
    void closeEditorWithoutWriting();
    void deleteRow(int row);
    int nextVisibleColumn(int column) const;
    int previousVisibleColumn(int column) const;
    void openEditorAt(const QModelIndex &index);
    void applyBalanceColor();

    ScreenServices m_services;
    QString m_accountId;
    RegisterModel *m_model;
    RegisterDelegate *m_delegate;
    RegisterTableView *m_view;
    TableColumnFitter *m_columnFitter = nullptr;
    ElidedLabel *m_nameLabel;
    QLabel *m_balanceLabel;
    QPushButton *m_reconcileButton;
    QLabel *m_subtitleLabel;
    QLabel *m_hintLabel;
    QTimer *m_hintTimer;
    bool m_reloadPending = false;
    bool m_writing = false; // reloads wait while the screen writes several rows
    bool m_balanceIsNegative = false;
};
