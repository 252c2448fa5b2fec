#include "ui/screens/recurringscreen.h"

#include "app/guitesthelpers.h"
#include "app/mainwindow.h"
#include "data/recurringrepository.h"
#include "services/recurringservice.h"
#include "support/recordbuilders.h"
#include "ui/dialogs/recurringformdialog.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerscreen.h"
#include "ui/register/registertableview.h"
#include "ui/screens/recurringmodel.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>

class TestRecurringScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void modelShowsTheSchedules();
    void confirmAndSkipDueItemsChangeTheRegister();
    void confirmAllWithNothingDueDoesNothing();
    void inactiveOverdueItemIsNotDue();
    void deleteAsksFirst();
    void newFormInsertsASchedule();
    void memorizeFromTheRegister();
};

namespace {

int rowOfPayee(RecurringModel *model, const QString &payee)
{
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->item(row)->payee == payee)
            return row;
    }
    return -1;
}

// Opens the row's context menu and hands the menu to `inspect` while it is shown.
void withContextMenu(RecurringScreen *screen, int row, const std::function<void(QMenu *)> &inspect)
{
    QTableView *view = screen->view();
    const QPoint point = view->visualRect(view->model()->index(row, 1)).center();
    QTimer::singleShot(50, screen, [inspect] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        inspect(menu);
        if (menu->isVisible())
            menu->close();
    });
    screen->onContextMenu(point);
}

