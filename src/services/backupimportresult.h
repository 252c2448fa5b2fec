#pragma once

#include <QStringList>

#include <array>
#include <numeric>

// Outcome of one restore. Both count arrays are indexed in table order: accounts, categories,
// transactions, split lines, recurring transactions, reconciliations.
struct BackupImportResult
{
    static constexpr int tableCount = 6;

    std::array<int, tableCount> imported{};
    std::array<int, tableCount> skipped{};
    QStringList errors;

    int importedTotal() const { return std::accumulate(imported.begin(), imported.end(), 0); }
    int skippedTotal() const { return std::accumulate(skipped.begin(), skipped.end(), 0); }

    bool operator==(const BackupImportResult &) const = default;
};
