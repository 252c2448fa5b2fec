#pragma once

#include "account/accountrecords.h"

#include <QDialog>
#include <QList>
#include <QString>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace CorvantisAccount {

class Client;
class SharingBackend;

// The texts of the sharing dialog, as its opener words them.
struct ShareDialogTexts
{
    QString windowTitle;
    QString heading;
    QString description;
    QString listCaption;
    QString emptyListText;
    QString noGroupNotice;
    QString shareButton;
    QString removeButton;
    QString closeButton;
    QString roleForNewShares;
    QString shareFailureTitle;
    QString removeFailureTitle;
    QString removeConfirmationTitle;
    QString removeConfirmationText;
};

// Who can see one account, and granting or revoking that access for members of the user's group.
class ShareMembersDialog : public QDialog
{
    Q_OBJECT

public:
    // `client` and `backend` are not owned and outlive the dialog.
    ShareMembersDialog(Client *client, SharingBackend *backend, const QString &accountId,
                       const ShareDialogTexts &texts, QWidget *parent = nullptr);

signals:
    void sharingChanged();

public slots:
    void refreshAll();
    void onAddShare();
    void onRemoveSelected();

private:
    void loadGroupMembers();
    void loadShares();
    void fillShares(const QList<ShareMember> &shares);
    void fillMemberChooser();
    void updateRemoveButton();

    Client *m_client;
    SharingBackend *m_backend;
    QString m_accountId;
    ShareDialogTexts m_texts;
    QList<ShareMember> m_shares;
    QList<GroupMember> m_groupMembers;
    QString m_ownAccountId;
    bool m_sharesLoaded = false;
    int m_sharesGeneration = 0;
    int m_groupGeneration = 0;

    QWidget *m_addRow = nullptr;
    QComboBox *m_memberChooser = nullptr;
    QPushButton *m_shareButton = nullptr;
    QLabel *m_noGroupNotice = nullptr;
    QListWidget *m_shareList = nullptr;
    QPushButton *m_removeButton = nullptr;
};

} // namespace CorvantisAccount
