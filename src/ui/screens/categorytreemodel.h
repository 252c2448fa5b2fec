#pragma once

#include "data/category.h"

#include <QAbstractItemModel>
#include <QList>

#include <memory>
#include <vector>

// The categories as a tree under one heading per type ("Income", then "Expense", and "Transfer"
// when there are such categories), headings that hold no category of their own. A top-level
// category sits under the heading of its type, a sub-category under its parent whatever its own
// type; a category whose parent is missing (deleted, or never synced here) shows at the top of its
// heading. Siblings are sorted by name as people read them (case and accents aside).
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
    // nullptr for an invalid index and for a heading.
    const Category *category(const QModelIndex &index) const;
    QModelIndex indexOf(const QString &categoryId) const;
    bool isHeading(const QModelIndex &index) const;
    // The heading a row sits under (the row itself for a heading): its type decides the type of a
    // category created there. Expense for an invalid index.
    CategoryType headingType(const QModelIndex &index) const;
    // A category directly under its heading.
    bool isTopLevelCategory(const QModelIndex &index) const;
    QModelIndex headingIndex(CategoryType type) const;

private:
    struct Node
    {
        Category category;
        Node *parent = nullptr;
        std::vector<Node *> children;
        bool heading = false; // category.type is the heading's type
    };

    Node *nodeOf(const QModelIndex &index) const;
    int rowOf(const Node *node) const;
    Node *headingNode(CategoryType type);

    Node m_root;
    // Owns every node, headings included; the tree links are plain pointers into it.
    std::vector<std::unique_ptr<Node>> m_nodes;
};
