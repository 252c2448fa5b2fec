#include "data/categoryrepository.h"
#include "support/recordbuilders.h"
#include "support/testdatabase.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

class TestCategoryRepository : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void allSortsByteWiseAndSkipsDeleted();
    void emptyParentAndAccountAreStoredAsNull();
    void unknownParentFailsOnTheForeignKey();
    void softDeleteLeavesChildrenAlone();
    void findByNameIsExactAndLiveOnly();

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<CategoryRepository> m_categories;
};

void TestCategoryRepository::init()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY(m_db->isReady());
    m_categories = std::make_unique<CategoryRepository>(m_db->database());
}

void TestCategoryRepository::cleanup()
{
    m_categories.reset();
    m_db.reset();
}

void TestCategoryRepository::allSortsByteWiseAndSkipsDeleted()
{
    const Category fees = Records::category(QStringLiteral("Fees"));
    QVERIFY(m_categories->insert(fees));
    for (const QString &name : {QStringLiteral("auto"), QStringLiteral("Auto"), QStringLiteral("ATM Fees"),
                                QStringLiteral("Deleted")}) {
        QVERIFY(m_categories->insert(Records::category(name).parent(fees.id)));
    }
    QVERIFY(m_categories->softDelete(m_categories->findByName(QStringLiteral("Deleted"))->id));

    QStringList names;
    for (const Category &category : m_categories->all())
        names.append(category.name);
    QCOMPARE(names, (QStringList{QStringLiteral("ATM Fees"), QStringLiteral("Auto"), QStringLiteral("Fees"),
                                 QStringLiteral("auto")}));
    QCOMPARE(m_categories->countLive(), 4);
    QCOMPARE(m_categories->pending().size(), 5);
}

void TestCategoryRepository::emptyParentAndAccountAreStoredAsNull()
{
    Category category = Records::category(QStringLiteral("Top"));
    category.type = CategoryType::Income;
    category.isTaxRelevant = true;
    category.taxCategory = QStringLiteral("interest_income");
    QVERIFY(m_categories->insert(category));
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT parent_id IS NULL AND account_id IS NULL FROM categories"))
                 .toInt(),
             1);
    QCOMPARE(m_categories->findById(category.id), std::optional<Category>(category));

    category.name = QStringLiteral("Renamed");
    QVERIFY(m_categories->update(category));
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT parent_id IS NULL FROM categories")).toInt(), 1);
}

void TestCategoryRepository::unknownParentFailsOnTheForeignKey()
{
    QSignalSpy changed(m_categories.get(), &CategoryRepository::categoriesChanged);
    QTest::ignoreMessage(
        QtWarningMsg, QRegularExpression(QStringLiteral("^CategoryRepository::insert failed: FOREIGN KEY")));
    QVERIFY(
        !m_categories->insert(Records::category(QStringLiteral("Child")).parent(QStringLiteral("missing"))));
    QCOMPARE(changed.count(), 0);
}

void TestCategoryRepository::softDeleteLeavesChildrenAlone()
{
    const Category parent = Records::category(QStringLiteral("Parent"));
    const Category child = Records::category(QStringLiteral("Child")).parent(parent.id);
    QVERIFY(m_categories->insert(parent));
    QVERIFY(m_categories->insert(child));
    QSignalSpy changed(m_categories.get(), &CategoryRepository::categoriesChanged);
    QVERIFY(m_categories->softDelete(parent.id));
    QCOMPARE(changed.count(), 1);
    const std::optional<Category> stored = m_categories->findById(child.id);
    QCOMPARE(stored->parentId, parent.id);
    QVERIFY(!stored->deletedAt.has_value());
    QVERIFY(m_categories->findById(parent.id)->deletedAt.has_value());
}

void TestCategoryRepository::findByNameIsExactAndLiveOnly()
{
    const Category groceries = Records::category(QStringLiteral("Groceries"));
    QVERIFY(m_categories->insert(groceries));
    QCOMPARE(m_categories->findByName(QStringLiteral("Groceries"))->id, groceries.id);
    QVERIFY(!m_categories->findByName(QStringLiteral("groceries")));
    QVERIFY(m_categories->softDelete(groceries.id));
    QVERIFY(!m_categories->findByName(QStringLiteral("Groceries")));
}

QTEST_GUILESS_MAIN(TestCategoryRepository)
#include "tst_categoryrepository.moc"
