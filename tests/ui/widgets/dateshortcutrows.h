#pragma once

#include <QDate>
#include <QString>
#include <QTest>

// One table of the single-key date shortcuts for every place a date is edited, so the register's
// cell and the forms' field cannot drift apart again. Each row: the date the editor shows, the
// key typed, the date it must show afterwards.
inline void addDateShortcutRows()
{
    QTest::addColumn<QDate>("shown");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QDate>("expected");

    QTest::newRow("t is today") << QDate(2024, 3, 15) << "t" << QDate::currentDate();
    QTest::newRow("upper-case T is today") << QDate(2024, 3, 15) << "T" << QDate::currentDate();
    QTest::newRow("plus crosses the month") << QDate(2024, 1, 31) << "+" << QDate(2024, 2, 1);
    QTest::newRow("equals is plus") << QDate(2024, 12, 31) << "=" << QDate(2025, 1, 1);
    QTest::newRow("minus crosses the year") << QDate(2024, 1, 1) << "-" << QDate(2023, 12, 31);
    QTest::newRow("m first of month") << QDate(2024, 5, 17) << "m" << QDate(2024, 5, 1);
    QTest::newRow("h leap February") << QDate(2024, 2, 3) << "h" << QDate(2024, 2, 29);
    QTest::newRow("y first of year") << QDate(2024, 5, 17) << "y" << QDate(2024, 1, 1);
    QTest::newRow("r last of year") << QDate(2024, 5, 17) << "r" << QDate(2024, 12, 31);
    QTest::newRow("w on a Wednesday goes to Sunday") << QDate(2024, 3, 13) << "w" << QDate(2024, 3, 10);
    QTest::newRow("w on a Sunday stays") << QDate(2024, 3, 10) << "w" << QDate(2024, 3, 10);
    QTest::newRow("k on a Sunday goes 6 ahead") << QDate(2024, 3, 10) << "k" << QDate(2024, 3, 16);
    QTest::newRow("k on a Saturday stays") << QDate(2024, 3, 16) << "k" << QDate(2024, 3, 16);
}
