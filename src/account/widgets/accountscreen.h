#pragma once

#include "account/accountrecords.h"
#include "account/authrecords.h"

#include <QDateTime>
#include <QWidget>

#include <functional>

class QLabel;
class QListWidget;
class QStackedWidget;
class QTimer;
class QVBoxLayout;

namespace CorvantisAccount {

class Client;

// The signed-in user's cloud account: profile, group and invitations, devices, password and
// sessions, and account deletion, one page each beside a navigation list. Every action reports
// through one status line.
class AccountScreen : public QWidget
{
    Q_OBJECT

public:
    // The navigation rows, in order.
    enum class Tab { Profile = 0, Group, Devices, Security, Privacy };
    Q_ENUM(Tab)

    // `client` is not owned and outlives the screen.
    explicit AccountScreen(Client *client, QWidget *parent = nullptr);

    // Selects the page and reloads it.
    void showTab(Tab tab);
    Tab currentTab() const;
    QString statusText() const;
    // Where "now" comes from for relative times (the system clock by default).
    void setClock(std::function<QDateTime()> now) { m_now = std::move(now); }

    // "Unknown", "Active now", "%1m ago", "%1h ago", "%1d ago", else the local date.
    static QString relativeTime(const QDateTime &time, const QDateTime &now);

public slots:
    void refreshProfile();
    void refreshGroup();
    void refreshDevices();
    void refreshSessions();

protected:
    void changeEvent(QEvent *event) override;

signals:
    // The cloud account is going away (scheduled for deletion); the window signs out.
    void logoutRequested();

private:
    struct Page
    {
        QVBoxLayout *layout = nullptr;
        QWidget *content = nullptr; // replaced on every refresh
        int generation = 0;         // answers of an older refresh are dropped
    };

    QWidget *createPage(Page *page, const QString &title, QWidget *fixedPart = nullptr);
    QWidget *createProfileTab();
    QWidget *createGroupTab();
    QWidget *createDevicesTab();
    QWidget *createSecurityTab();
    QWidget *createPrivacyTab();
    // A new empty content area for `page`, the old one deleted.
    QVBoxLayout *resetContent(Page *page);
    void applyNavigationStyle();
    void refreshCurrent();
    void refreshPrivacy();

    void fillGroup(const Group &group);
    void fillNoGroup(QVBoxLayout *layout);
    void addInviteButtons(QVBoxLayout *layout, QWidget *content);
    void editDisplayName();
    void joinWithCode();
    void removeMember(const GroupMember &member);
    void revokeInvitation(const GroupInvitation &invitation);
    void inviteByEmail();
    void generateInviteCode();
    void leaveGroup();
    void removeDevice(const Device &device);
    void changePassword();
    void revokeSession(const Session &session);
    void deleteAccount();

    bool isGroupOwner() const;
    void setStatus(const QString &text, bool success);
    QDateTime now() const { return m_now ? m_now() : QDateTime::currentDateTimeUtc(); }

    Client *m_client;
    QListWidget *m_navigation = nullptr;
    QStackedWidget *m_pages = nullptr;
    QLabel *m_status = nullptr;
    QTimer *m_statusClear = nullptr;
    Page m_profile;
    Page m_group;
    Page m_devices;
    Page m_sessions;
    Page m_privacy;
    QString m_displayName;
    std::function<QDateTime()> m_now;
};

} // namespace CorvantisAccount
