#include "categoryservice.h"

#include "data/category.h"
#include "data/categoryrepository.h"
#include "data/datetext.h"
#include "data/identifiers.h"
#include "data/syncstamp.h"

#include <QCoreApplication>
#include <QHash>

#include <optional>

namespace {

struct DefaultCategory
{
    const char *name;
    CategoryType type;
    const char *parent;      // nullptr for a top-level category
    const char *taxCategory; // nullptr when not tax-relevant
};

// Seeded in this order; a parent comes before its children, which find it by name.
constexpr DefaultCategory defaults[] = {
    {QT_TRANSLATE_NOOP("CategoryService", "Charitable Donations"), CategoryType::Expense, nullptr,
     "charitable_contributions"},
    {QT_TRANSLATE_NOOP("CategoryService", "Medical Expenses"), CategoryType::Expense, nullptr,
     "medical_dental"},
    {QT_TRANSLATE_NOOP("CategoryService", "Business Expenses"), CategoryType::Expense, nullptr,
     "business_expense"},
    {QT_TRANSLATE_NOOP("CategoryService", "Home Office"), CategoryType::Expense, "Business Expenses",
     "home_office"},
    {QT_TRANSLATE_NOOP("CategoryService", "Education Expenses"), CategoryType::Expense, nullptr, "education"},
    {QT_TRANSLATE_NOOP("CategoryService", "State & Local Taxes"), CategoryType::Expense, nullptr, "salt"},
    {QT_TRANSLATE_NOOP("CategoryService", "Mortgage Interest"), CategoryType::Expense, nullptr,
     "mortgage_interest"},
    {QT_TRANSLATE_NOOP("CategoryService", "Property Tax"), CategoryType::Expense, nullptr,
     "schedule_a_property_tax"},

    {QT_TRANSLATE_NOOP("CategoryService", "Housing"), CategoryType::Expense, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Rent/Mortgage Payment"), CategoryType::Expense, "Housing",
     nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Maintenance"), CategoryType::Expense, "Housing", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "HOA"), CategoryType::Expense, "Housing", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Utilities"), CategoryType::Expense, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Electric"), CategoryType::Expense, "Utilities", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Gas"), CategoryType::Expense, "Utilities", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Water"), CategoryType::Expense, "Utilities", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Internet"), CategoryType::Expense, "Utilities", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Phone"), CategoryType::Expense, "Utilities", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Transportation"), CategoryType::Expense, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Gas/Fuel"), CategoryType::Expense, "Transportation", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Car Payment"), CategoryType::Expense, "Transportation", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Auto Insurance"), CategoryType::Expense, "Transportation",
     nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Maintenance"), CategoryType::Expense, "Transportation", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Public Transit"), CategoryType::Expense, "Transportation",
     nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Groceries"), CategoryType::Expense, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Dining & Restaurants"), CategoryType::Expense, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Personal Care"), CategoryType::Expense, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Pets"), CategoryType::Expense, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Subscriptions"), CategoryType::Expense, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Gifts"), CategoryType::Expense, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Miscellaneous"), CategoryType::Expense, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Entertainment"), CategoryType::Expense, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Streaming"), CategoryType::Expense, "Entertainment", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Movies"), CategoryType::Expense, "Entertainment", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Events"), CategoryType::Expense, "Entertainment", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Shopping"), CategoryType::Expense, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Clothing"), CategoryType::Expense, "Shopping", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Electronics"), CategoryType::Expense, "Shopping", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Household"), CategoryType::Expense, "Shopping", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Insurance"), CategoryType::Expense, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Health"), CategoryType::Expense, "Insurance", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Life"), CategoryType::Expense, "Insurance", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Home/Renters"), CategoryType::Expense, "Insurance", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Auto"), CategoryType::Expense, "Insurance", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Fees & Charges"), CategoryType::Expense, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Bank Fees"), CategoryType::Expense, "Fees & Charges", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "ATM Fees"), CategoryType::Expense, "Fees & Charges", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Late Fees"), CategoryType::Expense, "Fees & Charges", nullptr},

    {QT_TRANSLATE_NOOP("CategoryService", "Salary / Wages"), CategoryType::Income, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Interest Income"), CategoryType::Income, nullptr,
     "interest_income"},
    {QT_TRANSLATE_NOOP("CategoryService", "Dividend Income"), CategoryType::Income, nullptr,
     "dividend_income"},
    {QT_TRANSLATE_NOOP("CategoryService", "Rental Income"), CategoryType::Income, nullptr, "rental_income"},
    {QT_TRANSLATE_NOOP("CategoryService", "Freelance / Consulting"), CategoryType::Income, nullptr,
     "self_employment"},
    {QT_TRANSLATE_NOOP("CategoryService", "Refunds"), CategoryType::Income, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Gifts Received"), CategoryType::Income, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Other Income"), CategoryType::Income, nullptr, nullptr},
};

static_assert(std::size(defaults) == CategoryService::defaultCategoryCount);

QString translated(const char *text)
{
    return QCoreApplication::translate("CategoryService", text);
}

} // namespace

