#include "sharemembersdialog.h"

#include "account/accountclient.h"
#include "account/client.h"
#include "account/sharingbackend.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace CorvantisAccount {

namespace {

QString orDefault(const QString &text, const QString &fallback)
{
    return text.isEmpty() ? fallback : text;
}

QListWidgetItem *placeholderRow(const QString &text, QListWidget *list)
{
    auto *item = new QListWidgetItem(text, list);
    item->setFlags(Qt::NoItemFlags);
    item->setForeground(QColor(QStringLiteral("#888888")));
    return item;
}

} // namespace

ShareMembersDialog::ShareMembersDialog(Client *client, SharingBackend *backend, const QString &accountId,
                                       const ShareDialogTexts &texts, QWidget *parent)
    : QDialog(parent)
    , m_client(client)
    , m_backend(backend)
    , m_accountId(accountId)
    , m_texts(texts)
{
    setWindowTitle(texts.windowTitle);
    setMinimumSize(520, 520);
    resize(560, 560);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(12);

    if (!texts.heading.isEmpty()) {
        auto *heading = new QLabel(texts.heading, this);
        heading->setTextFormat(Qt::PlainText);
        QFont font = heading->font();
        font.setPointSizeF(font.pointSizeF() + 1);
        font.setWeight(QFont::Medium);
        heading->setFont(font);
        layout->addWidget(heading);
    }
    if (!texts.description.isEmpty()) {
        auto *description = new QLabel(texts.description, this);
        description->setWordWrap(true);
        description->setTextFormat(Qt::PlainText);
        description->setForegroundRole(QPalette::PlaceholderText);
        layout->addWidget(description);
    }
    layout->addSpacing(4);

    m_addRow = new QWidget(this);
    auto *addLayout = new QHBoxLayout(m_addRow);
    addLayout->setContentsMargins(0, 0, 0, 0);
    m_memberChooser = new QComboBox(m_addRow);
    m_memberChooser->setObjectName(QStringLiteral("shareMemberChooser"));
    m_memberChooser->setMinimumWidth(280);
    m_memberChooser->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_shareButton = new QPushButton(texts.shareButton, m_addRow);
    m_shareButton->setObjectName(QStringLiteral("shareButton"));
    addLayout->addWidget(m_memberChooser, 1);
    addLayout->addWidget(m_shareButton);
    layout->addWidget(m_addRow);

    m_noGroupNotice = new QLabel(texts.noGroupNotice, this);
    m_noGroupNotice->setObjectName(QStringLiteral("shareNoGroupNotice"));
    m_noGroupNotice->setWordWrap(true);
    m_noGroupNotice->setTextFormat(Qt::PlainText);
    m_noGroupNotice->hide();
    layout->addWidget(m_noGroupNotice);

    layout->addWidget(new QLabel(texts.listCaption, this));
    m_shareList = new QListWidget(this);
    m_shareList->setObjectName(QStringLiteral("shareList"));
    m_shareList->setMinimumHeight(160);
    layout->addWidget(m_shareList, 1);

    auto *bottom = new QHBoxLayout;
    m_removeButton = new QPushButton(texts.removeButton, this);
    m_removeButton->setObjectName(QStringLiteral("removeShareButton"));
    m_removeButton->setEnabled(false);
    auto *close = new QPushButton(texts.closeButton, this);
    close->setAutoDefault(false);
    bottom->addWidget(m_removeButton);
    bottom->addStretch(1);
    bottom->addWidget(close);
    layout->addLayout(bottom);

    connect(m_shareButton, &QPushButton::clicked, this, &ShareMembersDialog::onAddShare);
    connect(m_removeButton, &QPushButton::clicked, this, &ShareMembersDialog::onRemoveSelected);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_shareList, &QListWidget::currentRowChanged, this, &ShareMembersDialog::updateRemoveButton);

    refreshAll();
}

void ShareMembersDialog::refreshAll()
{
    loadGroupMembers();
    loadShares();
}

void ShareMembersDialog::loadGroupMembers()
{
    const int generation = ++m_groupGeneration;
    QPointer<ShareMembersDialog> guard(this);
    AccountClient *accounts = m_client->accountClient();
    accounts->getProfile([this, guard, accounts, generation](const Profile &profile) {
        if (!guard || generation != m_groupGeneration)
            return;
        m_ownAccountId = profile.id;
        accounts->getGroup([this, guard, generation](const Group &group) {
            if (!guard || generation != m_groupGeneration)
                return;
            m_groupMembers = group.members;
            // Shares that arrived first were named without the group; name them now.
            if (m_sharesLoaded)
                fillShares(m_shares);
            else
                fillMemberChooser();
        });
    });
}

