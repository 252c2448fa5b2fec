#pragma once

#include "data/enums.h"

#include <QHash>
#include <QObject>
#include <QString>

class CategoryRepository;

// Seeds the default category tree into a database without live categories. Default categories
// get name-based ids, so two devices seeding in the same language produce identical rows.
class CategoryService : public QObject
{
    Q_OBJECT

public:
    explicit CategoryService(CategoryRepository *categories, QObject *parent = nullptr);

    static constexpr int defaultCategoryCount = 56;

    // Seeds the defaults when there is no live category. True when it seeded.
    bool ensureDefaults();
    // Inserts the whole default set, restoring defaults the user deleted; a failing insert is
    // logged by the repository and skipped.
    void seedDefaults();

private:
    void seedCategory(const QString &name, CategoryType type, const QString &parentId, bool isTaxRelevant,
                      const QString &taxCategory);

    CategoryRepository *m_categories;
    // Only filled while seeding: parents are found by name just before their children.
    QHash<QString, QString> m_idsByName;
    QHash<QString, QString> m_namesById;
};
