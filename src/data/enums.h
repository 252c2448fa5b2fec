#pragma once

#include <QString>

enum class AccountType { Checking, Savings, CreditCard, Cash, Investment, Other };
enum class Currency { USD, EUR, GBP, CAD, AUD, JPY };
enum class CategoryType { Income, Expense, Transfer };
enum class Frequency { Daily, Weekly, Biweekly, Monthly, Quarterly, SemiAnnual, Annual };
enum class SyncStatus { Pending, Synced, Conflict };

// Each from-text function maps unknown or empty text to the fallback (Other, USD, Expense,
// Monthly, Pending); each to-text function maps an out-of-range value to the fallback's text.
// Comparison is exact and case-sensitive: these are the stored and wire forms.
QString accountTypeToString(AccountType type);
AccountType accountTypeFromString(const QString &text);
QString currencyCode(Currency currency);
Currency currencyFromCode(const QString &code);
QString categoryTypeToString(CategoryType type);
CategoryType categoryTypeFromString(const QString &text);
QString frequencyToString(Frequency frequency);
Frequency frequencyFromString(const QString &text);
QString syncStatusToString(SyncStatus status);
SyncStatus syncStatusFromString(const QString &text);
