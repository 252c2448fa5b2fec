#include "account/widgets/sharemembersdialog.h"

#include "account/accountclient.h"
#include "account/accountsharingservice.h"

#include "../signedinclient.h"
#include "accountwidgettesthelpers.h"

#include <QComboBox>
#include <QJsonArray>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

using namespace CorvantisAccount;

namespace {

ShareDialogTexts shareTexts()
{
    ShareDialogTexts texts;
    texts.windowTitle = QStringLiteral("Share Account");
    texts.heading = QStringLiteral("Sharing: Joint Checking");
    texts.description = QStringLiteral("Shared with the group.");
    texts.listCaption = QStringLiteral("Shared with");
    texts.emptyListText = QStringLiteral("Not shared with anyone yet.");
    texts.noGroupNotice = QStringLiteral("You're not in a group yet.");
    texts.shareButton = QStringLiteral("Share");
    texts.removeButton = QStringLiteral("Remove Selected");
    texts.closeButton = QStringLiteral("Close");
    texts.roleForNewShares = QStringLiteral("member");
    texts.shareFailureTitle = QStringLiteral("Share Failed");
    texts.removeFailureTitle = QStringLiteral("Remove Failed");
    texts.removeConfirmationTitle = QStringLiteral("Remove Share");
    texts.removeConfirmationText = QStringLiteral("Remove %1's access to this account?");
    return texts;
}

// Answers as told, for the failure paths and the rows the service could send.
class CannedSharing : public SharingBackend
{
public:
    using SharingBackend::SharingBackend;

    void listMembers(const QString &, const MembersCallback &callback) override
    {
        QTimer::singleShot(0, this, [this, callback] { callback(members); });
    }
    void shareWith(const QString &, const QString &, const QString &, const ShareCallback &callback) override
    {
        QTimer::singleShot(0, this, [this, callback] { callback(false, shareError); });
    }
    void removeShare(const QString &, const QString &, const RemoveCallback &callback) override
    {
        QTimer::singleShot(0, this, [callback] { callback(false); });
    }

    QList<ShareMember> members;
    QString shareError;
};

QStringList rows(QListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->item(row)->text());
    return texts;
}

QStringList choices(QComboBox *chooser)
{
    QStringList texts;
    for (int index = 0; index < chooser->count(); ++index)
        texts.append(chooser->itemText(index));
    return texts;
}

} // namespace

// The sharing dialog with real group members of a real zimbrel-cloud.
class TestShareMembersDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sharesWithEveryMemberAndRemoves();
    void withoutAGroupOnlyTheNoticeShows();
    void failuresAreShown_data();
    void failuresAreShown();

private:
    CloudFixture m_fixture;
    const QString m_accountId = QStringLiteral("5d0e7a61-93b4-4b7a-8c43-0a9f1d7b2e11");
};

void TestShareMembersDialog::initTestCase()
{
    QString reason;
    QString error;
    if (!m_fixture.start(&reason, &error)) {
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QSKIP(qPrintable(reason));
    }
}