void ShareMembersDialog::loadShares()
{
    const int generation = ++m_sharesGeneration;
    m_sharesLoaded = false;
    m_shareList->clear();
    placeholderRow(tr("Loading..."), m_shareList);
    updateRemoveButton();
    QPointer<ShareMembersDialog> guard(this);
    m_backend->listMembers(m_accountId, [this, guard, generation](const QList<ShareMember> &members) {
        if (guard && generation == m_sharesGeneration)
            fillShares(members);
    });
}

void ShareMembersDialog::fillShares(const QList<ShareMember> &shares)
{
    m_shares = shares;
    m_sharesLoaded = true;
    m_shareList->clear();
    for (const ShareMember &share : shares) {
        if (share.role == QLatin1String("owner"))
            continue;
        QString name = share.displayName;
        QString mail = share.email;
        if (name.isEmpty() || mail.isEmpty()) {
            for (const GroupMember &member : std::as_const(m_groupMembers)) {
                if (member.accountId == share.userId) {
                    if (name.isEmpty())
                        name = member.displayName;
                    if (mail.isEmpty())
                        mail = member.email;
                    break;
                }
            }
        }
        QString text;
        if (!name.isEmpty() && !mail.isEmpty())
            text = QStringLiteral("%1 (%2)").arg(name, mail);
        else if (!name.isEmpty())
            text = name;
        else if (!mail.isEmpty())
            text = mail;
        else
            text = share.userId;
        auto *item = new QListWidgetItem(text, m_shareList);
        item->setData(Qt::UserRole, share.userId);
    }
    if (m_shareList->count() == 0)
        placeholderRow(orDefault(m_texts.emptyListText, tr("Not shared with anyone yet.")), m_shareList);
    updateRemoveButton();
    fillMemberChooser();
}

void ShareMembersDialog::fillMemberChooser()
{
    m_memberChooser->clear();
    if (m_groupMembers.isEmpty()) {
        m_addRow->hide();
        m_noGroupNotice->show();
        return;
    }
    QStringList excluded{m_ownAccountId};
    for (const ShareMember &share : std::as_const(m_shares))
        excluded.append(share.userId);
    for (const GroupMember &member : std::as_const(m_groupMembers)) {
        if (member.accountId.isEmpty() || excluded.contains(member.accountId))
            continue;
        const QString label = member.displayName.isEmpty()
                                  ? member.email
                                  : QStringLiteral("%1 (%2)").arg(member.displayName, member.email);
        m_memberChooser->addItem(label, member.accountId);
    }
    m_addRow->show();
    m_noGroupNotice->hide();
    const bool anyone = m_memberChooser->count() > 0;
    if (!anyone)
        m_memberChooser->addItem(tr("All group members already added"));
    m_memberChooser->setEnabled(anyone);
    m_shareButton->setEnabled(anyone);
}

void ShareMembersDialog::updateRemoveButton()
{
    const QListWidgetItem *item = m_shareList->currentItem();
    m_removeButton->setEnabled(item && !item->data(Qt::UserRole).toString().isEmpty());
}

void ShareMembersDialog::onAddShare()
{
    const QString memberId = m_memberChooser->currentData().toString();
    if (memberId.isEmpty())
        return;
    const QString memberLabel = m_memberChooser->currentText();
    const QString label = m_shareButton->text();
    m_shareButton->setEnabled(false);
    m_shareButton->setText(tr("Sharing..."));
    QPointer<ShareMembersDialog> guard(this);
    m_backend->shareWith(m_accountId, memberId, m_texts.roleForNewShares,
                         [this, guard, label, memberLabel](bool ok, const QString &error) {
                             if (!guard)
                                 return;
                             m_shareButton->setText(label);
                             m_shareButton->setEnabled(true);
                             if (ok) {
                                 emit sharingChanged();
                                 loadShares();
                                 return;
                             }
                             QMessageBox::warning(
                                 this, orDefault(m_texts.shareFailureTitle, windowTitle()),
                                 error.isEmpty() ? tr("Could not share with %1.").arg(memberLabel) : error);
                         });
}

void ShareMembersDialog::onRemoveSelected()
{
    const QListWidgetItem *item = m_shareList->currentItem();
    const QString userId = item ? item->data(Qt::UserRole).toString() : QString();
    if (userId.isEmpty())
        return;
    const QString question =
        orDefault(m_texts.removeConfirmationText, tr("Remove %1's access to this item?")).arg(item->text());
    if (QMessageBox::question(this, orDefault(m_texts.removeConfirmationTitle, tr("Remove Share")), question,
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    QPointer<ShareMembersDialog> guard(this);
    m_backend->removeShare(m_accountId, userId, [this, guard](bool ok) {
        if (!guard)
            return;
        if (ok) {
            emit sharingChanged();
            loadShares();
            return;
        }
        QMessageBox::warning(this, orDefault(m_texts.removeFailureTitle, windowTitle()),
                             tr("Could not remove share."));
    });
}

} // namespace CorvantisAccount
