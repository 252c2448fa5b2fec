#include "accountscreen.h"

#include "account/accountclient.h"
#include "account/authclient.h"
#include "account/client.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace CorvantisAccount {

namespace {

constexpr int statusLifetimeMs = 4000;
constexpr int userAgentShown = 60;

QLabel *sectionHeading(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setWeight(QFont::DemiBold);
    label->setFont(font);
    label->setContentsMargins(0, 8, 0, 0);
    return label;
}

QLabel *wrappedText(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel *smallerText(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    QFont font = label->font();
    font.setPointSizeF(qMax(1.0, font.pointSizeF() - 1));
    label->setFont(font);
    label->setForegroundRole(QPalette::PlaceholderText);
    return label;
}

QLabel *badge(const QString &text, const QString &colour, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("color: %1; font-weight: 500;").arg(colour));
    return label;
}

// One row of a list page: `lines` on the left, `trailing` widgets on the right.
QWidget *listRow(const QList<QWidget *> &lines, const QList<QWidget *> &trailing, QWidget *parent)
{
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 4, 0, 4);
    auto *text = new QVBoxLayout;
    text->setSpacing(2);
    for (QWidget *line : lines)
        text->addWidget(line);
    layout->addLayout(text, 1);
    for (QWidget *widget : trailing)
        layout->addWidget(widget, 0, Qt::AlignVCenter);
    return row;
}

} // namespace

AccountScreen::AccountScreen(Client *client, QWidget *parent)
    : QWidget(parent)
    , m_client(client)
{
    setWindowTitle(tr("Corvantis Account"));

    m_navigation = new QListWidget(this);
    m_navigation->setObjectName(QStringLiteral("accountNavigation"));
    m_navigation->setFixedWidth(180);
    m_navigation->addItems({tr("Profile"), tr("Group"), tr("Devices"), tr("Security"), tr("Data & Privacy")});
    applyNavigationStyle();

    m_pages = new QStackedWidget(this);
    m_pages->addWidget(createProfileTab());
    m_pages->addWidget(createGroupTab());
    m_pages->addWidget(createDevicesTab());
    m_pages->addWidget(createSecurityTab());
    m_pages->addWidget(createPrivacyTab());

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("accountStatusLabel"));
    m_status->setWordWrap(true);
    m_status->setTextFormat(Qt::PlainText);
    m_statusClear = new QTimer(this);
    m_statusClear->setSingleShot(true);
    m_statusClear->setInterval(statusLifetimeMs);
    connect(m_statusClear, &QTimer::timeout, m_status, [this] {
        m_status->clear();
        m_status->setStyleSheet({});
    });

    auto *right = new QVBoxLayout;
    right->setContentsMargins(20, 16, 20, 16);
    right->addWidget(m_pages, 1);
    right->addWidget(m_status);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_navigation);
    layout->addLayout(right, 1);

    connect(m_navigation, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0)
            return;
        m_pages->setCurrentIndex(row);
        refreshCurrent();
    });
    // A group change made here (join, leave) changes what the other pages show.
    connect(m_client->accountClient(), &AccountClient::groupChanged, this, [this] {
        refreshGroup();
        refreshPrivacy();
    });
    m_navigation->setCurrentRow(0);
}

void AccountScreen::applyNavigationStyle()
{
    const QPalette colours = palette();
    QColor hover = colours.color(QPalette::Highlight);
    hover.setAlpha(40);
    m_navigation->setStyleSheet(
        QStringLiteral("QListWidget {  background: %1; border: none; padding: 12px 8px;}"
                       "QListWidget::item {  padding: 8px 12px; border-radius: 6px;}"
                       "QListWidget::item:hover { background: %2; }"
                       "QListWidget::item:selected { background: %3; color: %4; }")
            .arg(colours.color(QPalette::AlternateBase).name(), hover.name(QColor::HexArgb),
                 colours.color(QPalette::Highlight).name(), colours.color(QPalette::HighlightedText).name()));
}

void AccountScreen::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && m_navigation)
        applyNavigationStyle();
}

void AccountScreen::showTab(Tab tab)
{
    const int row = static_cast<int>(tab);
    if (m_navigation->currentRow() == row)
        refreshCurrent();
    else
        m_navigation->setCurrentRow(row);
}

AccountScreen::Tab AccountScreen::currentTab() const
{
    return static_cast<Tab>(qMax(0, m_navigation->currentRow()));
}

