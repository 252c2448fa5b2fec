#pragma once

#include <QStatusBar>

class QLabel;
class QProgressBar;

// The main window's status bar: account count and recurring-due count on the left; a busy
// indicator with its text and the sync state on the right; timed messages in between.
class StatusBar : public QStatusBar
{
    Q_OBJECT

public:
    explicit StatusBar(QWidget *parent = nullptr);

    void setAccountCount(int count);
    // Hidden entirely when nothing is due.
    void setRecurringDue(int count);
    void setSyncStateText(const QString &text);
    void showProgress(const QString &text);
    void hideProgress();
    // A message always replaces a visible progress display.
    void showMessage(const QString &text, int timeoutMs = 0);
    // Call again after every theme change: the label colours depend on the palette.
    void applyColors();

    QString accountCountText() const;
    QString recurringDueText() const;
    QString syncStateText() const;
    bool isProgressVisible() const;

private:
    QLabel *m_accountCountLabel;
    QLabel *m_recurringDueLabel;
    QLabel *m_progressLabel;
    QProgressBar *m_busyIndicator;
    QLabel *m_syncStateLabel;
};
