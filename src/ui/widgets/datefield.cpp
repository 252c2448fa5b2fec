#include "datefield.h"

#include "dateinput.h"
#include "registerstyle.h"

#include <QAction>
#include <QIcon>
#include <QKeyEvent>

DateField::DateField(QWidget *parent)
    : QLineEdit(parent)
    , m_date(QDate::currentDate())
{
    setText(dateToEditText(m_date));
    QAction *calendarAction = addAction(QIcon(calendarIcon(this)), QLineEdit::TrailingPosition);
    calendarAction->setToolTip(tr("Open calendar (F4)"));
    connect(calendarAction, &QAction::triggered, this, &DateField::openCalendarPopup);
}

void DateField::setDate(const QDate &date)
{
    const bool moved = date != m_date;
    m_date = date;
    setText(dateToEditText(m_date));
    if (moved)
        emit dateChanged(m_date);
}

void DateField::openCalendarPopup()
{
    openDatePopup(this, dateFromEditText(text()), [this](const QDate &picked) { setDate(picked); });
}

void DateField::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F4 ||
        (event->key() == Qt::Key_Down && event->modifiers().testFlag(Qt::AltModifier))) {
        openCalendarPopup();
        event->accept();
        return;
    }
    QDate date = m_date;
    if (applyDateShortcut(event, date)) {
        setDate(date);
        selectAll();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void DateField::focusOutEvent(QFocusEvent *event)
{
    const QDate typed = dateFromEditText(text());
    setDate(typed.isValid() ? typed : m_date);
    QLineEdit::focusOutEvent(event);
}