QAction *actionNamed(QMenu *menu, const QString &text)
{
    for (QAction *action : menu->actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

} // namespace

void TestRecurringScreen::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestRecurringScreen::modelShowsTheSchedules()
{
    TestState state;
    const Account checking = Records::account(QStringLiteral("Checking")).addTo(state.core());
    Records::recurring(checking.id, QDate::currentDate().addDays(-1), -145000)
        .payee(QStringLiteral("Rent"))
        .addTo(state.core());
    Records::recurring(checking.id, QDate::currentDate().addDays(5), 250000)
        .payee(QStringLiteral("Pay"))
        .addTo(state.core());
    RecurringModel model(state->accountRepository());
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.load(state->recurringService()->all());
    QCOMPARE(model.rowCount(), 2);
    const int rent = rowOfPayee(&model, QStringLiteral("Rent"));
    QCOMPARE(model.index(rent, RecurringModel::AccountColumn).data().toString(), QStringLiteral("Checking"));
    QCOMPARE(model.index(rent, RecurringModel::AmountColumn).data().toString(), QStringLiteral("-$1,450.00"));
    QCOMPARE(model.index(rent, RecurringModel::FrequencyColumn).data().toString(), QStringLiteral("Monthly"));
    QCOMPARE(model.index(rent, RecurringModel::StatusColumn).data().toString(), QStringLiteral("Active"));
    QCOMPARE(model.index(rent, RecurringModel::NextDueColumn).data(Qt::ForegroundRole).value<QColor>(),
             QColor(0, 136, 0));
    const int pay = rowOfPayee(&model, QStringLiteral("Pay"));
    QVERIFY(!model.index(pay, RecurringModel::NextDueColumn).data(Qt::ForegroundRole).isValid());
    QCOMPARE(model.headerData(RecurringModel::NextDueColumn, Qt::Horizontal).toString(),
             QStringLiteral("Next Due"));
}

void TestRecurringScreen::confirmAndSkipDueItemsChangeTheRegister()
{
    TestState state;
    const Account checking = Records::account(QStringLiteral("Checking")).addTo(state.core());
    const QDate due = QDate::currentDate().addDays(-2);
    Records::recurring(checking.id, due, -145000).payee(QStringLiteral("Rent")).addTo(state.core());
    Records::recurring(checking.id, due, -3000).payee(QStringLiteral("Gym")).addTo(state.core());
    MainWindow window(state.get());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.selectAccount(checking.id);
    const int before = window.registerScreen()->model()->transactionCount();

    window.showRecurringWindow();
    RecurringScreen *screen = window.recurringScreen();
    QVERIFY(screen);
    QVERIFY(QTest::qWaitForWindowExposed(screen));
    QCOMPARE(screen->dueCountText(), QStringLiteral("(2 due)"));
    QSignalSpy posted(screen, &RecurringScreen::transactionsChanged);

    // Confirm "Rent" through its context menu.
    withContextMenu(screen, rowOfPayee(screen->model(), QStringLiteral("Rent")), [](QMenu *menu) {
        QAction *confirm = actionNamed(menu, QStringLiteral("&Confirm"));
        QVERIFY(confirm && confirm->isEnabled());
        confirm->trigger();
    });
    QCOMPARE(posted.count(), 1);
    QCOMPARE(window.registerScreen()->model()->transactionCount(), before + 1);
    QCOMPARE(screen->dueCountText(), QStringLiteral("(1 due)"));

    // Skip "Gym" from the keyboard-selected row: the schedule moves on, nothing is posted.
    screen->view()->setFocus();
    screen->view()->selectRow(rowOfPayee(screen->model(), QStringLiteral("Gym")));
    screen->skipSelected();
    QCOMPARE(posted.count(), 1);
    QCOMPARE(window.registerScreen()->model()->transactionCount(), before + 1);
    QCOMPARE(screen->dueCountText(), QString());
    const RecurringTransaction *gym =
        screen->model()->item(rowOfPayee(screen->model(), QStringLiteral("Gym")));
    QCOMPARE(gym->nextDueDate, due.addMonths(1));
}

void TestRecurringScreen::confirmAllWithNothingDueDoesNothing()
{
    TestState state;
    const Account checking = Records::account(QStringLiteral("Checking")).addTo(state.core());
    Records::recurring(checking.id, QDate::currentDate().addDays(3), -100)
        .payee(QStringLiteral("Later"))
        .addTo(state.core());
    RecurringScreen screen(state.services());
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    QSignalSpy posted(&screen, &RecurringScreen::transactionsChanged);
    auto *button = screen.findChild<QPushButton *>(QStringLiteral("confirmAllButton"));
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
    QCOMPARE(posted.count(), 0);
    QCOMPARE(state->transactionRepository()->byAccount(checking.id).size(), 0);

    // With two due, both are posted at once.
    Records::recurring(checking.id, QDate::currentDate(), -100)
        .payee(QStringLiteral("A"))
        .addTo(state.core());
    Records::recurring(checking.id, QDate::currentDate(), -200)
        .payee(QStringLiteral("B"))
        .addTo(state.core());
    QTest::keyClick(button, Qt::Key_Space);
    QCOMPARE(posted.count(), 1);
    QCOMPARE(state->transactionRepository()->byAccount(checking.id).size(), 2);
}

void TestRecurringScreen::inactiveOverdueItemIsNotDue()
{
    TestState state;
    const Account checking = Records::account(QStringLiteral("Checking")).addTo(state.core());
    Records::recurring(checking.id, QDate::currentDate().addDays(-10), -100)
        .payee(QStringLiteral("Old"))
        .active(false)
        .addTo(state.core());
    RecurringScreen screen(state.services());
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    const QModelIndex nextDue = screen.model()->index(0, RecurringModel::NextDueColumn);
    QVERIFY(!nextDue.data(Qt::ForegroundRole).isValid());
    QCOMPARE(screen.model()->index(0, RecurringModel::StatusColumn).data(Qt::ForegroundRole).value<QColor>(),
             QColor(Qt::gray));
    bool checked = false;
    withContextMenu(&screen, 0, [&checked](QMenu *menu) {
        QVERIFY(actionNamed(menu, QStringLiteral("&Edit"))->isEnabled());
        QVERIFY(!actionNamed(menu, QStringLiteral("&Confirm"))->isEnabled());
        QVERIFY(!actionNamed(menu, QStringLiteral("&Skip"))->isEnabled());
        checked = true;
    });
    QVERIFY(checked);
}

void TestRecurringScreen::deleteAsksFirst()
{
    TestState state;
    const Account checking = Records::account(QStringLiteral("Checking")).addTo(state.core());
    Records::recurring(checking.id, QDate::currentDate().addDays(3), -3000)
        .payee(QStringLiteral("Gym"))
        .addTo(state.core());
    RecurringScreen screen(state.services());
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    screen.view()->selectRow(0);

    QString question;
    whenModalShown([&question](QWidget *modal) {
        question = static_cast<QMessageBox *>(modal)->text();
        pressInModal(modal, Qt::Key_Escape);
    });
    screen.deleteSelected();
    QCOMPARE(question, QStringLiteral("Delete recurring \"Gym\"?"));
    QCOMPARE(screen.model()->rowCount(), 1);

    // Enter opens the edit form; Delete asks and removes.
    screen.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&screen));
    screen.view()->setFocus();
    QString formTitle;
    bool accountLocked = false;
    whenModalShown([&](QWidget *modal) {
        formTitle = modal->windowTitle();
        accountLocked = !modal->findChild<QComboBox *>(QStringLiteral("accountCombo"))->isEnabled();
        pressInModal(modal, Qt::Key_Escape);
    });
    QTest::keyClick(screen.view(), Qt::Key_Return);
    QCOMPARE(formTitle, QStringLiteral("Edit Recurring Transaction"));
    QVERIFY(accountLocked);

    screen.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&screen));
    screen.view()->setFocus();
    whenModalShown(
        [](QWidget *modal) { static_cast<QMessageBox *>(modal)->button(QMessageBox::Yes)->click(); });
    QTest::keyClick(screen.view(), Qt::Key_Delete);
    QCOMPARE(screen.model()->rowCount(), 0);
    QCOMPARE(state->recurringRepository()->all().size(), 0);
}

