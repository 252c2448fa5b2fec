#pragma once

#include <QStringList>

#include <array>
#include <numeric>

// Outcome of one restore. The count arrays are indexed in table order: accounts, categories,
// transactions, split lines, recurring transactions, reconciliations. Skipped rows are rows the
// mode chose to keep as stored; refused rows failed for their own fault and are named in errors.
struct BackupImportResult
{
    static constexpr int tableCount = 6;

    std::array<int, tableCount> imported{};
    std::array<int, tableCount> skipped{};
    std::array<int, tableCount> refused{};
    QStringList errors;
    // The archive could not be restored at all (not a backup, or a storage error): nothing was
    // changed and errors holds the one reason.
    bool aborted = false;

    int importedTotal() const { return std::accumulate(imported.begin(), imported.end(), 0); }
    int skippedTotal() const { return std::accumulate(skipped.begin(), skipped.end(), 0); }
    int refusedTotal() const { return std::accumulate(refused.begin(), refused.end(), 0); }

    bool operator==(const BackupImportResult &) const = default;
};