QString AccountScreen::statusText() const
{
    return m_status->text();
}

void AccountScreen::refreshCurrent()
{
    switch (currentTab()) {
    case Tab::Profile:
        refreshProfile();
        break;
    case Tab::Group:
        refreshGroup();
        break;
    case Tab::Devices:
        refreshDevices();
        break;
    case Tab::Security:
        refreshSessions();
        break;
    case Tab::Privacy:
        refreshPrivacy();
        break;
    }
}

void AccountScreen::setStatus(const QString &text, bool success)
{
    m_status->setText(text);
    m_status->setStyleSheet(success ? QStringLiteral("color: #2E7D32; padding: 4px;")
                                    : QStringLiteral("color: #C62828; padding: 4px;"));
    m_statusClear->start();
}

bool AccountScreen::isGroupOwner() const
{
    return m_client->claims().role == QLatin1String("owner");
}

QString AccountScreen::relativeTime(const QDateTime &time, const QDateTime &now)
{
    if (!time.isValid())
        return tr("Unknown");
    const qint64 seconds = time.secsTo(now);
    if (seconds < 60)
        return tr("Active now");
    if (seconds < 3600)
        return tr("%1m ago").arg(seconds / 60);
    if (seconds < 24 * 3600)
        return tr("%1h ago").arg(seconds / 3600);
    if (seconds < 7 * 24 * 3600)
        return tr("%1d ago").arg(seconds / (24 * 3600));
    return QLocale().toString(time.toLocalTime().date(), QStringLiteral("MMM d, yyyy"));
}

QWidget *AccountScreen::createPage(Page *page, const QString &title, QWidget *fixedPart)
{
    auto *inner = new QWidget;
    page->layout = new QVBoxLayout(inner);
    page->layout->setContentsMargins(0, 0, 0, 0);
    page->layout->setSpacing(8);
    auto *heading = new QLabel(title, inner);
    QFont font = heading->font();
    font.setPointSizeF(font.pointSizeF() + 4);
    font.setWeight(QFont::DemiBold);
    heading->setFont(font);
    page->layout->addWidget(heading);
    if (fixedPart)
        page->layout->addWidget(fixedPart);
    page->content = new QWidget(inner);
    page->layout->addWidget(page->content);
    page->layout->addStretch(1);

    auto *scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(inner);
    return scroll;
}

QVBoxLayout *AccountScreen::resetContent(Page *page)
{
    const int index = page->layout->indexOf(page->content);
    QWidget *fresh = new QWidget;
    page->layout->insertWidget(index, fresh);
    // Later: a refresh can run from the clicked signal of a button inside the old content.
    page->layout->removeWidget(page->content);
    page->content->hide();
    page->content->deleteLater();
    page->content = fresh;
    auto *layout = new QVBoxLayout(fresh);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    ++page->generation;
    return layout;
}

// ---- Profile ----

QWidget *AccountScreen::createProfileTab()
{
    return createPage(&m_profile, tr("Profile"));
}

void AccountScreen::refreshProfile()
{
    resetContent(&m_profile);
    const int generation = m_profile.generation;
    QPointer<AccountScreen> guard(this);
    m_client->authClient()->fetchCurrentUser([this, guard, generation](const User &user) {
        if (!guard || generation != m_profile.generation)
            return;
        QVBoxLayout *layout = resetContent(&m_profile);
        QWidget *content = m_profile.content;
        if (user.id.isEmpty()) {
            layout->addWidget(wrappedText(tr("Could not load your profile."), content));
            return;
        }
        m_displayName = user.displayName;
        layout->addWidget(sectionHeading(tr("Personal Information"), content));
        auto *name = new QLabel(user.displayName.isEmpty() ? tr("(not set)") : user.displayName, content);
        name->setObjectName(QStringLiteral("profileDisplayName"));
        name->setTextFormat(Qt::PlainText);
        layout->addWidget(name);
        auto *email = smallerText(user.email, content);
        email->setObjectName(QStringLiteral("profileEmail"));
        layout->addWidget(email);
        auto *edit = new QPushButton(tr("Edit Display Name"), content);
        connect(edit, &QPushButton::clicked, this, &AccountScreen::editDisplayName);
        layout->addWidget(edit, 0, Qt::AlignLeft);
    });
}

