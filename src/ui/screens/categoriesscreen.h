#pragma once

#include <QWidget>

class AppState;
class CategoryTreeModel;
class QPushButton;
class QTreeView;

// The category tree, with creation, renaming and (soft) deletion of categories.
class CategoriesScreen : public QWidget
{
    Q_OBJECT

public:
    explicit CategoriesScreen(AppState *appState, QWidget *parent = nullptr);
    ~CategoriesScreen() override;

    void reload();
    CategoryTreeModel *model() const { return m_model; }
    QTreeView *view() const { return m_view; }

public slots:
    void onCreateCategory();
    void onEditCategory();
    void onDeleteCategory();
    void onContextMenu(const QPoint &position);

private:
    AppState *m_appState;
    CategoryTreeModel *m_model;
    QTreeView *m_view;
    QPushButton *m_newButton;
};
