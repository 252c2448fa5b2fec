#include "appstate.h"

#include "data/database.h"
#include "data/datadirectory.h"

#include <QDebug>

#include <memory>

AppState::AppState(const QString &dataDirectory, QObject *parent)
    : QObject(parent)
    , m_dataDirectory(dataDirectory)
{
}

AppState::~AppState() = default;

bool AppState::initialize()
{
    // Held outside the object tree until it is usable, so a failure leaves nothing behind.
    auto database = std::make_unique<Database>();
    const QString path = databasePath(m_dataDirectory);
    qInfo().noquote() << "Opening database at:" << path;
    if (!database->open(path) || !database->runMigrations())
        return false;
    m_database = database.release();
    m_database->setParent(this);

    emit databaseReady();
    return true;
}
