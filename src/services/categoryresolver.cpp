#include "categoryresolver.h"

#include "data/category.h"
#include "data/categoryrepository.h"
#include "data/datetext.h"
#include "data/identifiers.h"

#include <QStringList>

CategoryResolver::CategoryResolver(CategoryRepository *repository)
    : m_repository(repository)
{
    const QList<Category> categories = repository->all();
    for (const Category &category : categories) {
        if (category.parentId.isEmpty()) {
            m_topLevel.insert(category.name, {category.id, category.type});
            m_byName.insert(category.name, category.id);
        }
    }
    for (const Category &category : categories) {
        if (category.parentId.isEmpty())
            continue;
        m_children.insert(childKey(category.parentId, category.name), category.id);
        if (!m_byName.contains(category.name))
            m_byName.insert(category.name, category.id);
    }
}

QString CategoryResolver::childKey(const QString &parentId, const QString &name)
{
    return parentId + QChar(0x1F) + name;
}

QString CategoryResolver::idFor(const QString &text, CategoryType typeWhenNew)
{
    if (text.isEmpty())
        return {};
    const auto known = m_resolved.constFind(text);
    if (known != m_resolved.cend())
        return known.value();
    const QString id = resolve(text, typeWhenNew);
    if (!id.isEmpty())
        m_resolved.insert(text, id);
    return id;
}

QString CategoryResolver::resolve(const QString &text, CategoryType typeWhenNew)
{
    QStringList parts = text.split(QLatin1Char(':'));
    for (QString &part : parts)
        part = part.trimmed();
    parts.removeAll(QString());
    if (parts.isEmpty())
        return {};
    if (parts.size() == 1) {
        const QString &name = parts.first();
        const QString existing = m_byName.value(name);
        if (!existing.isEmpty())
            return existing;
        const std::optional<Node> created = create(name, typeWhenNew, QString());
        return created ? created->id : QString();
    }

    // The tree has two levels: whatever follows the first separator names the child.
    const QString &parentName = parts.first();
    const QString childName = parts.mid(1).join(QLatin1Char(':'));
    std::optional<Node> parent;
    const auto topLevel = m_topLevel.constFind(parentName);
    if (topLevel != m_topLevel.cend())
        parent = topLevel.value();
    else
        parent = create(parentName, typeWhenNew, QString());
    if (!parent)
        return {};
    const QString existing = m_children.value(childKey(parent->id, childName));
    if (!existing.isEmpty())
        return existing;
    const std::optional<Node> child = create(childName, parent->type, parent->id);
    return child ? child->id : QString();
}

std::optional<CategoryResolver::Node> CategoryResolver::create(const QString &name, CategoryType type,
                                                               const QString &parentId)
{
    Category category;
    category.id = newId();
    category.name = name;
    category.type = type;
    category.parentId = parentId;
    category.createdAt = currentTimestamp();
    category.updatedAt = category.createdAt;
    if (!m_repository->insert(category)) {
        if (m_failedName.isEmpty())
            m_failedName = name;
        return std::nullopt;
    }
    const Node node{category.id, type};
    if (parentId.isEmpty()) {
        m_topLevel.insert(name, node);
        m_byName.insert(name, category.id);
    } else {
        m_children.insert(childKey(parentId, name), category.id);
        if (!m_byName.contains(name))
            m_byName.insert(name, category.id);
    }
    return node;
}
