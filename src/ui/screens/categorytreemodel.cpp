#include "categorytreemodel.h"

#include <QColor>
#include <QFont>
#include <QMap>
#include <QSet>

#include <algorithm>

CategoryTreeModel::CategoryTreeModel(QObject *parent)
    : QAbstractItemModel(parent)
{
}

CategoryTreeModel::~CategoryTreeModel() = default;

CategoryTreeModel::Node *CategoryTreeModel::nodeOf(const QModelIndex &index) const
{
    return index.isValid() ? static_cast<Node *>(index.internalPointer()) : const_cast<Node *>(&m_root);
}

int CategoryTreeModel::rowOf(const Node *node) const
{
    const std::vector<Node *> &siblings = node->parent->children;
    return int(std::find(siblings.begin(), siblings.end(), node) - siblings.begin());
}

QModelIndex CategoryTreeModel::index(int row, int column, const QModelIndex &parent) const
{
    if (column < 0 || column >= ColumnCount || (parent.isValid() && parent.column() != 0))
        return {};
    const Node *parentNode = nodeOf(parent);
    if (row < 0 || row >= int(parentNode->children.size()))
        return {};
    return createIndex(row, column, parentNode->children[size_t(row)]);
}

QModelIndex CategoryTreeModel::parent(const QModelIndex &child) const
{
    if (!child.isValid())
        return {};
    const Node *node = nodeOf(child);
    if (!node->parent || node->parent == &m_root)
        return {};
    return createIndex(rowOf(node->parent), 0, node->parent);
}

int CategoryTreeModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() && parent.column() != 0)
        return 0;
    return int(nodeOf(parent)->children.size());
}

int CategoryTreeModel::columnCount(const QModelIndex &) const
{
    return ColumnCount;
}

QVariant CategoryTreeModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const Node *node = nodeOf(index);
    const Category &category = node->category;
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case NameColumn:
            return category.name;
        case TypeColumn:
            switch (category.type) {
            case CategoryType::Income:
                return tr("income");
            case CategoryType::Transfer:
                return tr("transfer");
            default:
                return tr("expense");
            }
        case TaxCodeColumn:
            return category.isTaxRelevant ? category.taxCategory : QString();
        default:
            return {};
        }
    }
    if (role == Qt::FontRole && index.column() == NameColumn && !node->children.empty()) {
        QFont font;
        font.setWeight(QFont::Bold);
        return font;
    }
    if (role == Qt::ForegroundRole && index.column() == TypeColumn && category.type == CategoryType::Income)
        return QColor(0, 136, 0);
    return {};
}

QVariant CategoryTreeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case NameColumn:
        return tr("Category");
    case TypeColumn:
        return tr("Type");
    case TaxCodeColumn:
        return tr("Tax Code");
    default:
        return {};
    }
}

void CategoryTreeModel::load(const QList<Category> &categories)
{
    beginResetModel();
    m_root.children.clear();
    m_nodes.clear();
    QMap<QString, Node *> byId;
    for (const Category &category : categories) {
        auto node = std::make_unique<Node>();
        node->category = category;
        byId.insert(category.id, node.get());
        m_nodes.push_back(std::move(node));
    }
    for (auto it = byId.cbegin(); it != byId.cend(); ++it) {
        Node *node = it.value();
        const QString &parentId = node->category.parentId;
        Node *parentNode = &m_root;
        // A category naming itself as parent would otherwise vanish from the tree in a loop.
        if (!parentId.isEmpty() && parentId != node->category.id && byId.contains(parentId))
            parentNode = byId.value(parentId);
        node->parent = parentNode;
        parentNode->children.push_back(node);
    }
    // Longer cycles (A under B under A) are not reachable from the root: lift them to the top.
    QSet<const Node *> reachable;
    std::vector<const Node *> stack{&m_root};
    while (!stack.empty()) {
        const Node *node = stack.back();
        stack.pop_back();
        for (const Node *child : node->children) {
            reachable.insert(child);
            stack.push_back(child);
        }
    }
    for (auto it = byId.cbegin(); it != byId.cend(); ++it) {
        Node *node = it.value();
        if (reachable.contains(node))
            continue;
        std::vector<Node *> &siblings = node->parent->children;
        siblings.erase(std::find(siblings.begin(), siblings.end(), node));
        node->parent = &m_root;
        m_root.children.push_back(node);
        // Its subtree becomes reachable through it.
        std::vector<const Node *> lifted{node};
        while (!lifted.empty()) {
            const Node *each = lifted.back();
            lifted.pop_back();
            reachable.insert(each);
            for (const Node *child : each->children) {
                if (!reachable.contains(child))
                    lifted.push_back(child);
            }
        }
    }
    endResetModel();
}

const Category *CategoryTreeModel::category(const QModelIndex &index) const
{
    return index.isValid() ? &nodeOf(index)->category : nullptr;
}

QModelIndex CategoryTreeModel::indexOf(const QString &categoryId) const
{
    for (const auto &node : m_nodes) {
        if (node->category.id == categoryId && node->parent)
            return createIndex(rowOf(node.get()), 0, node.get());
    }
    return {};
}
