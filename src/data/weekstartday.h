#pragma once

// The process-wide first day of the week shown by the date widgets: 1 (Monday) to 7 (Sunday).
// Until set, it is the system locale's first day of the week.
int weekStartDay();

// Ignores (and returns false for) a day outside 1..7.
bool setWeekStartDay(int day);
