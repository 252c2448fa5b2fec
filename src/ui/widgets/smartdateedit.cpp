#include "smartdateedit.h"

SmartDateEdit::SmartDateEdit(QWidget *parent)
    : DateField(parent)
{}

void SmartDateEdit::focusOutEvent(QFocusEvent *event)
{
    // Skips DateField's snap-back on purpose: the text stays the user's until the delegate reads it.
    QLineEdit::focusOutEvent(event);
}
