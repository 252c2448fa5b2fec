#include "accountlistwidget.h"

#include <QDropEvent>
#include <QStyle>
#include <QStyleOptionViewItem>

#include <algorithm>

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

QSize AccountListWidget::rowSizeHint(const QWidget *rowWidget)
{
    // An item widget is laid into the item's text rectangle, which the style sheet's item padding
    // makes smaller than the item.
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = QRect(0, 0, 400, 400);
    const QRect inner = style()->subElementRect(QStyle::SE_ItemViewItemText, &option, this);
    const int inset = option.rect.height() - inner.height();
    return {viewport()->width(), rowWidget->sizeHint().height() + std::max(10, inset)};
}

bool AccountListWidget::viewportEvent(QEvent *event)
{
    if (event->type() != QEvent::Resize)
        return QListWidget::viewportEvent(event);
    const int width = viewport()->width();
    for (int row = 0; row < count(); ++row) {
        QListWidgetItem *listItem = item(row);
        if (listItem->sizeHint().width() != width)
            listItem->setSizeHint(QSize(width, listItem->sizeHint().height()));
    }
    return QListWidget::viewportEvent(event);
}

void AccountListWidget::dropEvent(QDropEvent *event)
{
    const QStringList before = accountIds();
    QListWidget::dropEvent(event);
    if (accountIds() != before)
        emit rowsReordered();
}
