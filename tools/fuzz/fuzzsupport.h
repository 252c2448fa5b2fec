#pragma once

#include "data/database.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <memory>

// What every fuzz target shares: the toolkit's application object (the SQL drivers are plugins
// found through it), a throw-away data directory, and an oracle that stops the run loudly.
namespace FuzzSupport {

inline void initializeApplication(int *argc, char ***argv)
{
    static QCoreApplication application(*argc, *argv);
}

inline QByteArray bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// A freshly migrated database kept for the whole run.
inline Database *database()
{
    static QTemporaryDir directory;
    static std::unique_ptr<Database> database = [] {
        auto opened = std::make_unique<Database>();
        if (!opened->open(directory.filePath(QStringLiteral("fuzz.db"))) || !opened->runMigrations())
            std::abort();
        return opened;
    }();
    return database.get();
}

// A broken promise found by the fuzzer: abort so that libFuzzer keeps the input.
inline void check(bool holds)
{
    if (!holds)
        std::abort();
}

} // namespace FuzzSupport
