#include "categorytreemodel.h"

#include "services/taxcategoryname.h"
#include "ui/widgets/registerstyle.h"

#include <QApplication>
#include <QBrush>
#include <QCollator>
#include <QFont>
#include <QMap>
#include <QPalette>
#include <QSet>

#include <algorithm>

namespace {

QString typeName(CategoryType type)
{
    switch (type) {
    case CategoryType::Income:
        return CategoryTreeModel::tr("Income");
    case CategoryType::Transfer:
        return CategoryTreeModel::tr("Transfer");
    case CategoryType::Expense:
        break;
    }
    return CategoryTreeModel::tr("Expense");
}

} // namespace

CategoryTreeModel::CategoryTreeModel(QObject *parent)
    : QAbstractItemModel(parent)
{}

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
    if (node->heading) {
        if (role == Qt::DisplayRole && index.column() == NameColumn)
            return typeName(category.type);
        if (role == Qt::FontRole) {
            QFont font;
            font.setWeight(QFont::Bold);
            return font;
        }
        if (role == Qt::ForegroundRole)
            return QBrush(QApplication::palette().color(QPalette::PlaceholderText));
        return {};
    }
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case NameColumn:
            return category.name;
        case TypeColumn:
            return typeName(category.type);
        case TaxCodeColumn:
            return category.isTaxRelevant ? taxCategoryName(category.taxCategory) : QString();
        default:
            return {};
        }
    }
    if (role == Qt::ToolTipRole && index.column() == TaxCodeColumn && category.isTaxRelevant)
        return category.taxCategory;
    if (role == Qt::FontRole && index.column() == NameColumn && !node->children.empty()) {
        QFont font;
        font.setWeight(QFont::Bold);
        return font;
    }
    if (role == Qt::ForegroundRole && index.column() == TypeColumn && category.type == CategoryType::Income)
        return QBrush(incomeTextColor());
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
        Node *parentNode = nullptr;
        // A category naming itself as parent would otherwise vanish from the tree in a loop.
        if (!parentId.isEmpty() && parentId != node->category.id && byId.contains(parentId))
            parentNode = byId.value(parentId);
        else
            parentNode = headingNode(node->category.type);
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
        Node *heading = headingNode(node->category.type);
        node->parent = heading;
        heading->children.push_back(node);
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

    // Income before expense before transfer; within each, names as a person sorts them.
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    const auto byName = [&collator](const Node *a, const Node *b) {
        const int order = collator.compare(a->category.name, b->category.name);
        return order != 0 ? order < 0 : a->category.id < b->category.id;
    };
    std::vector<Node *> sortStack{&m_root};
    while (!sortStack.empty()) {
        Node *node = sortStack.back();
        sortStack.pop_back();
        if (node != &m_root)
            std::stable_sort(node->children.begin(), node->children.end(), byName);
        for (Node *child : node->children)
            sortStack.push_back(child);
    }
    const auto headingRank = [](CategoryType type) {
        switch (type) {
        case CategoryType::Income:
            return 0;
        case CategoryType::Expense:
            return 1;
        case CategoryType::Transfer:
            break;
        }
        return 2;
    };
    std::stable_sort(m_root.children.begin(), m_root.children.end(),
                     [&headingRank](const Node *a, const Node *b) {
                         return headingRank(a->category.type) < headingRank(b->category.type);
                     });
    endResetModel();
}

CategoryTreeModel::Node *CategoryTreeModel::headingNode(CategoryType type)
{
    for (Node *heading : m_root.children) {
        if (heading->category.type == type)
            return heading;
    }
    auto node = std::make_unique<Node>();
    node->heading = true;
    node->category.type = type;
    node->parent = &m_root;
    Node *heading = node.get();
    m_nodes.push_back(std::move(node));
    m_root.children.push_back(heading);
    return heading;
}

const Category *CategoryTreeModel::category(const QModelIndex &index) const
{
    if (!index.isValid())
        return nullptr;
    const Node *node = nodeOf(index);
    return node->heading ? nullptr : &node->category;
}

QModelIndex CategoryTreeModel::indexOf(const QString &categoryId) const
{
    for (const auto &node : m_nodes) {
        if (!node->heading && node->category.id == categoryId && node->parent)
            return createIndex(rowOf(node.get()), 0, node.get());
    }
    return {};
}

bool CategoryTreeModel::isHeading(const QModelIndex &index) const
{
    return index.isValid() && nodeOf(index)->heading;
}

CategoryType CategoryTreeModel::headingType(const QModelIndex &index) const
{
    if (!index.isValid())
        return CategoryType::Expense;
    const Node *node = nodeOf(index);
    while (node->parent && node->parent != &m_root)
        node = node->parent;
    return node->category.type;
}

bool CategoryTreeModel::isTopLevelCategory(const QModelIndex &index) const
{
    return index.isValid() && !nodeOf(index)->heading && nodeOf(index)->parent->heading;
}

QModelIndex CategoryTreeModel::headingIndex(CategoryType type) const
{
    for (int row = 0; row < int(m_root.children.size()); ++row) {
        if (m_root.children[size_t(row)]->category.type == type)
            return createIndex(row, 0, m_root.children[size_t(row)]);
    }
    return {};
}
