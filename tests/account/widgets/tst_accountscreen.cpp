#include "account/widgets/accountscreen.h"

#include "account/accountclient.h"

#include "../signedinclient.h"
#include "accountwidgettesthelpers.h"
#include "browsersession.h"

#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTest>

#include <algorithm>

using namespace CorvantisAccount;

// The account window driven like a user would, against a real zimbrel-cloud.
class TestAccountScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void relativeTime_data();
    void relativeTime();
    void ownerAndMemberSeeDifferentControls();
    void joiningWithACode_data();
    void joiningWithACode();
    void firstInvitationFoundsTheGroup();
    void displayNameIsEdited();
    void passwordRules_data();
    void passwordRules();
    void sessionsAndDevicesAreListed();
    void deletionNeedsTheExactWord();

private:
    std::unique_ptr<AccountScreen> openScreen(SignedInClient *user, AccountScreen::Tab tab);
    // Invites by code as `owner`; the code, empty on failure.
    QString inviteCode(SignedInClient *owner);

    CloudFixture m_fixture;
};

void TestAccountScreen::initTestCase()
{
    QString reason;
    QString error;
    if (!m_fixture.start(&reason, &error)) {
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QSKIP(qPrintable(reason));
    }
}

std::unique_ptr<AccountScreen> TestAccountScreen::openScreen(SignedInClient *user, AccountScreen::Tab tab)
{
    auto screen = std::make_unique<AccountScreen>(user->client.get());
    screen->resize(600, 550);
    screen->show();
    screen->showTab(tab);
    return screen;
}

QString TestAccountScreen::inviteCode(SignedInClient *owner)
{
    QString code;
    bool arrived = false;
    owner->client->accountClient()->generateInviteCode([&](const GroupInvitation &invitation) {
        code = invitation.inviteCode;
        arrived = true;
    });
    return QTest::qWaitFor([&] { return arrived; }, 10000) ? code : QString();
}

void TestAccountScreen::relativeTime_data()
{
    QTest::addColumn<qint64>("secondsAgo");
    QTest::addColumn<QString>("text");
    QTest::newRow("59 seconds") << qint64(59) << QStringLiteral("Active now");
    QTest::newRow("in the future") << qint64(-300) << QStringLiteral("Active now");
    QTest::newRow("61 seconds") << qint64(61) << QStringLiteral("1m ago");
    QTest::newRow("61 minutes") << qint64(61 * 60) << QStringLiteral("1h ago");
    QTest::newRow("23 hours 59") << qint64(24 * 3600 - 60) << QStringLiteral("23h ago");
    QTest::newRow("6 days") << qint64(6 * 24 * 3600 + 5) << QStringLiteral("6d ago");
    QTest::newRow("8 days") << qint64(8 * 24 * 3600) << QStringLiteral("Mar 3, 2026");
}

void TestAccountScreen::relativeTime()
{
    QFETCH(qint64, secondsAgo);
    QFETCH(QString, text);
    const QDateTime now(QDate(2026, 3, 11), QTime(12, 0), Qt::LocalTime);
    QCOMPARE(AccountScreen::relativeTime(now.addSecs(-secondsAgo), now), text);
    QCOMPARE(AccountScreen::relativeTime(QDateTime(), now), QStringLiteral("Unknown"));
}

