#include "weekstartday.h"

#include <QLocale>

namespace {

int &storedWeekStartDay()
{
    static int day = static_cast<int>(QLocale::system().firstDayOfWeek());
    return day;
}

} // namespace

int weekStartDay()
{
    return storedWeekStartDay();
}

bool setWeekStartDay(int day)
{
    if (day < 1 || day > 7)
        return false;
    storedWeekStartDay() = day;
    return true;
}