void TestShareMembersDialog::sharesWithEveryMemberAndRemoves()
{
    auto owner = signedInClient(&m_fixture, QStringLiteral("Owner"));
    auto first = signedInClient(&m_fixture, QStringLiteral("Ann"));
    auto second = signedInClient(&m_fixture, QStringLiteral("Bo"));
    QVERIFY(owner && first && second);
    for (SignedInClient *member : {first.get(), second.get()}) {
        QString code;
        owner->client->accountClient()->generateInviteCode(
            [&](const GroupInvitation &invitation) { code = invitation.inviteCode; });
        QVERIFY(QTest::qWaitFor([&] { return !code.isEmpty(); }, 10000));
        bool joined = false;
        member->client->accountClient()->joinGroup(code, [&](bool ok) { joined = ok; });
        QVERIFY(QTest::qWaitFor([&] { return joined; }, 10000));
    }
    QCOMPARE(owner->raw->push(QJsonArray{CloudClient::newAccountChange(m_accountId)}).status, 200);

    AccountSharingService sharing(owner->client->syncApi());
    ShareMembersDialog dialog(owner->client.get(), &sharing, m_accountId, shareTexts());
    QSignalSpy changed(&dialog, &ShareMembersDialog::sharingChanged);
    dialog.show();
    auto *list = dialog.findChild<QListWidget *>(QStringLiteral("shareList"));
    auto *chooser = dialog.findChild<QComboBox *>(QStringLiteral("shareMemberChooser"));
    auto *share = dialog.findChild<QPushButton *>(QStringLiteral("shareButton"));
    auto *remove = dialog.findChild<QPushButton *>(QStringLiteral("removeShareButton"));
    QVERIFY(list && chooser && share && remove);

    // The owner is never offered nor listed.
    const QString annLabel = QStringLiteral("Ann (%1)").arg(first->email().toLower());
    const QString boLabel = QStringLiteral("Bo (%1)").arg(second->email().toLower());
    QVERIFY(QTest::qWaitFor([&] { return chooser->count() == 2; }, 10000));
    QStringList offered = choices(chooser);
    offered.sort();
    QCOMPARE(offered, (QStringList{annLabel, boLabel}));
    QVERIFY(QTest::qWaitFor(
        [&] { return rows(list) == QStringList{QStringLiteral("Not shared with anyone yet.")}; }, 10000));
    QVERIFY(!remove->isEnabled());

    chooser->setCurrentIndex(chooser->findText(annLabel));
    QTest::mouseClick(share, Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([&] { return rows(list) == QStringList{annLabel}; }, 10000));
    QCOMPARE(changed.count(), 1);
    QVERIFY(QTest::qWaitFor([&] { return choices(chooser) == QStringList{boLabel}; }, 10000));

    QTest::mouseClick(share, Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([&] { return list->count() == 2; }, 10000));
    QVERIFY(QTest::qWaitFor(
        [&] { return choices(chooser) == QStringList{QStringLiteral("All group members already added")}; },
        10000));
    QVERIFY(!share->isEnabled());
    QVERIFY(!chooser->isEnabled());

    list->setCurrentRow(rows(list).indexOf(annLabel));
    QVERIFY(remove->isEnabled());
    QString question;
    answerNextMessageBox(QMessageBox::Yes, &question);
    QTest::mouseClick(remove, Qt::LeftButton);
    QCOMPARE(question, QStringLiteral("Remove %1's access to this account?").arg(annLabel));
    QVERIFY(QTest::qWaitFor([&] { return rows(list) == QStringList{boLabel}; }, 10000));
    QCOMPARE(changed.count(), 3);
    QVERIFY(QTest::qWaitFor([&] { return choices(chooser) == QStringList{annLabel}; }, 10000));
    QVERIFY(share->isEnabled());
}

void TestShareMembersDialog::withoutAGroupOnlyTheNoticeShows()
{
    auto alone = signedInClient(&m_fixture, QStringLiteral("Solo"));
    QVERIFY(alone);
    QCOMPARE(alone->raw->push(QJsonArray{CloudClient::newAccountChange(m_accountId)}).status, 200);
    AccountSharingService sharing(alone->client->syncApi());
    ShareMembersDialog dialog(alone->client.get(), &sharing, m_accountId, shareTexts());
    dialog.show();
    auto *notice = dialog.findChild<QLabel *>(QStringLiteral("shareNoGroupNotice"));
    auto *chooser = dialog.findChild<QComboBox *>(QStringLiteral("shareMemberChooser"));
    QVERIFY(QTest::qWaitFor([&] { return notice->isVisible(); }, 10000));
    QVERIFY(!chooser->isVisible());
}

