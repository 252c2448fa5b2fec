#include "registerfixture.h"

#include "data/category.h"
#include "ui/register/registerdelegate.h"

#include <QComboBox>
#include <QStandardPaths>
#include <QStyleOptionViewItem>

class TestRegisterDelegate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void payeeListOffersTransfersToOtherAccountsOnly();
    void categoryItemsShowOneParentLevel();
    void categoryEditorResolvesTheIdOfTheTextItShows();
};

void TestRegisterDelegate::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestRegisterDelegate::payeeListOffersTransfersToOtherAccountsOnly()
{
    RegisterFixture fixture;
    QVERIFY(fixture.start());
    const QString checking = fixture.addAccount(QStringLiteral("Checking"));
    const QString savings = fixture.addAccount(QStringLiteral("Savings"));
    fixture.addAccount(QStringLiteral("Visa"));
    fixture.addTransaction(savings, QDate(2024, 1, 1), QStringLiteral("Bakery"), -100);
    // A payee that already reads like a transfer entry is not offered twice.
    fixture.addTransaction(savings, QDate(2024, 1, 2), QStringLiteral("[Transfer] Visa"), -100);

    RegisterDelegate delegate(screenServicesOf(fixture.state()));
    delegate.setAccountId(checking);
    QCOMPARE(delegate.payeeList(), (QStringList{QStringLiteral("Bakery"), QStringLiteral("[Transfer] Visa"),
                                                QStringLiteral("[Transfer] Savings")}));

    // New payees and accounts show up the next time the list is asked for.
    fixture.addTransaction(checking, QDate(2024, 1, 3), QStringLiteral("Apothecary"), -100);
    fixture.addAccount(QStringLiteral("Brokerage"));
    QCOMPARE(delegate.payeeList(),
             (QStringList{QStringLiteral("Apothecary"), QStringLiteral("Bakery"),
                          QStringLiteral("[Transfer] Visa"), QStringLiteral("[Transfer] Brokerage"),
                          QStringLiteral("[Transfer] Savings")}));
    delegate.setAccountId(savings);
    QVERIFY(delegate.payeeList().contains(QStringLiteral("[Transfer] Checking")));
    QVERIFY(!delegate.payeeList().contains(QStringLiteral("[Transfer] Savings")));
}

void TestRegisterDelegate::categoryItemsShowOneParentLevel()
{
    Category utilities;
    utilities.id = QStringLiteral("u");
    utilities.name = QStringLiteral("Utilities");
    Category electric;
    electric.id = QStringLiteral("e");
    electric.name = QStringLiteral("Electric");
    electric.parentId = QStringLiteral("u");
    Category orphan;
    orphan.id = QStringLiteral("o");
    orphan.name = QStringLiteral("Orphan");
    orphan.parentId = QStringLiteral("gone");
    Category grandchild;
    grandchild.id = QStringLiteral("g");
    grandchild.name = QStringLiteral("Peak");
    grandchild.parentId = QStringLiteral("e");

    const auto items = RegisterDelegate::categoryItems({electric, orphan, grandchild, utilities});
    const QList<QPair<QString, QString>> expected = {
        {QString(), QString()},
        {QStringLiteral("Utilities > Electric"), QStringLiteral("e")},
        {QStringLiteral("Orphan"), QStringLiteral("o")},
        {QStringLiteral("Electric > Peak"), QStringLiteral("g")},
        {QStringLiteral("Utilities"), QStringLiteral("u")}};
    QCOMPARE(items, expected);
}

void TestRegisterDelegate::categoryEditorResolvesTheIdOfTheTextItShows()
{
    RegisterFixture fixture;
    QVERIFY(fixture.start());
    const QString checking = fixture.addAccount(QStringLiteral("Checking"));
    QVERIFY(fixture.open(checking));
    RegisterModel *model = fixture.model();
    const QModelIndex category = model->index(model->blankRow(), RegisterModel::CategoryColumn);
    const auto electric = fixture.state()->categoryRepository()->findByName(QStringLiteral("Electric"));
    QVERIFY(electric);

    RegisterDelegate delegate(screenServicesOf(fixture.state()));
    QWidget host;
    std::unique_ptr<QWidget> editor(delegate.createEditor(&host, QStyleOptionViewItem(), category));
    auto *combo = qobject_cast<QComboBox *>(editor.get());
    QVERIFY(combo);
    QCOMPARE(combo->itemText(0), QString());
    combo->setCurrentIndex(combo->findText(QStringLiteral("Utilities > Electric")));
    QCOMPARE(combo->property("_corvantisCategoryId").toString(), electric->id);
    delegate.setModelData(combo, model, category);
    QCOMPARE(model->pendingEdit().category, QStringLiteral("Utilities > Electric"));
    QCOMPARE(model->pendingEdit().categoryId, electric->id);

    // Typed over, the old item no longer applies: the text is resolved by name at commit.
    combo->setEditText(QStringLiteral("Something new"));
    delegate.setModelData(combo, model, category);
    QCOMPARE(model->pendingEdit().category, QStringLiteral("Something new"));
    QCOMPARE(model->pendingEdit().categoryId, QString());
}

QTEST_MAIN(TestRegisterDelegate)
#include "tst_registerdelegate.moc"
