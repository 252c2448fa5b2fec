#pragma once

#include "ui/screens/screenservices.h"

#include <QStringList>
#include <QWidget>

#include <optional>

class QLineEdit;
class QListWidget;
class QPushButton;

// Renames payees and merges several payees into one, across the transactions of every account.
class PayeeScreen : public QWidget
{
    Q_OBJECT

public:
    explicit PayeeScreen(const ScreenServices &services, QWidget *parent = nullptr);
    ~PayeeScreen() override;

    void reload();
    QListWidget *list() const { return m_list; }
    // Gives every live transaction paid to one of `oldNames` the payee `newName`; names equal to
    // `newName` are passed over. Returns the number of transactions changed.
    std::optional<int> renamePayees(const QStringList &oldNames, const QString &newName);

signals:
    void payeesChanged();

public slots:
    void onRename();
    void onMerge();

private:
    QStringList selectedPayees() const;

    ScreenServices m_services;
    QListWidget *m_list;
    QLineEdit *m_renameEdit;
    QPushButton *m_renameButton;
    QPushButton *m_mergeButton;
};
