#include "dateinput.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLocale>
#include <QRegularExpression>
#include <QWidget>

QString dateToEditText(const QDate &date)
{
    return date.toString(QStringLiteral("M/d/yyyy"));
}

QDate dateFromEditText(const QString &text)
{
    // Equivalent to trying M/d/yyyy, MM/dd/yyyy, M/d/yy and MM/dd/yy in turn, but with a two-digit
    // year pivot that keeps recent years in this century. Parsing "yy" through Qt would put 24 in
    // 1924 and would also lose 2/29/00 (1900 was no leap year).
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{4}|\\d{2})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return {};
    const int month = match.captured(1).toInt();
    const int day = match.captured(2).toInt();
    const QString yearText = match.captured(3);
    int year = yearText.toInt();
    if (yearText.size() == 2)
        year += year < 70 ? 2000 : 1900;
    return QDate(year, month, day);
}

bool applyDateShortcut(const QKeyEvent *event, QDate &date)
{
    const QString key = event->text().toLower();
    if (key.isEmpty())
        return false;
    const QDate current = date.isValid() ? date : QDate::currentDate();
    const int dayOfWeek = current.dayOfWeek();
    QDate result;
    if (key == u"t")
        result = QDate::currentDate();
    else if (key == u"+" || key == u"=")
        result = current.addDays(1);
    else if (key == u"-")
        result = current.addDays(-1);
    else if (key == u"m")
        result = QDate(current.year(), current.month(), 1);
    else if (key == u"h")
        result = QDate(current.year(), current.month(), current.daysInMonth());
    else if (key == u"y")
        result = QDate(current.year(), 1, 1);
    else if (key == u"r")
        result = QDate(current.year(), 12, 31);
    else if (key == u"w")
        result = dayOfWeek == Qt::Sunday ? current : current.addDays(-dayOfWeek);
    else if (key == u"k")
        result = dayOfWeek == Qt::Sunday ? current.addDays(6) : current.addDays(6 - dayOfWeek);
    else
        return false;
    date = result;
    return true;
}

static Qt::DayOfWeek systemFirstDayOfWeek()
{
    static const Qt::DayOfWeek firstDay = QLocale::system().firstDayOfWeek();
    return firstDay;
}

void openDatePopup(QWidget *editor, const QDate &date, const std::function<void(const QDate &)> &onPicked)
{
    auto *calendar = new QCalendarWidget(editor);
    calendar->setWindowFlags(Qt::Popup);
    calendar->setAttribute(Qt::WA_DeleteOnClose);
    calendar->setFirstDayOfWeek(systemFirstDayOfWeek());
    calendar->setLocale(QLocale::system());
    calendar->setGridVisible(true);
    calendar->setSelectedDate(date.isValid() ? date : QDate::currentDate());
    const auto pick = [calendar, onPicked](QDate picked) {
        onPicked(picked);
        calendar->close();
    };
    QObject::connect(calendar, &QCalendarWidget::clicked, calendar, pick);
    // Enter on a day picks it too, so the popup works without a mouse.
    QObject::connect(calendar, &QCalendarWidget::activated, calendar, pick);
    calendar->move(editor->mapToGlobal(editor->rect().bottomLeft()));
    calendar->show();
    calendar->setFocus();
}
