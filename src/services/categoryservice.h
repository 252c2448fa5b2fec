#pragma once

#include "data/category.h"
#include "data/enums.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <optional>

class CategoryRepository;

// Seeds the default category tree into a database without live categories. Default categories
// get name-based ids, so two devices seeding in the same language produce identical rows. Also
// turns a category name typed by the user into a category.
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

    // The live category a typed text names, as the register shows categories: its own name or
    // "Parent > Child"; an unknown parent in front of a known name still finds the name. Exact
    // matches win over matches that ignore letter case. Nothing when no category fits.
    std::optional<Category> findByTypedName(const QString &text) const;
    // A new, unsaved category for a typed text that names none: "Parent > Child" under an existing
    // top-level Parent, otherwise the whole text at the top level.
    Category newCategoryFor(const QString &text, CategoryType type) const;

    // The categories screen and the command line change the tree through these, so that every
    // change carries its sync bookkeeping. `parentId` empty or a live top-level category (two
    // levels only). The stored category, or nothing when refused.
    std::optional<Category> addCategory(const QString &name, CategoryType type, const QString &parentId);
    // False when the category is not live or the database refused.
    bool renameCategory(const QString &id, const QString &name);
    // Transactions keep the id and read as uncategorized.
    bool deleteCategory(const QString &id);

private:
    void seedCategory(const QString &name, CategoryType type, const QString &parentId, bool isTaxRelevant,
                      const QString &taxCategory);

    CategoryRepository *m_categories;
    // Only filled while seeding: parents are found by name just before their children.
    QHash<QString, QString> m_idsByName;
    QHash<QString, QString> m_namesById;
};
