#pragma once

#include <QWidget>

class CategoryRepository;
class CategoryService;
class CategoryTreeModel;
class QPushButton;
class QTreeView;

// The category tree, with creation, renaming and (soft) deletion of categories. Changes go through
// a CategoryService of its own over `categories`, so that each carries its sync bookkeeping.
class CategoriesScreen : public QWidget
{
    Q_OBJECT

public:
    explicit CategoriesScreen(CategoryRepository *categories, QWidget *parent = nullptr);
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
    CategoryRepository *m_categories;
    CategoryService *m_categoryService;
    CategoryTreeModel *m_model;
    QTreeView *m_view;
    QPushButton *m_newButton;
};
