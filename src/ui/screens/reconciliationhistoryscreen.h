#pragma once

#include "ui/screens/screenservices.h"

#include <QWidget>

class QLabel;
class QTableWidget;

// The stored reconciliations of one account, newest statement first.
class ReconciliationHistoryScreen : public QWidget
{
    Q_OBJECT

public:
    explicit ReconciliationHistoryScreen(const ScreenServices &services, QWidget *parent = nullptr);

    // Stores the account and refills the screen from the database.
    void setAccount(const QString &accountId);

private:
    void reload();

    ScreenServices m_services;
    QString m_accountId;
    QLabel *m_header = nullptr;
    QTableWidget *m_table = nullptr;
    QLabel *m_emptyLabel = nullptr;
};