void TestRecurringScreen::newFormInsertsASchedule()
{
    TestState state;
    Records::account(QStringLiteral("Checking")).addTo(state.core());
    RecurringScreen screen(state.services());
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    whenModalShown([](QWidget *modal) {
        QCOMPARE(modal->windowTitle(), QStringLiteral("New Recurring Transaction"));
        QTest::keyClicks(modal->focusWidget(), QStringLiteral("Insurance"));
        pressInModal(modal, Qt::Key_Return);
    });
    auto *button = screen.findChild<QPushButton *>(QStringLiteral("newButton"));
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
    QCOMPARE(screen.model()->rowCount(), 1);
    QCOMPARE(screen.model()->item(0)->payee, QStringLiteral("Insurance"));
    // Due today: counted at once.
    QCOMPARE(screen.dueCountText(), QStringLiteral("(1 due)"));
}

void TestRecurringScreen::memorizeFromTheRegister()
{
    TestState state;
    const Account checking = Records::account(QStringLiteral("Checking")).addTo(state.core());
    const Transaction paycheck = Records::transaction(checking.id, QDate(2026, 3, 6), 250000)
                                     .payee(QStringLiteral("Employer"))
                                     .addTo(state.core());
    const Transaction old = Records::transaction(checking.id, QDate(1999, 12, 1), -100)
                                .payee(QStringLiteral("Ancient"))
                                .addTo(state.core());
    MainWindow window(state.get());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.selectAccount(checking.id);
    RegisterScreen *registerScreen = window.registerScreen();
    RegisterTableView *view = registerScreen->view();

    // A transaction dated before 2000 is refused with a hint and no form.
    view->setCurrentIndex(registerScreen->model()->index(registerScreen->model()->rowOfTransaction(old.id),
                                                         RegisterModel::PayeeColumn));
    view->setFocus();
    QTest::keyClick(view, Qt::Key_M, Qt::ControlModifier);
    QCOMPARE(registerScreen->hintText(),
             QStringLiteral("Cannot memorize: source transaction has an invalid date"));

    view->setCurrentIndex(registerScreen->model()->index(
        registerScreen->model()->rowOfTransaction(paycheck.id), RegisterModel::PayeeColumn));
    QString title;
    whenModalShown([&title](QWidget *modal) {
        title = modal->windowTitle();
        pressInModal(modal, Qt::Key_Return);
    });
    QTest::keyClick(view, Qt::Key_M, Qt::ControlModifier);
    QCOMPARE(title, QStringLiteral("Memorize Transaction"));
    const QList<RecurringTransaction> schedules = state->recurringRepository()->all();
    QCOMPARE(schedules.size(), 1);
    QCOMPARE(schedules.first().payee, QStringLiteral("Employer"));
    QCOMPARE(schedules.first().amount, Money(250000));
    QCOMPARE(schedules.first().nextDueDate, QDate(2026, 3, 6));
    QCOMPARE(schedules.first().accountId, checking.id);
    QCOMPARE(registerScreen->hintText(), QStringLiteral("Transaction memorized as recurring"));
}

QTEST_MAIN(TestRecurringScreen)
#include "tst_recurringscreen.moc"
