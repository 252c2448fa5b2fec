#pragma once

#include "data/recurringtransaction.h"
#include "ui/screens/screenservices.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QCompleter;
class QDateEdit;
class QDoubleSpinBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStringListModel;

// The form of one recurring schedule: new (the default), edit (setRecurring) or memorize
// (setSeed: filled from a register transaction, saved as a new schedule). After acceptance the
// caller reads recurring().
class RecurringFormDialog : public QDialog
{
    Q_OBJECT

public:
    explicit RecurringFormDialog(const ScreenServices &services, QWidget *parent = nullptr);
    ~RecurringFormDialog() override;

    void setRecurring(const RecurringTransaction &recurring);
    void setSeed(const RecurringTransaction &seed);
    bool isEditMode() const { return m_editMode; }

    // The schedule as the form now says. A create gets a new id and creation time; an edit whose
    // start date is untouched keeps its next due date; dates before 2000 fall back to today.
    RecurringTransaction recurring() const;

private:
    void fill(const RecurringTransaction &recurring);
    void onAccountChanged();
    void updateOkButton();
    void selectCategory(const QString &categoryId);
    QString selectedCategoryId() const;

    ScreenServices m_services;
    RecurringTransaction m_original;
    bool m_editMode = false;
    bool m_createdFromSeed = false;

    QComboBox *m_accountCombo;
    QRadioButton *m_paymentButton;
    QRadioButton *m_depositButton;
    QLineEdit *m_payeeEdit;
    QCompleter *m_payeeCompleter;
    QStringListModel *m_payeeModel;
    QDoubleSpinBox *m_amountSpin;
    QComboBox *m_categoryCombo;
    QLineEdit *m_memoEdit;
    QComboBox *m_frequencyCombo;
    QDateEdit *m_startDateEdit;
    QCheckBox *m_hasEndDateCheck;
    QDateEdit *m_endDateEdit;
    QCheckBox *m_autoPostCheck;
    QCheckBox *m_activeCheck;
    QPushButton *m_okButton = nullptr;
};