void TestShareMembersDialog::failuresAreShown_data()
{
    QTest::addColumn<QString>("serviceError");
    QTest::addColumn<QString>("shown");
    QTest::newRow("the service's reason")
        << QStringLiteral("accounts can be shared only with members of your group")
        << QStringLiteral("accounts can be shared only with members of your group");
    QTest::newRow("no reason given") << QString() << QStringLiteral("Could not share with Ann (%1).");
}

void TestShareMembersDialog::failuresAreShown()
{
    QFETCH(QString, serviceError);
    QFETCH(QString, shown);
    auto owner = signedInClient(&m_fixture, QStringLiteral("Lead"));
    auto member = signedInClient(&m_fixture, QStringLiteral("Ann"));
    QVERIFY(owner && member);
    QString code;
    owner->client->accountClient()->generateInviteCode(
        [&](const GroupInvitation &invitation) { code = invitation.inviteCode; });
    QVERIFY(QTest::qWaitFor([&] { return !code.isEmpty(); }, 10000));
    bool joined = false;
    member->client->accountClient()->joinGroup(code, [&](bool ok) { joined = ok; });
    QVERIFY(QTest::qWaitFor([&] { return joined; }, 10000));

    CannedSharing canned;
    canned.shareError = serviceError;
    ShareMember ownerRow;
    ownerRow.userId = ownerRow.id = owner->userId();
    ownerRow.role = QStringLiteral("owner");
    ShareMember nameless;
    nameless.userId = nameless.id = QStringLiteral("u-without-name");
    nameless.role = QStringLiteral("member");
    ShareMember fromGroup; // name and address come from the group
    fromGroup.userId = fromGroup.id = member->userId();
    fromGroup.role = QStringLiteral("member");
    canned.members = {ownerRow, nameless, fromGroup};

    ShareMembersDialog dialog(owner->client.get(), &canned, m_accountId, shareTexts());
    dialog.show();
    auto *list = dialog.findChild<QListWidget *>(QStringLiteral("shareList"));
    auto *remove = dialog.findChild<QPushButton *>(QStringLiteral("removeShareButton"));
    const QString annLabel = QStringLiteral("Ann (%1)").arg(member->email().toLower());
    // Whichever answer comes first, the rows end up named from the group.
    QVERIFY(QTest::qWaitFor(
        [&] {
            return rows(list) == QStringList({QStringLiteral("u-without-name"), annLabel});
        },
        10000));

    // With the member offered again, sharing fails as the backend says.
    canned.members = {ownerRow};
    dialog.refreshAll();
    auto *chooser = dialog.findChild<QComboBox *>(QStringLiteral("shareMemberChooser"));
    QVERIFY(QTest::qWaitFor([&] { return choices(chooser) == QStringList{annLabel}; }, 10000));
    QString text;
    answerNextMessageBox(QMessageBox::Ok, &text);
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("shareButton")), Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([&] { return !text.isEmpty(); }, 10000));
    QCOMPARE(text, shown.contains(QLatin1String("%1")) ? shown.arg(member->email().toLower()) : shown);
    QCOMPARE(dialog.findChild<QPushButton *>(QStringLiteral("shareButton"))->text(), QStringLiteral("Share"));

    canned.members = {ownerRow, nameless};
    dialog.refreshAll();
    QVERIFY(
        QTest::qWaitFor([&] { return rows(list) == QStringList{QStringLiteral("u-without-name")}; }, 10000));
    list->setCurrentRow(0);
    QString failure;
    answerNextMessageBox(QMessageBox::Yes);
    QTest::mouseClick(remove, Qt::LeftButton);
    answerNextMessageBox(QMessageBox::Ok, &failure);
    QVERIFY(QTest::qWaitFor([&] { return !failure.isEmpty(); }, 10000));
    QCOMPARE(failure, QStringLiteral("Could not remove share."));
}

QTEST_MAIN(TestShareMembersDialog)
#include "tst_sharemembersdialog.moc"
