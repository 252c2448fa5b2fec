#include "ui/screens/categoriesscreen.h"
#include "ui/screens/payeescreen.h"

#include "app/guitesthelpers.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "services/categoryservice.h"
#include "support/recordbuilders.h"
#include "ui/screens/categorytreemodel.h"

#include <QAbstractItemModelTester>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

class TestPayeeAndCategoryScreens : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void renameAcrossAccounts();
    void renameToTheSameNameChangesNothing();
    void mergeIntoTheFirstSelected();
    void mergeNeedsTwo();
    void treeShowsOrphansAtTheTop();
    void treeSortsByNameUnderTypeHeadings();
    void createRenameAndDeleteInTheTree();
};

namespace {

void selectPayees(QListWidget *list, const QStringList &names)
{
    list->clearSelection();
    for (int row = 0; row < list->count(); ++row) {
        if (names.contains(list->item(row)->text()))
            list->item(row)->setSelected(true);
    }
}

QStringList listTexts(QListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->item(row)->text());
    return texts;
}

// Accepts the next message box and keeps its text.
void acceptBox(QString *text)
{
    whenModalShown([text](QWidget *modal) {
        auto *box = static_cast<QMessageBox *>(modal);
        *text = box->text();
        if (QAbstractButton *yes = box->button(QMessageBox::Yes))
            yes->click();
        else
            pressInModal(modal, Qt::Key_Return);
    });
}

// Types `text` into the next input dialog and accepts it.
void answerInput(const QString &text, QString *title = nullptr, QString *prefilled = nullptr)
{
    whenModalShown([=](QWidget *modal) {
        if (title)
            *title = modal->windowTitle();
        auto *edit = modal->findChild<QLineEdit *>();
        if (prefilled)
            *prefilled = edit->text();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        pressInModal(modal, Qt::Key_Return);
    });
}

// A database with the default categories and nothing else: all the categories screen needs.
struct CategoryFixture
{
    QTemporaryDir directory;
    Database database;
    CategoryRepository categories{&database};

    CategoryFixture()
    {
        if (!database.open(directory.filePath(QStringLiteral("zimbrel.db"))) || !database.runMigrations())
            qFatal("CategoryFixture: the database could not be initialised");
        CategoryService(&categories).ensureDefaults();
    }
};

} // namespace

void TestPayeeAndCategoryScreens::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestPayeeAndCategoryScreens::renameAcrossAccounts()
{
    TestState state;
    const Account checking = Records::account(QStringLiteral("Checking")).addTo(state.core());
    const Account visa = Records::account(QStringLiteral("Visa")).sortOrder(1).addTo(state.core());
    Records::transaction(checking.id, QDate(2026, 1, 2), -100)
        .payee(QStringLiteral("AMZN Mktp"))
        .addTo(state.core());
    const Transaction other = Records::transaction(visa.id, QDate(2026, 1, 3), -200)
                                  .payee(QStringLiteral("AMZN Mktp"))
                                  .addTo(state.core());
    Records::transaction(visa.id, QDate(2026, 1, 4), -300).payee(QStringLiteral("Cafe")).addTo(state.core());
    PayeeScreen screen(state.services());
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    QSignalSpy changed(&screen, &PayeeScreen::payeesChanged);

    selectPayees(screen.list(), {QStringLiteral("AMZN Mktp")});
    auto *renameTo = child<QLineEdit>(&screen, "renameEdit");
    renameTo->setFocus();
    QTest::keyClicks(renameTo, QStringLiteral("  Amazon "));
    QString report;
    acceptBox(&report);
    QTest::keyClick(child<QPushButton>(&screen, "renameButton"), Qt::Key_Space);
    QCOMPARE(report, QStringLiteral("Renamed 2 transaction(s)."));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(listTexts(screen.list()), (QStringList{QStringLiteral("Amazon"), QStringLiteral("Cafe")}));

    // The rename is a change to push, stamped in the one timestamp form every row uses.
    const std::optional<Transaction> renamed = state->transactionRepository()->findById(other.id);
    QCOMPARE(renamed->payee, QStringLiteral("Amazon"));
    QCOMPARE(renamed->syncStatus, SyncStatus::Pending);
    QSqlQuery query(state->database()->connection());
    QVERIFY(query.exec(QStringLiteral("SELECT updated_at FROM transactions WHERE payee = 'Amazon'")));
    while (query.next())
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ$"))
                     .match(query.value(0).toString())
                     .hasMatch(),
                 qPrintable(query.value(0).toString()));
}