CategoryService::CategoryService(CategoryRepository *categories, QObject *parent)
    : QObject(parent)
    , m_categories(categories)
{}

bool CategoryService::ensureDefaults()
{
    if (m_categories->countLive() > 0)
        return false;
    seedDefaults();
    return true;
}

void CategoryService::seedDefaults()
{
    m_idsByName.clear();
    m_namesById.clear();
    for (const DefaultCategory &entry : defaults) {
        const QString parentId = entry.parent ? m_idsByName.value(translated(entry.parent)) : QString();
        seedCategory(translated(entry.name), entry.type, parentId, entry.taxCategory != nullptr,
                     entry.taxCategory ? QString::fromLatin1(entry.taxCategory) : QString());
    }
    m_idsByName.clear();
    m_namesById.clear();
}

void CategoryService::seedCategory(const QString &name, CategoryType type, const QString &parentId,
                                   bool isTaxRelevant, const QString &taxCategory)
{
    const QString parentName = m_namesById.value(parentId);
    Category category;
    category.id = defaultCategoryId(type, parentName, name);
    category.name = name;
    category.type = type;
    category.parentId = parentId;
    category.isTaxRelevant = isTaxRelevant;
    category.taxCategory = taxCategory;
    category.isDefault = true;
    category.createdAt = category.updatedAt = currentTimestamp();
    // A default the user deleted has this very id already: bring that row back instead of
    // failing on the key, or deleting every category would leave none at the next start.
    const std::optional<Category> stored = m_categories->findById(category.id);
    if (stored && stored->deletedAt)
        m_categories->restore(category.id);
    else
        m_categories->insert(category);
    m_idsByName.insert(name, category.id);
    m_namesById.insert(category.id, name);
}

namespace {

const QString parentSeparator = QStringLiteral(" > ");

} // namespace

std::optional<Category> CategoryService::findByTypedName(const QString &text) const
{
    const QString wanted = text.trimmed();
    if (wanted.isEmpty())
        return std::nullopt;
    const QList<Category> categories = m_categories->all();
    QHash<QString, QString> namesById;
    for (const Category &category : categories)
        namesById.insert(category.id, category.name);
    const qsizetype separator = wanted.indexOf(parentSeparator);
    const QString ownName =
        separator >= 0 ? wanted.mid(separator + parentSeparator.size()).trimmed() : QString();
    for (const Qt::CaseSensitivity sensitivity : {Qt::CaseSensitive, Qt::CaseInsensitive}) {
        for (const Category &category : categories) {
            const QString parentName = namesById.value(category.parentId);
            const QString shown =
                parentName.isEmpty() ? category.name : parentName + parentSeparator + category.name;
            if (shown.compare(wanted, sensitivity) == 0 || category.name.compare(wanted, sensitivity) == 0)
                return category;
        }
        if (ownName.isEmpty())
            continue;
        for (const Category &category : categories) {
            if (category.name.compare(ownName, sensitivity) == 0)
                return category;
        }
    }
    return std::nullopt;
}

Category CategoryService::newCategoryFor(const QString &text, CategoryType type) const
{
    Category category;
    category.id = newId();
    category.type = type;
    category.name = text.trimmed();
    category.createdAt = category.updatedAt = currentTimestamp();
    const qsizetype separator = category.name.indexOf(parentSeparator);
    if (separator < 0)
        return category;
    const QString parentName = category.name.left(separator).trimmed();
    const QString ownName = category.name.mid(separator + parentSeparator.size()).trimmed();
    if (ownName.isEmpty())
        return category;
    // Two levels only: a parent must be a top-level category.
    for (const Category &candidate : m_categories->all()) {
        if (candidate.parentId.isEmpty() && candidate.name == parentName) {
            category.parentId = candidate.id;
            category.name = ownName;
            break;
        }
    }
    return category;
}

std::optional<Category> CategoryService::addCategory(const QString &name, CategoryType type,
                                                     const QString &parentId)
{
    if (name.trimmed().isEmpty())
        return std::nullopt;
    if (!parentId.isEmpty()) {
        const std::optional<Category> parent = m_categories->findById(parentId);
        if (!parent || parent->deletedAt || !parent->parentId.isEmpty())
            return std::nullopt;
    }
    Category category;
    category.id = newId();
    category.name = name.trimmed();
    category.type = type;
    category.parentId = parentId;
    SyncStamp::stampNew(category, currentTimestamp());
    if (!m_categories->insert(category))
        return std::nullopt;
    return category;
}

bool CategoryService::renameCategory(const QString &id, const QString &name)
{
    std::optional<Category> category = m_categories->findById(id);
    if (!category || category->deletedAt || name.trimmed().isEmpty())
        return false;
    category->name = name.trimmed();
    SyncStamp::stampChanged(*category, currentTimestamp());
    return m_categories->update(*category);
}

bool CategoryService::deleteCategory(const QString &id)
{
    const std::optional<Category> category = m_categories->findById(id);
    if (!category || category->deletedAt)
        return false;
    return m_categories->softDelete(id);
}
