#include "smartdateedit.h"

#include "dateinput.h"
#include "registerstyle.h"

#include <QAction>
#include <QIcon>
#include <QKeyEvent>

SmartDateEdit::SmartDateEdit(QWidget *parent)
    : QLineEdit(parent)
    , m_date(QDate::currentDate())
{
    setText(dateToEditText(m_date));
    QAction *calendarAction = addAction(QIcon(calendarIcon(this)), QLineEdit::TrailingPosition);
    calendarAction->setToolTip(tr("Open calendar (F4)"));
    connect(calendarAction, &QAction::triggered, this, &SmartDateEdit::openCalendarPopup);
}

void SmartDateEdit::setDate(const QDate &date)
{
    m_date = date;
    setText(dateToEditText(m_date));
}

void SmartDateEdit::openCalendarPopup()
{
    openDatePopup(this, dateFromEditText(text()), [this](const QDate &picked) { setDate(picked); });
}

void SmartDateEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F4 ||
        (event->key() == Qt::Key_Down && event->modifiers().testFlag(Qt::AltModifier))) {
        openCalendarPopup();
        event->accept();
        return;
    }
    // Shortcuts work from what is typed so far, so "3/15/2024" then "+" gives the 16th.
    QDate date = dateFromEditText(text());
    if (!date.isValid())
        date = m_date;
    if (applyDateShortcut(event, date)) {
        setDate(date);
        selectAll();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