void TestPayeeAndCategoryScreens::renameToTheSameNameChangesNothing()
{
    TestState state;
    const Account checking = Records::account(QStringLiteral("Checking")).addTo(state.core());
    Records::transaction(checking.id, QDate(2026, 1, 2), -100)
        .payee(QStringLiteral("Cafe"))
        .addTo(state.core());
    PayeeScreen screen(state.services());
    selectPayees(screen.list(), {QStringLiteral("Cafe")});
    child<QLineEdit>(&screen, "renameEdit")->setText(QStringLiteral("Cafe"));
    QString report;
    acceptBox(&report);
    screen.onRename();
    QCOMPARE(report, QStringLiteral("Renamed 0 transaction(s)."));
}

void TestPayeeAndCategoryScreens::mergeIntoTheFirstSelected()
{
    TestState state;
    const Account checking = Records::account(QStringLiteral("Checking")).addTo(state.core());
    Records::transaction(checking.id, QDate(2026, 1, 2), -100)
        .payee(QStringLiteral("Acme"))
        .addTo(state.core());
    Records::transaction(checking.id, QDate(2026, 1, 3), -100)
        .payee(QStringLiteral("ACME Corp"))
        .addTo(state.core());
    Records::transaction(checking.id, QDate(2026, 1, 4), -100)
        .payee(QStringLiteral("ACME Corp"))
        .addTo(state.core());
    PayeeScreen screen(state.services());
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    QSignalSpy changed(&screen, &PayeeScreen::payeesChanged);
    selectPayees(screen.list(), {QStringLiteral("Acme"), QStringLiteral("ACME Corp")});

    QString question;
    QString report;
    whenModalShown([&](QWidget *modal) {
        question = static_cast<QMessageBox *>(modal)->text();
        static_cast<QMessageBox *>(modal)->button(QMessageBox::Yes)->click();
        acceptBox(&report);
    });
    QTest::keyClick(child<QPushButton>(&screen, "mergeButton"), Qt::Key_Space);
    // The list is in byte order, so "ACME Corp" is the first selected.
    QCOMPARE(question, QStringLiteral("Merge 2 payees into \"ACME Corp\"?"));
    QCOMPARE(report, QStringLiteral("Merged 1 transaction(s)."));
    QCOMPARE(listTexts(screen.list()), QStringList{QStringLiteral("ACME Corp")});
    QCOMPARE(changed.count(), 1);
}

void TestPayeeAndCategoryScreens::mergeNeedsTwo()
{
    TestState state;
    const Account checking = Records::account(QStringLiteral("Checking")).addTo(state.core());
    Records::transaction(checking.id, QDate(2026, 1, 2), -100)
        .payee(QStringLiteral("Acme"))
        .addTo(state.core());
    PayeeScreen screen(state.services());
    QSignalSpy changed(&screen, &PayeeScreen::payeesChanged);
    selectPayees(screen.list(), {QStringLiteral("Acme")});
    QString text;
    acceptBox(&text);
    screen.onMerge();
    QCOMPARE(text, QStringLiteral("Select 2 or more payees to merge."));
    QCOMPARE(changed.count(), 0);
}

