#pragma once

#include <QDate>
#include <QString>

#include <functional>

class QKeyEvent;
class QWidget;

// The one text form of a date in every editor and cell: M/d/yyyy.
QString dateToEditText(const QDate &date);

// Reads M/d/yyyy, MM/dd/yyyy, M/d/yy or MM/dd/yy. A two-digit year 00-69 is 2000-2069 and 70-99 is
// 1900-1999, so 1/5/24 is 5 January 2024. Returns an invalid date when the text is none of these.
QDate dateFromEditText(const QString &text);

// The single-key date shortcuts (t, +/=, -, m, h, y, r, w, k). Applies the key to date (an invalid
// date counts as today) and returns whether the key was one of them. Weeks run Sunday to Saturday
// whatever the locale says.
bool applyDateShortcut(const QKeyEvent *event, QDate &date);

// Opens a calendar popup under the editor's bottom-left corner, preselected on date (today when
// invalid). A picked day is handed to onPicked and closes the popup, which deletes itself.
void openDatePopup(QWidget *editor, const QDate &date, const std::function<void(const QDate &)> &onPicked);
