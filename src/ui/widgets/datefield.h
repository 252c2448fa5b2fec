#pragma once

#include <QDate>
#include <QLineEdit>

// The date editor of the forms and, as SmartDateEdit, of the register's date cell: holds one date
// (today at first), shows it as M/d/yyyy, understands the single-key date shortcuts and opens a
// calendar with F4 or Alt+Down. A shortcut always starts from the held date; unreadable text snaps
// back to the held date when the field loses focus.
class DateField : public QLineEdit
{
    Q_OBJECT

public:
    explicit DateField(QWidget *parent = nullptr);

    QDate date() const { return m_date; }
    // Always rewrites the text, so what a shortcut or a calendar pick chose is what is shown even
    // over typed text that reads as the same date or as none; dateChanged only when the date moved.
    void setDate(const QDate &date);

signals:
    void dateChanged(const QDate &date);

public slots:
    void openCalendarPopup();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QDate m_date;
};
