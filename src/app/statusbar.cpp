#include "statusbar.h"

#include "ui/widgets/registerstyle.h"
#include "ui/widgets/thememanager.h"

#include <QLabel>
#include <QProgressBar>

StatusBar::StatusBar(QWidget *parent)
    : QStatusBar(parent)
    , m_accountCountLabel(new QLabel(this))
    , m_recurringDueLabel(new QLabel(this))
    , m_progressLabel(new QLabel(this))
    , m_busyIndicator(new QProgressBar(this))
    , m_syncStateLabel(new QLabel(tr("Offline"), this))
{
    setStyleSheet(QStringLiteral("QStatusBar {  padding: 2px 4px;}QStatusBar::item { border: none; }"));

    QFont smaller = m_progressLabel->font();
    smaller.setPointSizeF(smaller.pointSizeF() - 1);
    m_progressLabel->setFont(smaller);
    m_progressLabel->hide();

    m_busyIndicator->setRange(0, 0);
    m_busyIndicator->setMaximumWidth(100);
    m_busyIndicator->setMaximumHeight(14);
    m_busyIndicator->setTextVisible(false);
    m_busyIndicator->hide();

    m_recurringDueLabel->hide();

    addWidget(m_accountCountLabel);
    addWidget(m_recurringDueLabel);
    addPermanentWidget(m_progressLabel);
    addPermanentWidget(m_busyIndicator);
    addPermanentWidget(m_syncStateLabel);
    applyColors();
}

void StatusBar::setAccountCount(int count)
{
    m_accountCountLabel->setText(tr("%n account(s)", nullptr, count));
}

void StatusBar::setRecurringDue(int count)
{
    if (count <= 0) {
        m_recurringDueLabel->hide();
        return;
    }
    m_recurringDueLabel->setText(tr("  •  %n recurring due", nullptr, count));
    m_recurringDueLabel->setStyleSheet(
        QStringLiteral("color: %1; font-weight: bold;").arg(warningColor().name(QColor::HexRgb)));
    m_recurringDueLabel->show();
}

void StatusBar::setSyncStateText(const QString &text)
{
    m_syncStateLabel->setText(text);
}

void StatusBar::showProgress(const QString &text)
{
    m_progressLabel->setText(text);
    m_progressLabel->show();
    m_busyIndicator->show();
}

void StatusBar::hideProgress()
{
    m_progressLabel->hide();
    m_busyIndicator->hide();
}

void StatusBar::showMessage(const QString &text, int timeoutMs)
{
    hideProgress();
    QStatusBar::showMessage(text, timeoutMs);
}

void StatusBar::applyColors()
{
    const QString style =
        QStringLiteral("color: %1;").arg(ThemeManager::color(ThemeColor::StatusText).name().toUpper());
    m_syncStateLabel->setStyleSheet(style);
    m_accountCountLabel->setStyleSheet(style);
}

QString StatusBar::accountCountText() const
{
    return m_accountCountLabel->text();
}

QString StatusBar::recurringDueText() const
{
    return m_recurringDueLabel->isHidden() ? QString() : m_recurringDueLabel->text();
}

QString StatusBar::syncStateText() const
{
    return m_syncStateLabel->text();
}

bool StatusBar::isProgressVisible() const
{
    return !m_progressLabel->isHidden() && !m_busyIndicator->isHidden();
}
