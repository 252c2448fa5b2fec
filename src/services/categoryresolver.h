#pragma once

#include "data/enums.h"

#include <QHash>
#include <QString>

#include <optional>

class CategoryRepository;

// Turns the category texts of import files into category ids, creating the categories that are
// missing. A text "Parent:Child" names a subcategory, as Quicken writes them: it is resolved
// against the two-level tree (the child of that parent), so that an import files its rows under
// the same category the register uses instead of beside it. Each distinct text is resolved once
// per resolver, which keeps a large import at one hash lookup a row.
class CategoryResolver
{
public:
    // Reads every live category once.
    explicit CategoryResolver(CategoryRepository *repository);

    // Empty for a blank text, and when a needed insert fails; then failedName() tells which, and
    // the import must stop: creating a category is never a row's own fault.
    // `typeWhenNew` is the type of a category created for a plain name or of a created parent;
    // a created child takes its parent's type, so a subcategory never differs from its parent.
    QString idFor(const QString &text, CategoryType typeWhenNew = CategoryType::Expense);

    // The first category name whose insert failed; empty while every insert succeeded.
    QString failedName() const { return m_failedName; }

private:
    struct Node
    {
        QString id;
        CategoryType type = CategoryType::Expense;
    };

    QString resolve(const QString &text, CategoryType typeWhenNew);
    std::optional<Node> create(const QString &name, CategoryType type, const QString &parentId);
    static QString childKey(const QString &parentId, const QString &name);

    CategoryRepository *m_repository;
    QHash<QString, QString> m_byName;   // any level; a top-level one wins over a child
    QHash<QString, Node> m_topLevel;    // top-level name to category
    QHash<QString, QString> m_children; // childKey(parent id, name) to id
    QHash<QString, QString> m_resolved; // import text to id, filled on first use
    QString m_failedName;
};