void AccountScreen::editDisplayName()
{
    bool accepted = false;
    const QString answer = QInputDialog::getText(this, tr("Edit Display Name"), tr("Display name:"),
                                                 QLineEdit::Normal, m_displayName, &accepted)
                               .trimmed();
    if (!accepted || answer.isEmpty())
        return;
    QPointer<AccountScreen> guard(this);
    m_client->authClient()->updateProfile(answer, [this, guard](const User &user) {
        if (!guard)
            return;
        if (user.id.isEmpty()) {
            setStatus(tr("Failed to update profile."), false);
            return;
        }
        setStatus(tr("Display name updated."), true);
        refreshProfile();
    });
}

// ---- Group ----

QWidget *AccountScreen::createGroupTab()
{
    return createPage(&m_group, tr("Group"));
}

void AccountScreen::refreshGroup()
{
    resetContent(&m_group);
    const int generation = m_group.generation;
    QPointer<AccountScreen> guard(this);
    m_client->accountClient()->getGroup([this, guard, generation](const Group &group) {
        if (guard && generation == m_group.generation)
            fillGroup(group);
    });
}

void AccountScreen::fillNoGroup(QVBoxLayout *layout)
{
    QWidget *content = m_group.content;
    layout->addWidget(sectionHeading(tr("No Group"), content));
    layout->addWidget(wrappedText(tr("You're not part of a group. The group owner can invite you, or you can "
                                     "join with an invite code."),
                                  content));
    auto *join = new QPushButton(tr("Join with Invite Code"), content);
    connect(join, &QPushButton::clicked, this, &AccountScreen::joinWithCode);
    layout->addWidget(join, 0, Qt::AlignLeft);
    // Without this a household could never start a group from the app: the first invitation
    // creates it, owned by the one who invites.
    layout->addWidget(sectionHeading(tr("Start a Group"), content));
    layout->addWidget(wrappedText(
        tr("Invite the people you share your finances with; the group is created with you as its owner."),
        content));
    addInviteButtons(layout, content);
}

void AccountScreen::addInviteButtons(QVBoxLayout *layout, QWidget *content)
{
    auto *buttons = new QHBoxLayout;
    auto *byEmail = new QPushButton(tr("Invite by Email"), content);
    connect(byEmail, &QPushButton::clicked, this, &AccountScreen::inviteByEmail);
    auto *code = new QPushButton(tr("Generate Invite Code"), content);
    connect(code, &QPushButton::clicked, this, &AccountScreen::generateInviteCode);
    buttons->addWidget(byEmail);
    buttons->addWidget(code);
    buttons->addStretch(1);
    layout->addLayout(buttons);
}

void AccountScreen::fillGroup(const Group &group)
{
    QVBoxLayout *layout = resetContent(&m_group);
    QWidget *content = m_group.content;
    if (group.id.isEmpty()) {
        fillNoGroup(layout);
        return;
    }
    const bool owner = isGroupOwner();

    auto *name = sectionHeading(group.name, content);
    name->setTextFormat(Qt::PlainText);
    layout->addWidget(name);
    layout->addWidget(
        smallerText(tr("%1 of %2 seats used").arg(group.members.size()).arg(group.maxSeats), content));

    layout->addWidget(sectionHeading(tr("Members"), content));
    for (const GroupMember &member : group.members) {
        auto *memberName =
            new QLabel(member.displayName.isEmpty() ? member.email : member.displayName, content);
        memberName->setTextFormat(Qt::PlainText);
        QList<QWidget *> lines{memberName};
        if (!member.displayName.isEmpty())
            lines.append(smallerText(member.email, content));
        QList<QWidget *> trailing;
        if (member.role == QLatin1String("owner"))
            trailing.append(badge(tr("Owner"), QStringLiteral("#00897B"), content));
        else if (owner) {
            auto *remove = new QPushButton(tr("Remove"), content);
            connect(remove, &QPushButton::clicked, this, [this, member] { removeMember(member); });
            trailing.append(remove);
        }
        layout->addWidget(listRow(lines, trailing, content));
    }

    if (owner) {
        if (!group.pendingInvitations.isEmpty()) {
            layout->addWidget(sectionHeading(tr("Pending Invitations"), content));
            for (const GroupInvitation &invitation : group.pendingInvitations) {
                auto *email = new QLabel(invitation.invitedEmail.isEmpty() ? tr("Anyone with the code")
                                                                           : invitation.invitedEmail,
                                         content);
                email->setTextFormat(Qt::PlainText);
                auto *code = smallerText(tr("Invite code: %1").arg(invitation.inviteCode), content);
                code->setTextInteractionFlags(Qt::TextSelectableByMouse);
                auto *revoke = new QPushButton(tr("Revoke"), content);
                connect(revoke, &QPushButton::clicked, this,
                        [this, invitation] { revokeInvitation(invitation); });
                layout->addWidget(listRow({email, code}, {revoke}, content));
            }
        }
        layout->addWidget(sectionHeading(tr("Invite Members"), content));
        addInviteButtons(layout, content);
    } else {
        auto *leave = new QPushButton(tr("Leave Group"), content);
        connect(leave, &QPushButton::clicked, this, &AccountScreen::leaveGroup);
        layout->addSpacing(8);
        layout->addWidget(leave, 0, Qt::AlignLeft);
    }
}