void TestAccountScreen::ownerAndMemberSeeDifferentControls()
{
    auto owner = signedInClient(&m_fixture, QStringLiteral("owner"));
    auto member = signedInClient(&m_fixture, QStringLiteral("member"));
    QVERIFY(owner && member);
    const QString code = inviteCode(owner.get());
    QVERIFY(!code.isEmpty());
    bool joined = false;
    member->client->accountClient()->joinGroup(code, [&](bool ok) { joined = ok; });
    QVERIFY(QTest::qWaitFor([&] { return joined; }, 10000));

    auto ownerScreen = openScreen(owner.get(), AccountScreen::Tab::Group);
    QVERIFY(QTest::qWaitFor(
        [&] { return visibleButton(ownerScreen.get(), QStringLiteral("Generate Invite Code")); }, 10000));
    QVERIFY(visibleButton(ownerScreen.get(), QStringLiteral("Invite by Email")));
    QVERIFY(showsText(ownerScreen.get(), QStringLiteral("2 of 6 seats used")));
    QVERIFY(showsText(ownerScreen.get(), QStringLiteral("Owner")));
    QVERIFY(!visibleButton(ownerScreen.get(), QStringLiteral("Leave Group")));
    // The pending invitation was used; the member can be removed, the owner cannot.
    const QList<QPushButton *> buttons = ownerScreen->findChildren<QPushButton *>();
    QCOMPARE(std::count_if(buttons.begin(), buttons.end(),
                           [&](QPushButton *b) {
                               return b->isVisibleTo(ownerScreen.get()) &&
                                      b->text() == QLatin1String("Remove");
                           }),
             1);

    ownerScreen->showTab(AccountScreen::Tab::Privacy);
    auto *ownerDelete = ownerScreen->findChild<QPushButton *>(QStringLiteral("deleteAccountButton"));
    QVERIFY(ownerDelete);
    QVERIFY(!ownerDelete->isEnabled());
    QVERIFY(QTest::qWaitFor([&] {
        return showsText(ownerScreen.get(),
                         QStringLiteral("You are the group owner. Transfer ownership or remove all members "
                                        "before deleting your account."));
    }));

    auto memberScreen = openScreen(member.get(), AccountScreen::Tab::Group);
    QVERIFY(QTest::qWaitFor([&] { return visibleButton(memberScreen.get(), QStringLiteral("Leave Group")); },
                            10000));
    QVERIFY(!visibleButton(memberScreen.get(), QStringLiteral("Generate Invite Code")));
    QVERIFY(!visibleButton(memberScreen.get(), QStringLiteral("Remove")));
    memberScreen->showTab(AccountScreen::Tab::Privacy);
    auto *memberDelete = memberScreen->findChild<QPushButton *>(QStringLiteral("deleteAccountButton"));
    QVERIFY(memberDelete && memberDelete->isEnabled());

    // Leaving asks first, then the page shows the way back in.
    memberScreen->showTab(AccountScreen::Tab::Group);
    QVERIFY(QTest::qWaitFor([&] { return visibleButton(memberScreen.get(), QStringLiteral("Leave Group")); },
                            10000));
    QString question;
    answerNextMessageBox(QMessageBox::Yes, &question);
    visibleButton(memberScreen.get(), QStringLiteral("Leave Group"))->click();
    QCOMPARE(question, QStringLiteral("Leave this group? You will lose access to shared data."));
    QVERIFY(
        QTest::qWaitFor([&] { return memberScreen->statusText() == QLatin1String("Left group."); }, 10000));
    QVERIFY(QTest::qWaitFor(
        [&] { return visibleButton(memberScreen.get(), QStringLiteral("Join with Invite Code")); }, 10000));
    QVERIFY(showsText(memberScreen.get(), QStringLiteral("No Group")));
}

void TestAccountScreen::joiningWithACode_data()
{
    QTest::addColumn<bool>("validCode");
    QTest::addColumn<QString>("status");
    QTest::newRow("the owner's code") << true << QStringLiteral("Joined group.");
    QTest::newRow("a made-up code") << false << QStringLiteral("Invalid or expired invite code.");
}

void TestAccountScreen::joiningWithACode()
{
    QFETCH(bool, validCode);
    QFETCH(QString, status);
    auto owner = signedInClient(&m_fixture, QStringLiteral("host"));
    auto joiner = signedInClient(&m_fixture, QStringLiteral("joiner"));
    QVERIFY(owner && joiner);
    const QString code = validCode ? inviteCode(owner.get()) : QStringLiteral("WRONG123");
    QVERIFY(!code.isEmpty());

    auto screen = openScreen(joiner.get(), AccountScreen::Tab::Group);
    QVERIFY(QTest::qWaitFor(
        [&] { return visibleButton(screen.get(), QStringLiteral("Join with Invite Code")); }, 10000));
    QString label;
    typeIntoNextPrompt(QStringLiteral("  %1 ").arg(code), &label);
    visibleButton(screen.get(), QStringLiteral("Join with Invite Code"))->click();
    QCOMPARE(label, QStringLiteral("Enter invite code:"));
    QVERIFY(QTest::qWaitFor([&] { return screen->statusText() == status; }, 10000));
    if (validCode) {
        QVERIFY(QTest::qWaitFor([&] { return visibleButton(screen.get(), QStringLiteral("Leave Group")); },
                                10000));
        QCOMPARE(joiner->client->claims().role, QStringLiteral("member"));
    } else {
        QVERIFY(joiner->client->claims().groupId.isEmpty());
    }
}

