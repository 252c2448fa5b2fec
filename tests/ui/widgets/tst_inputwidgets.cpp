#include "ui/widgets/datefield.h"
#include "ui/widgets/dateinput.h"
#include "ui/widgets/elidedlabel.h"
#include "ui/widgets/smartamountfield.h"
#include "ui/widgets/smartdateedit.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include <memory>

class TestInputWidgets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void dateShortcuts_data();
    void dateShortcuts();
    void dateParsing_data();
    void dateParsing();
    void dateFieldAppliesShortcutsFromTheKeyboard();
    void dateFieldSnapsBackOnFocusOut();
    void dateFieldAcceptsATypedDate();
    void shortcutsStartFromTheHeldDate_data();
    void shortcutsStartFromTheHeldDate();
    void smartDateEditLeavesItsTextToTheDelegate();
    void calendarOpensWithF4AndPicksWithEnter();
    void amountSeparatorJumpsToCents_data();
    void amountSeparatorJumpsToCents();
    void elidedLabelKeepsTheFullText();
};

void TestInputWidgets::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestInputWidgets::dateShortcuts_data()
{
    QTest::addColumn<QDate>("current");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QDate>("expected");

    QTest::newRow("plus crosses the month") << QDate(2024, 1, 31) << "+" << QDate(2024, 2, 1);
    QTest::newRow("equals is plus") << QDate(2024, 12, 31) << "=" << QDate(2025, 1, 1);
    QTest::newRow("minus crosses the year") << QDate(2024, 1, 1) << "-" << QDate(2023, 12, 31);
    QTest::newRow("m first of month") << QDate(2024, 5, 17) << "m" << QDate(2024, 5, 1);
    QTest::newRow("h leap February") << QDate(2024, 2, 3) << "h" << QDate(2024, 2, 29);
    QTest::newRow("h plain February") << QDate(2023, 2, 3) << "h" << QDate(2023, 2, 28);
    QTest::newRow("y first of year") << QDate(2024, 5, 17) << "y" << QDate(2024, 1, 1);
    QTest::newRow("r last of year") << QDate(2024, 5, 17) << "r" << QDate(2024, 12, 31);
    QTest::newRow("w on a Sunday stays") << QDate(2024, 3, 10) << "w" << QDate(2024, 3, 10);
    QTest::newRow("w on a Monday goes to Sunday") << QDate(2024, 3, 11) << "w" << QDate(2024, 3, 10);
    QTest::newRow("w on a Saturday") << QDate(2024, 3, 16) << "w" << QDate(2024, 3, 10);
    QTest::newRow("k on a Saturday stays") << QDate(2024, 3, 16) << "k" << QDate(2024, 3, 16);
    QTest::newRow("k on a Sunday goes 6 ahead") << QDate(2024, 3, 10) << "k" << QDate(2024, 3, 16);
    QTest::newRow("k on a Wednesday") << QDate(2024, 3, 13) << "k" << QDate(2024, 3, 16);
    QTest::newRow("upper-case T is today") << QDate(2000, 1, 1) << "T" << QDate::currentDate();
    QTest::newRow("invalid date counts as today") << QDate() << "+" << QDate::currentDate().addDays(1);
    QTest::newRow("other keys are not shortcuts") << QDate(2024, 1, 1) << "x" << QDate();
    QTest::newRow("digits are not shortcuts") << QDate(2024, 1, 1) << "1" << QDate();
}

void TestInputWidgets::dateShortcuts()
{
    QFETCH(QDate, current);
    QFETCH(QString, key);
    QFETCH(QDate, expected);

    QKeyEvent event(QEvent::KeyPress, 0, Qt::NoModifier, key);
    QDate date = current;
    const bool handled = applyDateShortcut(&event, date);
    QCOMPARE(handled, expected.isValid());
    if (handled)
        QCOMPARE(date, expected);
    else
        QCOMPARE(date, current);
}