void TestPayeeAndCategoryScreens::treeShowsOrphansAtTheTop()
{
    TestState state;
    const Category parent = Records::category(QStringLiteral("Home")).addTo(state.core());
    const Category child = Records::category(QStringLiteral("Repairs")).parent(parent.id).addTo(state.core());
    // A parent this device never had.
    const Category orphan = Records::category(QStringLiteral("Lost")).parent(newId());

    CategoryTreeModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QList<Category> categories = {parent, child, orphan};
    model.load(categories);
    // One heading, "Expense", holding the two top-level categories.
    QCOMPARE(model.rowCount(), 1);
    const QModelIndex expense = model.headingIndex(CategoryType::Expense);
    QVERIFY(model.isHeading(expense));
    QCOMPARE(model.rowCount(expense), 2);
    const QModelIndex home = model.indexOf(parent.id);
    QCOMPARE(home.parent(), expense);
    QCOMPARE(model.rowCount(home), 1);
    QCOMPARE(model.index(0, 0, home).data().toString(), QStringLiteral("Repairs"));
    QVERIFY(home.data(Qt::FontRole).value<QFont>().bold());
    QCOMPARE(model.indexOf(orphan.id).parent(), expense);

    // A parent cycle (from a peer's bad data) still shows every category.
    Category a = parent;
    Category b = child;
    a.parentId = b.id;
    model.load({a, b});
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.rowCount(model.headingIndex(CategoryType::Expense)), 1);
    QCOMPARE(model.rowCount(model.index(0, 0, model.headingIndex(CategoryType::Expense))), 1);
}

// Siblings read in name order whatever their ids, income and expense each under a heading of its
// own, types and tax lines in words.
void TestPayeeAndCategoryScreens::treeSortsByNameUnderTypeHeadings()
{
    Category utilities = Records::category(QStringLiteral("utilities")).type(CategoryType::Expense);
    Category water =
        Records::category(QStringLiteral("Water")).type(CategoryType::Expense).parent(utilities.id);
    Category electric =
        Records::category(QStringLiteral("Electric")).type(CategoryType::Expense).parent(utilities.id);
    Category auto_ = Records::category(QStringLiteral("Auto")).type(CategoryType::Expense);
    const Category salary = Records::category(QStringLiteral("Salary")).type(CategoryType::Income);
    const Category interest = Records::category(QStringLiteral("Interest Income"))
                                  .type(CategoryType::Income)
                                  .taxCategory(QStringLiteral("interest_income"));
    // Ids ordered against the names: id order would read backwards.
    utilities.id = QStringLiteral("1");
    auto_.id = QStringLiteral("2");
    water.parentId = electric.parentId = utilities.id;

    CategoryTreeModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.load({utilities, water, electric, auto_, salary, interest});
    QCOMPARE(model.rowCount(), 2);
    const QModelIndex income = model.index(0, 0);
    const QModelIndex expense = model.index(1, 0);
    QCOMPARE(income.data().toString(), QStringLiteral("Income"));
    QCOMPARE(expense.data().toString(), QStringLiteral("Expense"));
    QVERIFY(!model.category(income));

    const auto names = [&model](const QModelIndex &parent) {
        QStringList list;
        for (int row = 0; row < model.rowCount(parent); ++row)
            list.append(model.index(row, 0, parent).data().toString());
        return list;
    };
    QCOMPARE(names(income), (QStringList{QStringLiteral("Interest Income"), QStringLiteral("Salary")}));
    QCOMPARE(names(expense), (QStringList{QStringLiteral("Auto"), QStringLiteral("utilities")}));
    QCOMPARE(names(model.indexOf(utilities.id)),
             (QStringList{QStringLiteral("Electric"), QStringLiteral("Water")}));

    const QModelIndex interestRow = model.indexOf(interest.id);
    QCOMPARE(interestRow.siblingAtColumn(CategoryTreeModel::TypeColumn).data().toString(),
             QStringLiteral("Income"));
    QCOMPARE(model.indexOf(auto_.id).siblingAtColumn(CategoryTreeModel::TypeColumn).data().toString(),
             QStringLiteral("Expense"));
    QCOMPARE(interestRow.siblingAtColumn(CategoryTreeModel::TaxCodeColumn).data().toString(),
             QStringLiteral("Interest income"));
}