void TestAccountScreen::firstInvitationFoundsTheGroup()
{
    auto founder = signedInClient(&m_fixture, QStringLiteral("founder"));
    QVERIFY(founder);
    auto screen = openScreen(founder.get(), AccountScreen::Tab::Group);
    QVERIFY(QTest::qWaitFor(
        [&] { return visibleButton(screen.get(), QStringLiteral("Generate Invite Code")); }, 10000));
    QVERIFY(showsText(screen.get(), QStringLiteral("No Group")));

    QString text;
    answerNextMessageBox(QMessageBox::Ok, &text);
    visibleButton(screen.get(), QStringLiteral("Generate Invite Code"))->click();
    QVERIFY(QTest::qWaitFor([&] { return !text.isEmpty(); }, 10000));
    QVERIFY2(text.startsWith(QStringLiteral("Share this code with the person you want to invite:\n\n")),
             qPrintable(text));
    const QString code = text.section(QLatin1Char('\n'), 2);
    // Now the owner's page: the code pending, invitations and removal at hand.
    QVERIFY(QTest::qWaitFor(
        [&] { return showsText(screen.get(), QStringLiteral("Invite code: %1").arg(code)); }, 10000));
    QVERIFY(showsText(screen.get(), QStringLiteral("Pending Invitations")));
    QCOMPARE(founder->client->claims().role, QStringLiteral("owner"));

    visibleButton(screen.get(), QStringLiteral("Revoke"))->click();
    QVERIFY(
        QTest::qWaitFor([&] { return screen->statusText() == QLatin1String("Invitation revoked."); }, 10000));
    QVERIFY(QTest::qWaitFor([&] { return !showsText(screen.get(), QStringLiteral("Pending Invitations")); },
                            10000));
}

void TestAccountScreen::displayNameIsEdited()
{
    auto user = signedInClient(&m_fixture, QStringLiteral("named"));
    QVERIFY(user);
    auto screen = openScreen(user.get(), AccountScreen::Tab::Profile);
    QVERIFY(QTest::qWaitFor([&] { return visibleButton(screen.get(), QStringLiteral("Edit Display Name")); },
                            10000));
    auto *email = screen->findChild<QLabel *>(QStringLiteral("profileEmail"));
    QVERIFY(email);
    QCOMPARE(email->text(), user->email());

    typeIntoNextPrompt(QStringLiteral("  Pat Doe  "));
    visibleButton(screen.get(), QStringLiteral("Edit Display Name"))->click();
    QVERIFY(QTest::qWaitFor([&] { return screen->statusText() == QLatin1String("Display name updated."); },
                            10000));
    QVERIFY(QTest::qWaitFor(
        [&] {
            auto *name = screen->findChild<QLabel *>(QStringLiteral("profileDisplayName"));
            return name && name->isVisibleTo(screen.get()) && name->text() == QLatin1String("Pat Doe");
        },
        10000));
}

void TestAccountScreen::passwordRules_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("fresh");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<QString>("status");
    QTest::newRow("seven characters")
        << QStringLiteral("correct horse 1") << QStringLiteral("1234567") << QString()
        << QStringLiteral("Password must be at least 8 characters.");
    QTest::newRow("confirmation differs")
        << QStringLiteral("correct horse 1") << QStringLiteral("battery staple 2")
        << QStringLiteral("battery staple 3") << QStringLiteral("Passwords do not match.");
    QTest::newRow("wrong current password")
        << QStringLiteral("not my password") << QStringLiteral("battery staple 2")
        << QStringLiteral("battery staple 2") << QStringLiteral("Failed to change password.");
    QTest::newRow("changed") << QStringLiteral("correct horse 1") << QStringLiteral("battery staple 2")
                             << QStringLiteral("battery staple 2") << QStringLiteral("Password changed.");
}

