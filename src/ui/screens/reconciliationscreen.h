#pragma once

#include "data/money.h"
#include "data/transaction.h"
#include "ui/screens/screenservices.h"

#include <QList>
#include <QWidget>

class DateField;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

// Reconciles one account against a bank statement: the user ticks the unreconciled transactions
// that appear on the statement until the difference to the statement balance is zero, then
// finishes, which marks the ticked rows cleared and reconciled and stores a reconciliation row.
class ReconciliationScreen : public QWidget
{
    Q_OBJECT

public:
    explicit ReconciliationScreen(const ScreenServices &services, QWidget *parent = nullptr);

    void setAccount(const QString &accountId);

    // Minor units of the account's currency.
    Money previousBalance() const { return m_previousBalance; }
    Money difference() const;

signals:
    void reconciliationCompleted();
    void cancelled();

public slots:
    void onTransactionToggled(int row, bool ticked);
    void updateDifference();
    void finish();
    void addTransaction();
    void editSelectedTransaction();
    void deleteSelectedTransaction();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void reloadTable();
    void onItemChanged(QTableWidgetItem *item);
    void toggleCurrentRow();
    int selectedRow() const;
    Money statementBalance() const;
    Currency currency() const;
    QLabel *addSummaryRow(class QGridLayout *grid, int row, const QString &caption, bool muted, bool bold);

    ScreenServices m_services;
    QString m_accountId;
    Currency m_currency = Currency::USD;
    Money m_previousBalance = 0;
    QList<Transaction> m_transactions;
    QList<bool> m_ticked;
    bool m_filling = false;

    DateField *m_statementDateField = nullptr;
    QDoubleSpinBox *m_statementBalanceSpin = nullptr;
    QLabel *m_previousBalanceValue = nullptr;
    QLabel *m_clearedDepositsValue = nullptr;
    QLabel *m_clearedWithdrawalsValue = nullptr;
    QLabel *m_clearedBalanceValue = nullptr;
    QLabel *m_statementBalanceValue = nullptr;
    QLabel *m_differenceValue = nullptr;
    QPushButton *m_finishButton = nullptr;
    QTableWidget *m_table = nullptr;
};