void AccountScreen::joinWithCode()
{
    bool accepted = false;
    const QString code = QInputDialog::getText(this, tr("Join Group"), tr("Enter invite code:"),
                                               QLineEdit::Normal, {}, &accepted)
                             .trimmed();
    if (!accepted || code.isEmpty())
        return;
    QPointer<AccountScreen> guard(this);
    m_client->accountClient()->joinGroup(code, [this, guard](bool ok) {
        if (!guard)
            return;
        if (!ok) {
            setStatus(tr("Invalid or expired invite code."), false);
            return;
        }
        setStatus(tr("Joined group."), true);
        refreshGroup();
    });
}

void AccountScreen::removeMember(const GroupMember &member)
{
    const QString name = member.displayName.isEmpty() ? member.email : member.displayName;
    if (QMessageBox::question(this, tr("Remove Member"), tr("Remove %1 from the group?").arg(name),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    QPointer<AccountScreen> guard(this);
    m_client->accountClient()->removeMember(member.accountId, [this, guard, name](bool ok) {
        if (!guard)
            return;
        if (!ok) {
            setStatus(tr("Could not remove %1.").arg(name), false);
            return;
        }
        setStatus(tr("%1 removed.").arg(name), true);
        refreshGroup();
    });
}

void AccountScreen::revokeInvitation(const GroupInvitation &invitation)
{
    QPointer<AccountScreen> guard(this);
    m_client->accountClient()->revokeInvitation(invitation.id, [this, guard](bool ok) {
        if (!guard)
            return;
        if (!ok) {
            setStatus(tr("Could not revoke the invitation."), false);
            return;
        }
        setStatus(tr("Invitation revoked."), true);
        refreshGroup();
    });
}

void AccountScreen::inviteByEmail()
{
    bool accepted = false;
    const QString email = QInputDialog::getText(this, tr("Invite by Email"), tr("Email address:"),
                                                QLineEdit::Normal, {}, &accepted)
                              .trimmed();
    if (!accepted || email.isEmpty())
        return;
    QPointer<AccountScreen> guard(this);
    m_client->accountClient()->inviteByEmail(email, [this, guard](const GroupInvitation &invitation) {
        if (!guard)
            return;
        if (invitation.id.isEmpty()) {
            setStatus(tr("Failed to send invitation."), false);
            return;
        }
        setStatus(tr("Invitation sent."), true);
        refreshGroup();
    });
}

void AccountScreen::generateInviteCode()
{
    QPointer<AccountScreen> guard(this);
    m_client->accountClient()->generateInviteCode([this, guard](const GroupInvitation &invitation) {
        if (!guard)
            return;
        if (invitation.inviteCode.isEmpty()) {
            setStatus(tr("Failed to generate code."), false);
            return;
        }
        QMessageBox box(
            QMessageBox::Information, tr("Invite Code"),
            tr("Share this code with the person you want to invite:\n\n%1").arg(invitation.inviteCode),
            QMessageBox::Ok, this);
        box.setTextInteractionFlags(Qt::TextSelectableByMouse);
        box.exec();
        if (guard)
            refreshGroup();
    });
}

void AccountScreen::leaveGroup()
{
    if (QMessageBox::question(this, tr("Leave Group"),
                              tr("Leave this group? You will lose access to shared data."),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    QPointer<AccountScreen> guard(this);
    m_client->accountClient()->leaveGroup([this, guard](bool ok) {
        if (!guard)
            return;
        if (!ok) {
            setStatus(tr("Could not leave the group."), false);
            return;
        }
        setStatus(tr("Left group."), true);
        refreshGroup();
    });
}

// ---- Devices ----

QWidget *AccountScreen::createDevicesTab()
{
    auto *fixed = new QWidget;
    auto *layout = new QVBoxLayout(fixed);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(wrappedText(tr("Devices that have synced with your account."), fixed));
    layout->addWidget(sectionHeading(tr("Registered Devices"), fixed));
    return createPage(&m_devices, tr("Devices"), fixed);
}

void AccountScreen::refreshDevices()
{
    resetContent(&m_devices);
    const int generation = m_devices.generation;
    QPointer<AccountScreen> guard(this);
    m_client->accountClient()->getDevices([this, guard, generation](const QList<Device> &devices) {
        if (!guard || generation != m_devices.generation)
            return;
        QVBoxLayout *layout = resetContent(&m_devices);
        QWidget *content = m_devices.content;
        if (devices.isEmpty()) {
            layout->addWidget(wrappedText(tr("No devices registered."), content));
            return;
        }
        const QDateTime current = now();
        for (const Device &device : devices) {
            const QString name = device.deviceName.isEmpty() ? tr("Unknown Device") : device.deviceName;
            auto *title = new QLabel(QStringLiteral("<b>%1</b>").arg(name.toHtmlEscaped()), content);
            title->setTextFormat(Qt::RichText);
            const QStringList details{device.platform,
                                      device.appVersion.isEmpty() ? QString()
                                                                  : tr("Version %1").arg(device.appVersion),
                                      tr("Last sync: %1").arg(relativeTime(device.lastSyncAt, current))};
            QStringList shown;
            for (const QString &detail : details) {
                if (!detail.isEmpty())
                    shown.append(detail);
            }
            auto *remove = new QPushButton(tr("Remove"), content);
            connect(remove, &QPushButton::clicked, this, [this, device] { removeDevice(device); });
            layout->addWidget(listRow({title, smallerText(shown.join(QStringLiteral("  ·  ")), content)},
                                      {remove}, content));
        }
    });
}

void AccountScreen::removeDevice(const Device &device)
{
    const QString name = device.deviceName.isEmpty() ? tr("Unknown Device") : device.deviceName;
    if (QMessageBox::question(this, tr("Remove Device"), tr("Remove %1?").arg(name),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    QPointer<AccountScreen> guard(this);
    m_client->accountClient()->removeDevice(device.id, [this, guard](bool ok) {
        if (!guard)
            return;
        if (!ok) {
            setStatus(tr("Could not remove the device."), false);
            return;
        }
        setStatus(tr("Device removed."), true);
        refreshDevices();
    });
}

// ---- Security ----

QWidget *AccountScreen::createSecurityTab()
{
    auto *fixed = new QWidget;
    auto *layout = new QVBoxLayout(fixed);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(sectionHeading(tr("Password"), fixed));
    layout->addWidget(wrappedText(tr("Change your account password."), fixed));
    auto *change = new QPushButton(tr("Change Password"), fixed);
    connect(change, &QPushButton::clicked, this, &AccountScreen::changePassword);
    layout->addWidget(change, 0, Qt::AlignLeft);
    layout->addWidget(sectionHeading(tr("Active Sessions"), fixed));
    layout->addWidget(wrappedText(tr("Sessions currently signed in to your account."), fixed));
    return createPage(&m_sessions, tr("Security"), fixed);
}

void AccountScreen::changePassword()
{
    const QString title = tr("Change Password");
    bool accepted = false;
    const QString current =
        QInputDialog::getText(this, title, tr("Current password:"), QLineEdit::Password, {}, &accepted);
    if (!accepted)
        return;
    const QString fresh = QInputDialog::getText(this, title, tr("New password (min 8 characters):"),
                                                QLineEdit::Password, {}, &accepted);
    if (!accepted)
        return;
    if (fresh.size() < 8) {
        setStatus(tr("Password must be at least 8 characters."), false);
        return;
    }
    const QString confirmation =
        QInputDialog::getText(this, title, tr("Confirm new password:"), QLineEdit::Password, {}, &accepted);
    if (!accepted)
        return;
    if (confirmation != fresh) {
        setStatus(tr("Passwords do not match."), false);
        return;
    }
    QPointer<AccountScreen> guard(this);
    m_client->authClient()->changePassword(current, fresh, [this, guard](bool ok) {
        if (guard)
            setStatus(ok ? tr("Password changed.") : tr("Failed to change password."), ok);
    });
}

void AccountScreen::refreshSessions()
{
    resetContent(&m_sessions);
    const int generation = m_sessions.generation;
    QPointer<AccountScreen> guard(this);
    m_client->authClient()->listSessions([this, guard, generation](const QList<Session> &sessions) {
        if (!guard || generation != m_sessions.generation)
            return;
        QVBoxLayout *layout = resetContent(&m_sessions);
        QWidget *content = m_sessions.content;
        if (sessions.isEmpty()) {
            layout->addWidget(wrappedText(tr("No active sessions."), content));
            return;
        }
        const QDateTime current = now();
        for (const Session &session : sessions) {
            QString client = session.userAgent;
            if (client.isEmpty())
                client = tr("Unknown client");
            else if (client.size() > userAgentShown)
                client = client.left(userAgentShown) + QStringLiteral("...");
            QString detail =
                session.isCurrent ? tr("This session") : relativeTime(session.lastActiveAt, current);
            if (!session.ipAddress.isEmpty())
                detail += QStringLiteral("  ·  %1").arg(session.ipAddress);
            auto *clientLine = new QLabel(client, content);
            clientLine->setTextFormat(Qt::PlainText);
            QList<QWidget *> trailing;
            if (session.isCurrent) {
                trailing.append(badge(tr("Current"), QStringLiteral("#2E7D32"), content));
            } else {
                auto *revoke = new QPushButton(tr("Revoke"), content);
                connect(revoke, &QPushButton::clicked, this, [this, session] { revokeSession(session); });
                trailing.append(revoke);
            }
            layout->addWidget(listRow({clientLine, smallerText(detail, content)}, trailing, content));
        }
    });
}

void AccountScreen::revokeSession(const Session &session)
{
    m_client->authClient()->revokeSession(session.id);
    setStatus(tr("Session revoked."), true);
    refreshSessions();
}

// ---- Data & Privacy ----

QWidget *AccountScreen::createPrivacyTab()
{
    return createPage(&m_privacy, tr("Data & Privacy"));
}

void AccountScreen::refreshPrivacy()
{
    QVBoxLayout *layout = resetContent(&m_privacy);
    QWidget *content = m_privacy.content;
    layout->addWidget(sectionHeading(tr("Danger Zone"), content));
    layout->addWidget(
        wrappedText(tr("Permanently delete your account. This cannot be undone after 30 days."), content));
    auto *remove = new QPushButton(tr("Delete Account"), content);
    remove->setObjectName(QStringLiteral("deleteAccountButton"));
    remove->setStyleSheet(
        QStringLiteral("QPushButton { color: white; background: #C62828; border: none;  border-radius: 4px; "
                       "padding: 6px 16px; font-weight: 600; }"
                       "QPushButton:hover { background: #B71C1C; }"
                       "QPushButton:disabled { background: #666; }"));
    connect(remove, &QPushButton::clicked, this, &AccountScreen::deleteAccount);
    layout->addWidget(remove, 0, Qt::AlignLeft);
    if (isGroupOwner()) {
        remove->setEnabled(false);
        layout->addWidget(wrappedText(tr("You are the group owner. Transfer ownership or remove all members "
                                         "before deleting your account."),
                                      content));
    }
}

void AccountScreen::deleteAccount()
{
    bool accepted = false;
    const QString answer = QInputDialog::getText(this, tr("Delete Account"),
                                                 tr("This will schedule your account for permanent deletion "
                                                    "after 30 days.\n\nType DELETE to confirm:"),
                                                 QLineEdit::Normal, {}, &accepted);
    if (!accepted || answer != QLatin1String("DELETE"))
        return;
    QPointer<AccountScreen> guard(this);
    m_client->accountClient()->deleteAccount([this, guard](bool ok) {
        if (!guard)
            return;
        if (!ok) {
            setStatus(tr("Failed to delete account."), false);
            return;
        }
        QMessageBox::information(
            this, tr("Account Scheduled for Deletion"),
            tr("Your account will be permanently deleted in 30 days. You can recover it by signing "
               "in before then."));
        if (guard)
            emit logoutRequested();
    });
}

} // namespace CorvantisAccount
