#pragma once

#include "data/account.h"

#include <QDate>
#include <QDialog>

class QComboBox;
class QDateEdit;
class QDialogButtonBox;
class QDoubleSpinBox;
class QLineEdit;

// The modal form for creating or editing an account. It stores nothing: the caller reads
// account() (and, when creating, asOfDate() for the opening-balance transaction) after accept.
class AccountFormDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AccountFormDialog(QWidget *parent = nullptr);

    // Switches to edit mode on a copy of `account`; id and creation time are kept.
    void setAccount(const Account &account);

    // The held copy with the entered values, a fresh id and creation time in create mode, and
    // updated time now. The starting balance is in minor units of the chosen currency.
    Account account() const;
    QDate asOfDate() const;
    bool isEditMode() const { return m_editMode; }

private:
    void updateOkButton();
    void onCurrencyChanged();

    Account m_account;
    bool m_editMode = false;

    QLineEdit *m_nameEdit = nullptr;
    QComboBox *m_typeCombo = nullptr;
    QComboBox *m_currencyCombo = nullptr;
    QDoubleSpinBox *m_balanceSpin = nullptr;
    QDateEdit *m_asOfEdit = nullptr;
    QLineEdit *m_institutionEdit = nullptr;
    QLineEdit *m_numberEdit = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};
