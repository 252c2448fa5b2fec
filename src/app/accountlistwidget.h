#pragma once

#include <QListWidget>

// The account list of the main window. Rows are moved by drag and drop inside the list; after a
// move the new order is announced so that it can be stored.
class AccountListWidget : public QListWidget
{
    Q_OBJECT

public:
    explicit AccountListWidget(QWidget *parent = nullptr);

    // The account ids in list order.
    QStringList accountIds() const;

signals:
    void rowsReordered();

protected:
    void dropEvent(QDropEvent *event) override;
};
