#pragma once

#include "ui/screens/settingshost.h"

#include <QObject>

class AppState;

// The preferences window's view of the application: the language through Application, the cloud
// through AppState.
class AppSettingsHost : public QObject, public SettingsHost
{
    Q_OBJECT

public:
    explicit AppSettingsHost(AppState *state, QObject *parent = nullptr);

    QString language() const override;
    void setLanguage(const QString &code) override;
    CorvantisAccount::AuthClient *authClient() const override;
    SyncEngine *syncEngine() const override;
    bool isSignedIn() const override;
    QString serverOrigin() const override;
    QStringList endpointOverrides() const override;
    QString authBaseUrl() const override;
    bool serverOriginEndsSession(const QString &origin) const override;
    ServerChange setServerOrigin(const QString &origin) override;
    void watchCloud(std::function<void()> signInChanged, std::function<void()> clientReplaced) override;

private:
    AppState *m_state;
};
