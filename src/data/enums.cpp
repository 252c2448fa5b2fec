#include "enums.h"

#include <array>
#include <utility>

namespace {

template<typename Enum, std::size_t N>
QString toText(const std::array<std::pair<Enum, const char *>, N> &table, Enum value, Enum fallback)
{
    for (const auto &[candidate, text] : table) {
        if (candidate == value)
            return QString::fromLatin1(text);
    }
    for (const auto &[candidate, text] : table) {
        if (candidate == fallback)
            return QString::fromLatin1(text);
    }
    return {};
}

template<typename Enum, std::size_t N>
Enum fromText(const std::array<std::pair<Enum, const char *>, N> &table, const QString &text, Enum fallback)
{
    for (const auto &[candidate, stored] : table) {
        if (text == QLatin1String(stored))
            return candidate;
    }
    return fallback;
}

constexpr std::array<std::pair<AccountType, const char *>, 6> accountTypes{{
    {AccountType::Checking, "checking"},
    {AccountType::Savings, "savings"},
    {AccountType::CreditCard, "credit_card"},
    {AccountType::Cash, "cash"},
    {AccountType::Investment, "investment"},
    {AccountType::Other, "other"},
}};

constexpr std::array<std::pair<Currency, const char *>, 6> currencies{{
    {Currency::USD, "USD"},
    {Currency::EUR, "EUR"},
    {Currency::GBP, "GBP"},
    {Currency::CAD, "CAD"},
    {Currency::AUD, "AUD"},
    {Currency::JPY, "JPY"},
}};

constexpr std::array<std::pair<CategoryType, const char *>, 3> categoryTypes{{
    {CategoryType::Income, "income"},
    {CategoryType::Expense, "expense"},
    {CategoryType::Transfer, "transfer"},
}};

constexpr std::array<std::pair<Frequency, const char *>, 7> frequencies{{
    {Frequency::Daily, "daily"},
    {Frequency::Weekly, "weekly"},
    {Frequency::Biweekly, "biweekly"},
    {Frequency::Monthly, "monthly"},
    {Frequency::Quarterly, "quarterly"},
    {Frequency::SemiAnnual, "semi_annual"},
    {Frequency::Annual, "annual"},
}};

constexpr std::array<std::pair<SyncStatus, const char *>, 3> syncStatuses{{
    {SyncStatus::Pending, "pending"},
    {SyncStatus::Synced, "synced"},
    {SyncStatus::Conflict, "conflict"},
}};

} // namespace

QString accountTypeToString(AccountType type)
{
    return toText(accountTypes, type, AccountType::Other);
}

AccountType accountTypeFromString(const QString &text)
{
    return fromText(accountTypes, text, AccountType::Other);
}

QString currencyCode(Currency currency)
{
    return toText(currencies, currency, Currency::USD);
}

Currency currencyFromCode(const QString &code)
{
    return fromText(currencies, code, Currency::USD);
}

QString categoryTypeToString(CategoryType type)
{
    return toText(categoryTypes, type, CategoryType::Expense);
}

CategoryType categoryTypeFromString(const QString &text)
{
    return fromText(categoryTypes, text, CategoryType::Expense);
}

QString frequencyToString(Frequency frequency)
{
    return toText(frequencies, frequency, Frequency::Monthly);
}

Frequency frequencyFromString(const QString &text)
{
    return fromText(frequencies, text, Frequency::Monthly);
}

QString syncStatusToString(SyncStatus status)
{
    return toText(syncStatuses, status, SyncStatus::Pending);
}

SyncStatus syncStatusFromString(const QString &text)
{
    return fromText(syncStatuses, text, SyncStatus::Pending);
}
