#pragma once

#include "ui/screens/screenservices.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QTableView;
class RecurringModel;

// Lists every recurring schedule with its next due date, highlights the due ones, and confirms,
// skips, edits, deletes or creates them. Posting and skipping are the recurring service's work.
class RecurringScreen : public QWidget
{
    Q_OBJECT

public:
    explicit RecurringScreen(const ScreenServices &services, QWidget *parent = nullptr);
    ~RecurringScreen() override;

    void reload();
    RecurringModel *model() const { return m_model; }
    QTableView *view() const { return m_view; }
    QString dueCountText() const;

signals:
    // Something was posted: the register and the account balances are out of date.
    void transactionsChanged();

public slots:
    void onContextMenu(const QPoint &position);
    void showNewForm();
    void showEditForm(int row);
    void confirmSelected();
    void skipSelected();
    void deleteSelected();
    void confirmAllDue();

private:
    void confirmRow(int row);
    void skipRow(int row);
    void deleteRow(int row);

    ScreenServices m_services;
    RecurringModel *m_model;
    QTableView *m_view;
    QLabel *m_dueLabel;
    QPushButton *m_confirmAllButton;
    QPushButton *m_newButton;
};
