#include "app/windowclosekeys.h"

#include <QApplication>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

// A window with a field and an editable table, closing with Esc and Ctrl+W.
class TestWindowCloseKeys : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void keysClose_data();
    void keysClose();
    void escapeEndsAnOpenCellEditorFirst();

private:
    std::unique_ptr<QWidget> m_window;
    QLineEdit *m_field = nullptr;
    QTableWidget *m_table = nullptr;
};

void TestWindowCloseKeys::init()
{
    m_window = std::make_unique<QWidget>();
    auto *layout = new QVBoxLayout(m_window.get());
    m_field = new QLineEdit(m_window.get());
    m_table = new QTableWidget(2, 2, m_window.get());
    m_table->setItem(0, 0, new QTableWidgetItem(QStringLiteral("cell")));
    layout->addWidget(m_field);
    layout->addWidget(m_table);
    WindowCloseKeys::install(m_window.get());
    WindowCloseKeys::install(m_window.get());
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestWindowCloseKeys::cleanup()
{
    m_window.reset();
}

void TestWindowCloseKeys::keysClose_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("closes");
    QTest::newRow("Esc") << int(Qt::Key_Escape) << Qt::KeyboardModifiers() << true;
    QTest::newRow("Ctrl+W") << int(Qt::Key_W) << Qt::KeyboardModifiers(Qt::ControlModifier) << true;
    QTest::newRow("W alone is typing") << int(Qt::Key_W) << Qt::KeyboardModifiers() << false;
    QTest::newRow("Ctrl+Shift+W") << int(Qt::Key_W)
                                  << Qt::KeyboardModifiers(Qt::ControlModifier | Qt::ShiftModifier) << false;
}

void TestWindowCloseKeys::keysClose()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, closes);
    m_field->setFocus();
    QTest::keyClick(m_field, Qt::Key(key), modifiers);
    QCOMPARE(m_window->isVisible(), !closes);
    QCOMPARE(m_window->findChildren<WindowCloseKeys *>().size(), 1);
}

void TestWindowCloseKeys::escapeEndsAnOpenCellEditorFirst()
{
    m_table->setFocus();
    m_table->setCurrentCell(0, 0);
    QTest::keyClick(m_table, Qt::Key_F2);
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY(editor);
    QVERIFY(m_table->isAncestorOf(editor));
    QTest::keyClicks(editor, QStringLiteral("typed"));

    QTest::keyClick(editor, Qt::Key_Escape);
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_table->item(0, 0)->text(), QStringLiteral("cell"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!m_window->isVisible());
}

QTEST_MAIN(TestWindowCloseKeys)
#include "tst_windowclosekeys.moc"
