#include "registerfixture.h"

#include "data/category.h"
#include "support/recordbuilders.h"
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
    const QString checking = Records::account(QStringLiteral("Checking")).addTo(fixture.core()).id;
    const QString savings = Records::account(QStringLiteral("Savings")).addTo(fixture.core()).id;
    Records::account(QStringLiteral("Visa")).addTo(fixture.core());
    Records::transaction(savings, QDate(2024, 1, 1), -100)
        .payee(QStringLiteral("Bakery"))
        .addTo(fixture.core());
    // A payee that already reads like a transfer entry is not offered twice.
    Records::transaction(savings, QDate(2024, 1, 2), -100)
        .payee(QStringLiteral("[Transfer] Visa"))
        .addTo(fixture.core());

    RegisterDelegate delegate(screenServicesOf(fixture.state()));
    delegate.setAccountId(checking);
    QCOMPARE(delegate.payeeList(), (QStringList{QStringLiteral("Bakery"), QStringLiteral("[Transfer] Visa"),
                                                QStringLiteral("[Transfer] Savings")}));

    // New payees and accounts show up the next time the list is asked for.
    Records::transaction(checking, QDate(2024, 1, 3), -100)
        .payee(QStringLiteral("Apothecary"))
        .addTo(fixture.core());
    Records::account(QStringLiteral("Brokerage")).addTo(fixture.core());
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
    const Category utilities = Records::category(QStringLiteral("Utilities")).id(QStringLiteral("u"));
    const Category electric =
        Records::category(QStringLiteral("Electric")).id(QStringLiteral("e")).parent(QStringLiteral("u"));
    const Category orphan =
        Records::category(QStringLiteral("Orphan")).id(QStringLiteral("o")).parent(QStringLiteral("gone"));
    const Category grandchild =
        Records::category(QStringLiteral("Peak")).id(QStringLiteral("g")).parent(QStringLiteral("e"));

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
    const QString checking = Records::account(QStringLiteral("Checking")).addTo(fixture.core()).id;
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
