#pragma once

#include <QDate>
#include <QLineEdit>

// A date editor for forms: holds one date (today at first), shows it as M/d/yyyy, understands the
// single-key date shortcuts and opens a calendar with F4 or Alt+Down. Unreadable text snaps back
// to the held date when the field loses focus.
class DateField : public QLineEdit
{
    Q_OBJECT

public:
    explicit DateField(QWidget *parent = nullptr);

    QDate date() const { return m_date; }
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
