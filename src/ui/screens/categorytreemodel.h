#pragma once

#include "data/category.h"

#include <QAbstractItemModel>
#include <QList>

#include <memory>
#include <vector>

// The categories as a tree under an invisible root. A category whose parent is missing (deleted,
// or never synced here) shows at the top level; siblings are in ascending id order.
class CategoryTreeModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    enum Column { NameColumn, TypeColumn, TaxCodeColumn, ColumnCount };

    explicit CategoryTreeModel(QObject *parent = nullptr);
    ~CategoryTreeModel() override;

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    void load(const QList<Category> &categories);
    // nullptr for an invalid index.
    const Category *category(const QModelIndex &index) const;
    QModelIndex indexOf(const QString &categoryId) const;

private:
    struct Node
    {
        Category category;
        Node *parent = nullptr;
        std::vector<Node *> children;
    };

    Node *nodeOf(const QModelIndex &index) const;
    int rowOf(const Node *node) const;

    Node m_root;
    // Owns every node; the tree links are plain pointers into it.
    std::vector<std::unique_ptr<Node>> m_nodes;
};