void TestInputWidgets::dateParsing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected");

    QTest::newRow("M/d/yyyy") << "1/5/2024" << QDate(2024, 1, 5);
    QTest::newRow("MM/dd/yyyy") << "01/05/2024" << QDate(2024, 1, 5);
    QTest::newRow("year end") << "12/31/2023" << QDate(2023, 12, 31);
    QTest::newRow("two-digit year 24 is 2024") << "1/5/24" << QDate(2024, 1, 5);
    QTest::newRow("two-digit year 69 is 2069") << "01/05/69" << QDate(2069, 1, 5);
    QTest::newRow("two-digit year 70 is 1970") << "1/5/70" << QDate(1970, 1, 5);
    QTest::newRow("two-digit year 99 is 1999") << "12/31/99" << QDate(1999, 12, 31);
    QTest::newRow("leap day of 2000 by two digits") << "2/29/00" << QDate(2000, 2, 29);
    QTest::newRow("a word") << "tomorrow" << QDate();
    QTest::newRow("no such day") << "2/30/2024" << QDate();
    QTest::newRow("three-digit year") << "1/5/202" << QDate();
    QTest::newRow("empty") << "" << QDate();
}

void TestInputWidgets::dateParsing()
{
    QFETCH(QString, text);
    QFETCH(QDate, expected);
    QCOMPARE(dateFromEditText(text), expected);
}

void TestInputWidgets::dateFieldAppliesShortcutsFromTheKeyboard()
{
    DateField field;
    field.setDate(QDate(2024, 1, 31));
    QSignalSpy changed(&field, &DateField::dateChanged);
    field.show();
    field.setFocus();

    QTest::keyClick(&field, Qt::Key_Plus, Qt::NoModifier);
    QCOMPARE(field.date(), QDate(2024, 2, 1));
    QCOMPARE(field.text(), QStringLiteral("2/1/2024"));
    QCOMPARE(field.selectedText(), field.text());
    QCOMPARE(changed.count(), 1);

    QTest::keyClick(&field, Qt::Key_H);
    QCOMPARE(field.date(), QDate(2024, 2, 29));
    // "h" again changes nothing, so nothing is announced.
    QTest::keyClick(&field, Qt::Key_H);
    QCOMPARE(changed.count(), 2);
}

void TestInputWidgets::dateFieldSnapsBackOnFocusOut()
{
    QWidget window;
    auto *field = new DateField(&window);
    auto *other = new QLineEdit(&window);
    field->setDate(QDate(2024, 3, 15));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    field->setFocus();
    QSignalSpy changed(field, &DateField::dateChanged);

    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("soon"));
    other->setFocus();
    QCOMPARE(field->text(), QStringLiteral("3/15/2024"));
    QCOMPARE(field->date(), QDate(2024, 3, 15));
    QCOMPARE(changed.count(), 0);
}

void TestInputWidgets::dateFieldAcceptsATypedDate()
{
    QWidget window;
    auto *field = new DateField(&window);
    auto *other = new QLineEdit(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    field->setFocus();
    QSignalSpy changed(field, &DateField::dateChanged);

    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("1/5/24"));
    other->setFocus();
    QCOMPARE(field->date(), QDate(2024, 1, 5));
    QCOMPARE(field->text(), QStringLiteral("1/5/2024"));
    QCOMPARE(changed.count(), 1);
}

void TestInputWidgets::shortcutsStartFromTheHeldDate_data()
{
    QTest::addColumn<bool>("inRegister");
    QTest::newRow("DateField") << false;
    QTest::newRow("SmartDateEdit") << true;
}

