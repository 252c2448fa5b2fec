#pragma once

#include "data/transaction.h"
#include "ui/screens/screenservices.h"

#include <QDate>
#include <QDialog>

class DateField;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class SmartAmountField;

// The modal form for one transaction outside the inline register. It stores nothing: the caller
// reads transaction() after the dialog was accepted and writes it.
class TransactionFormDialog : public QDialog
{
    Q_OBJECT

public:
    // Create mode for the account: the date starts on the one entered in the last accepted form.
    TransactionFormDialog(const ScreenServices &services, const QString &accountId,
                          QWidget *parent = nullptr);

    // Switches to edit mode on a copy of `transaction` (which names the account).
    void setTransaction(const Transaction &transaction);

    // The held copy with the entered values; amounts in minor units, negative for a payment.
    Transaction transaction() const;
    bool isEditMode() const { return m_editMode; }

    void accept() override;

    // The date of the last accepted form in this process; invalid until one was accepted.
    static QDate lastDate();
    static void resetLastDate();

public slots:
    // Fills amount, direction, memo and category from the account's newest transaction with the payee.
    void onPayeeSelected(const QString &payee);

private:
    QDate enteredDate() const;
    void loadCategories();
    void selectCategory(const QString &categoryId);
    void setAmount(Money amount);

    ScreenServices m_services;
    QString m_accountId;
    Transaction m_transaction;
    bool m_editMode = false;
    Currency m_currency = Currency::USD;

    QRadioButton *m_paymentRadio = nullptr;
    QRadioButton *m_depositRadio = nullptr;
    DateField *m_dateField = nullptr;
    QLineEdit *m_payeeEdit = nullptr;
    SmartAmountField *m_amountField = nullptr;
    QComboBox *m_categoryCombo = nullptr;
    QLineEdit *m_memoEdit = nullptr;
    QLineEdit *m_checkNumberEdit = nullptr;
    QCheckBox *m_clearedCheck = nullptr;
};