void TestAccountScreen::passwordRules()
{
    QFETCH(QString, current);
    QFETCH(QString, fresh);
    QFETCH(QString, confirmation);
    QFETCH(QString, status);
    auto user = signedInClient(&m_fixture, QStringLiteral("secure"));
    QVERIFY(user);
    auto screen = openScreen(user.get(), AccountScreen::Tab::Security);
    QPushButton *change = visibleButton(screen.get(), QStringLiteral("Change Password"));
    QVERIFY(change);

    QStringList labels;
    QString label;
    // Each prompt is answered once the previous one has closed.
    const QStringList answers =
        confirmation.isNull() ? QStringList{current, fresh} : QStringList{current, fresh, confirmation};
    std::function<void(int)> answer = [&](int index) {
        whenModalShown([&, index](QWidget *modal) {
            auto *dialog = qobject_cast<QInputDialog *>(modal);
            QVERIFY(dialog);
            QCOMPARE(dialog->textEchoMode(), QLineEdit::Password);
            labels.append(dialog->labelText());
            auto *edit = dialog->findChild<QLineEdit *>();
            QTest::keyClicks(edit, answers.at(index));
            if (index + 1 < answers.size())
                answer(index + 1);
            QTest::keyClick(edit, Qt::Key_Return);
        });
    };
    answer(0);
    change->click();
    QVERIFY(QTest::qWaitFor([&] { return screen->statusText() == status; }, 10000));
    QCOMPARE(labels.size(), answers.size());
    QCOMPARE(labels.constFirst(), QStringLiteral("Current password:"));
    QCOMPARE(labels.at(1), QStringLiteral("New password (min 8 characters):"));
    if (status == QLatin1String("Password changed.")) {
        const SignInResult again = BrowserSession::signIn(m_fixture.http.get(), user->email(), fresh);
        QCOMPARE(again.status, 303);
    }
}

void TestAccountScreen::sessionsAndDevicesAreListed()
{
    auto user = signedInClient(&m_fixture, QStringLiteral("devices"));
    QVERIFY(user);
    bool registered = false;
    user->client->accountClient()->registerDevice([&](bool ok) { registered = ok; });
    QVERIFY(QTest::qWaitFor([&] { return registered; }, 10000));

    auto screen = openScreen(user.get(), AccountScreen::Tab::Security);
    QVERIFY(QTest::qWaitFor([&] { return showsText(screen.get(), QStringLiteral("Current")); }, 10000));
    const QList<QLabel *> labels = screen->findChildren<QLabel *>();
    QVERIFY(std::any_of(labels.begin(), labels.end(), [&](QLabel *l) {
        return l->isVisibleTo(screen.get()) && l->text().startsWith(QLatin1String("This session"));
    }));

    screen->showTab(AccountScreen::Tab::Devices);
    const QString title = QStringLiteral("<b>%1</b>").arg(QSysInfo::machineHostName().toHtmlEscaped());
    QVERIFY(QTest::qWaitFor([&] { return showsText(screen.get(), title); }, 10000));
    QString question;
    answerNextMessageBox(QMessageBox::Yes, &question);
    visibleButton(screen.get(), QStringLiteral("Remove"))->click();
    QCOMPARE(question, QStringLiteral("Remove %1?").arg(QSysInfo::machineHostName()));
    QVERIFY(QTest::qWaitFor([&] { return screen->statusText() == QLatin1String("Device removed."); }, 10000));
    QVERIFY(QTest::qWaitFor([&] { return showsText(screen.get(), QStringLiteral("No devices registered.")); },
                            10000));
}

void TestAccountScreen::deletionNeedsTheExactWord()
{
    auto user = signedInClient(&m_fixture, QStringLiteral("deleting"));
    QVERIFY(user);
    auto screen = openScreen(user.get(), AccountScreen::Tab::Privacy);
    QSignalSpy logout(screen.get(), &AccountScreen::logoutRequested);
    QPushButton *remove = screen->findChild<QPushButton *>(QStringLiteral("deleteAccountButton"));
    QVERIFY(remove && remove->isEnabled());

    typeIntoNextPrompt(QStringLiteral("delete"));
    remove->click();
    QTest::qWait(200);
    QCOMPARE(logout.count(), 0);
    QCOMPARE(user->raw->account("GET", QStringLiteral("/profile")).status, 200);

    QString label;
    typeIntoNextPrompt(QStringLiteral("DELETE"), &label);
    remove->click();
    QVERIFY(label.endsWith(QLatin1String("Type DELETE to confirm:")));
    // The confirmation that follows the service's answer.
    QString confirmation;
    answerNextMessageBox(QMessageBox::Ok, &confirmation);
    QVERIFY(logout.wait(10000));
    QCOMPARE(confirmation, QStringLiteral("Your account will be permanently deleted in 30 days. You can "
                                          "recover it by signing in before then."));
    QCOMPARE(user->raw->account("GET", QStringLiteral("/profile")).status, 401);
}

QTEST_MAIN(TestAccountScreen)
#include "tst_accountscreen.moc"
