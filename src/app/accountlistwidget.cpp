#include "accountlistwidget.h"

#include <QDropEvent>

AccountListWidget::AccountListWidget(QWidget *parent)
    : QListWidget(parent)
{
    setDragDropMode(QAbstractItemView::InternalMove);
    setDefaultDropAction(Qt::MoveAction);
}

QStringList AccountListWidget::accountIds() const
{
    QStringList ids;
    ids.reserve(count());
    for (int row = 0; row < count(); ++row)
        ids.append(item(row)->data(Qt::UserRole).toString());
    return ids;
}

void AccountListWidget::dropEvent(QDropEvent *event)
{
    const QStringList before = accountIds();
    QListWidget::dropEvent(event);
    if (accountIds() != before)
        emit rowsReordered();
}