void TestPayeeAndCategoryScreens::createRenameAndDeleteInTheTree()
{
    CategoryFixture fixture;
    CategoryRepository *categories = &fixture.categories;
    CategoriesScreen screen(categories);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    const auto expense = [&screen] {
        return screen.model()->headingIndex(CategoryType::Expense);
    };
    const int topLevel = screen.model()->rowCount(expense());

    // Nothing selected: a top-level category.
    screen.view()->setCurrentIndex({});
    QString title;
    answerInput(QStringLiteral("Pets"), &title);
    QTest::keyClick(child<QPushButton>(&screen, "newCategoryButton"), Qt::Key_Space);
    QCOMPARE(title, QStringLiteral("New Category"));
    QCOMPARE(screen.model()->rowCount(expense()), topLevel + 1);
    const std::optional<Category> pets = categories->findByName(QStringLiteral("Pets"));
    QVERIFY(pets);
    QVERIFY(pets->parentId.isEmpty());

    // A top-level category selected: the new one goes under it.
    screen.view()->setCurrentIndex(screen.model()->indexOf(pets->id));
    answerInput(QStringLiteral("Vet"));
    screen.onCreateCategory();
    const std::optional<Category> vet = categories->findByName(QStringLiteral("Vet"));
    QVERIFY(vet);
    QCOMPARE(vet->parentId, pets->id);

    // A sub-category selected: top level again.
    screen.view()->setCurrentIndex(screen.model()->indexOf(vet->id));
    answerInput(QStringLiteral("Toys"));
    screen.onCreateCategory();
    QVERIFY(categories->findByName(QStringLiteral("Toys"))->parentId.isEmpty());

    // Rename from the keyboard (F2), with the old name offered.
    screen.view()->setCurrentIndex(screen.model()->indexOf(vet->id));
    // Shortcuts go to the active window; the dialogs above took that away.
    screen.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&screen));
    screen.view()->setFocus();
    QString prefilled;
    answerInput(QStringLiteral("Veterinary"), &title, &prefilled);
    QTest::keyClick(screen.view(), Qt::Key_F2);
    QCOMPARE(title, QStringLiteral("Edit Category"));
    QCOMPARE(prefilled, QStringLiteral("Vet"));
    QCOMPARE(categories->findById(vet->id)->name, QStringLiteral("Veterinary"));

    // A blank name changes nothing.
    answerInput(QStringLiteral("   "));
    screen.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&screen));
    QTest::keyClick(screen.view(), Qt::Key_F2);
    QCOMPARE(categories->findById(vet->id)->name, QStringLiteral("Veterinary"));

    // Delete asks, then removes it from the tree.
    screen.view()->setCurrentIndex(screen.model()->indexOf(pets->id));
    screen.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&screen));
    QString question;
    acceptBox(&question);
    QTest::keyClick(screen.view(), Qt::Key_Delete);
    QCOMPARE(question,
             QStringLiteral("Delete \"Pets\"? Transactions using this category will become uncategorized."));
    QVERIFY(!screen.model()->indexOf(pets->id).isValid());
    // Its child stays, now at the top of its heading.
    QCOMPARE(screen.model()->indexOf(vet->id).parent(), expense());

    // Under the Income heading a new category is an income category; one under it is income too.
    screen.view()->setCurrentIndex(screen.model()->headingIndex(CategoryType::Income));
    answerInput(QStringLiteral("Bonus"));
    screen.onCreateCategory();
    const std::optional<Category> bonus = categories->findByName(QStringLiteral("Bonus"));
    QVERIFY(bonus);
    QCOMPARE(bonus->type, CategoryType::Income);
    QVERIFY(bonus->parentId.isEmpty());
    screen.view()->setCurrentIndex(screen.model()->indexOf(bonus->id));
    answerInput(QStringLiteral("Year End"));
    screen.onCreateCategory();
    const std::optional<Category> yearEnd = categories->findByName(QStringLiteral("Year End"));
    QVERIFY(yearEnd);
    QCOMPARE(yearEnd->type, CategoryType::Income);
    QCOMPARE(yearEnd->parentId, bonus->id);
    // A heading is no category: nothing to rename or delete.
    screen.view()->setCurrentIndex(screen.model()->headingIndex(CategoryType::Income));
    screen.onEditCategory();
    screen.onDeleteCategory();
    QVERIFY(categories->findByName(QStringLiteral("Bonus")));
}

QTEST_MAIN(TestPayeeAndCategoryScreens)
#include "tst_payeeandcategoryscreens.moc"
