#pragma once

#include "services/core.h"
#include "support/testdatabase.h"

#include <memory>

// A freshly migrated database in its own temporary directory with every repository and service on
// it, wired as the app and the command line wire them (default categories included). The clock is
// the test's own when it gives one.
class TestCore
{
public:
    explicit TestCore(Core::Clock clock = {})
    {
        if (m_database.isReady())
            m_core = std::make_unique<Core>(m_database.database(), nullptr, std::move(clock));
    }

    bool isReady() const { return m_core != nullptr; }
    Core *core() const { return m_core.get(); }
    Core *operator->() const { return m_core.get(); }
    // For arranging rows directly and reading single values back.
    TestDatabase &database() { return m_database; }

private:
    TestDatabase m_database;
    std::unique_ptr<Core> m_core;
};