// Both editors take a shortcut from the date they hold, never from text typed but not yet read,
// and always show the date the shortcut chose, even when it is the one they already held.
void TestInputWidgets::shortcutsStartFromTheHeldDate()
{
    QFETCH(bool, inRegister);
    std::unique_ptr<DateField> field(inRegister ? new SmartDateEdit : new DateField);
    field->setDate(QDate(2024, 3, 1));
    field->show();
    field->setFocus();
    QSignalSpy changed(field.get(), &DateField::dateChanged);

    field->selectAll();
    QTest::keyClicks(field.get(), QStringLiteral("3/20/2024"));
    QTest::keyClick(field.get(), Qt::Key_M);
    QCOMPARE(field->date(), QDate(2024, 3, 1));
    QCOMPARE(field->text(), QStringLiteral("3/1/2024"));
    QCOMPARE(field->selectedText(), field->text());
    QCOMPARE(changed.count(), 0);

    QTest::keyClicks(field.get(), QStringLiteral("3/20/2024"));
    QTest::keyClick(field.get(), Qt::Key_Plus);
    QCOMPARE(field->date(), QDate(2024, 3, 2));
    QCOMPARE(field->text(), QStringLiteral("3/2/2024"));
    QCOMPARE(changed.count(), 1);
}

void TestInputWidgets::smartDateEditLeavesItsTextToTheDelegate()
{
    QWidget window;
    auto *edit = new SmartDateEdit(&window);
    auto *other = new QLineEdit(&window);
    edit->setDate(QDate(2024, 3, 15));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    edit->setFocus();

    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("soon"));
    other->setFocus();
    QCOMPARE(edit->text(), QStringLiteral("soon"));
    QCOMPARE(edit->date(), QDate(2024, 3, 15));
}

void TestInputWidgets::calendarOpensWithF4AndPicksWithEnter()
{
    QWidget window;
    auto *field = new DateField(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    field->setDate(QDate(2024, 6, 10));
    field->setFocus();

    QTest::keyClick(field, Qt::Key_F4);
    auto *calendar = field->findChild<QCalendarWidget *>();
    QVERIFY(calendar);
    QTRY_VERIFY(calendar->isVisible());
    QCOMPARE(calendar->selectedDate(), QDate(2024, 6, 10));

    // Move one day on inside the calendar's grid and pick it with Enter.
    auto *grid = calendar->findChild<QWidget *>(QStringLiteral("qt_calendar_calendarview"));
    QVERIFY(grid);
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Return);
    QCOMPARE(field->date(), QDate(2024, 6, 11));
    QTRY_VERIFY(!field->findChild<QCalendarWidget *>());
}

void TestInputWidgets::amountSeparatorJumpsToCents_data()
{
    QTest::addColumn<QString>("separator");
    QTest::newRow("comma") << ",";
    QTest::newRow("point") << ".";
}

void TestInputWidgets::amountSeparatorJumpsToCents()
{
    QFETCH(QString, separator);
    SmartAmountField field;
    field.setLocale(QLocale::c());
    field.setRange(0, 1000000);
    field.show();
    field.setFocus();
    field.setValue(12.34);
    auto *edit = field.findChild<QLineEdit *>();
    QVERIFY(edit);
    edit->setCursorPosition(0);

    QTest::keyClick(&field, separator.front().toLatin1());
    QCOMPARE(edit->text(), QStringLiteral("12.34"));
    QCOMPARE(edit->cursorPosition(), 3);
    QVERIFY(!edit->hasSelectedText());

    // The cents are typed over from there.
    edit->setSelection(3, 2);
    QTest::keyClicks(&field, QStringLiteral("56"));
    QCOMPARE(field.value(), 12.56);
}

void TestInputWidgets::elidedLabelKeepsTheFullText()
{
    const QString text = QStringLiteral("A payee with a rather long name that cannot fit");
    ElidedLabel label(text);
    QCOMPARE(label.fullText(), text);
    QCOMPARE(label.minimumSizeHint().width(), 0);
    QCOMPARE(label.sizeHint().width(), label.fontMetrics().horizontalAdvance(text));
    QCOMPARE(label.sizePolicy().horizontalPolicy(), QSizePolicy::Ignored);
}

QTEST_MAIN(TestInputWidgets)
#include "tst_inputwidgets.moc"
