#pragma once

#include <QDate>
#include <QLineEdit>

// The register's in-cell date editor. Shares the shortcuts and the calendar with DateField but has
// no focus-out handling: the register delegate parses the text when it commits.
class SmartDateEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit SmartDateEdit(QWidget *parent = nullptr);

    QDate date() const { return m_date; }
    void setDate(const QDate &date);

public slots:
    void openCalendarPopup();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QDate m_date;
};
