#pragma once

#include "ui/screens/screenservices.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QTableView;
class QTimer;
class SearchResultsModel;

// Finds transactions across accounts by text (payee, memo, check number) narrowed by account,
// category, date range and cleared state. Typing is debounced: one search 300 ms after the last
// keystroke. The word being typed matches as a prefix, so results follow the typing.
class SearchScreen : public QWidget
{
    Q_OBJECT

public:
    explicit SearchScreen(const ScreenServices &services, QWidget *parent = nullptr);
    ~SearchScreen() override;

    // Refills the account and category filters; called before the window is shown.
    void refresh();
    // Focuses the query field with its text selected; called after the window is shown.
    void focusQuery();
    SearchResultsModel *model() const { return m_model; }
    // How many were found: "200 newest of N" when the search stopped at its limit.
    QString resultCountText() const;
    QTableView *view() const { return m_view; }

signals:
    void editTransactionRequested(const QString &transactionId);
    // After every search, with the number of rows found.
    void searchFinished(int resultCount);

public slots:
    void performSearch();

private:
    void onDateChanged();

    ScreenServices m_services;
    QLineEdit *m_queryEdit;
    QLabel *m_syntaxErrorLabel;
    QComboBox *m_accountCombo;
    QComboBox *m_categoryCombo;
    QCheckBox *m_dateRangeCheck;
    QDateEdit *m_fromEdit;
    QDateEdit *m_toEdit;
    QCheckBox *m_clearedCheck;
    SearchResultsModel *m_model;
    QTableView *m_view;
    QLabel *m_countLabel;
    QTimer *m_debounce;
    bool m_refilling = false;
};
