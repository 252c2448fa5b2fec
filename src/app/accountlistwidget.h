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
    // The item size that shows `rowWidget` whole: the viewport's width, and the widget's height
    // plus what the style's item padding takes from the item (at least 10 pixels), so that no
    // descender is cut off.
    QSize rowSizeHint(const QWidget *rowWidget);

signals:
    void rowsReordered();

protected:
    void dropEvent(QDropEvent *event) override;
    // The rows follow the list's width however it changes (window, splitter, scroll bar), so a
    // balance is never cut off at the right.
    bool viewportEvent(QEvent *event) override;
};
