#include "welcomescreen.h"

#include "ui/widgets/registerstyle.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

WelcomeScreen::WelcomeScreen(QWidget *parent)
    : QWidget(parent)
{
    auto *title = new QLabel(tr("Corvantis Zimbrel"), this);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(QApplication::font().pointSizeF() + 14);
    titleFont.setWeight(QFont::DemiBold);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);

    auto *tagline = new QLabel(tr("Your finances, everywhere."), this);
    QFont taglineFont = tagline->font();
    taglineFont.setPointSizeF(QApplication::font().pointSizeF() + 2);
    tagline->setFont(taglineFont);
    tagline->setAlignment(Qt::AlignCenter);
    tagline->setStyleSheet(QStringLiteral("color: %1;").arg(secondaryTextColor().name()));

    m_continueButton = new QPushButton(tr("Continue Without an Account"), this);
    m_continueButton->setObjectName(QStringLiteral("continueButton"));
    m_continueButton->setMinimumSize(260, 40);
    m_continueButton->setDefault(true);
    m_accountButton = new QPushButton(this);
    m_accountButton->setObjectName(QStringLiteral("accountButton"));
    m_accountButton->setFlat(true);
    // A flat button draws no focus of its own: without the frame, a keyboard user cannot tell that
    // Enter or Space would sign in (or out).
    m_accountButton->setStyleSheet(
        QStringLiteral("QPushButton { border: 1px solid transparent; border-radius: 4px;"
                       " padding: 4px 10px; }"
                       "QPushButton:focus { border-color: palette(highlight); }"));
    m_accountButton->setCursor(Qt::PointingHandCursor);
    m_accountButton->setAutoDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->addStretch(1);
    layout->addWidget(title);
    layout->addSpacing(4);
    layout->addWidget(tagline);
    layout->addSpacing(28);
    layout->addWidget(m_continueButton, 0, Qt::AlignHCenter);
    layout->addSpacing(8);
    layout->addWidget(m_accountButton, 0, Qt::AlignHCenter);
    layout->addStretch(2);

    connect(m_continueButton, &QPushButton::clicked, this, &WelcomeScreen::dismissRequested);
    connect(m_accountButton, &QPushButton::clicked, this, &WelcomeScreen::onAccountButtonClicked);
    setSignedIn(false);
    setFocusProxy(m_continueButton);
}

void WelcomeScreen::setSignedIn(bool signedIn)
{
    m_signedIn = signedIn;
    m_accountButton->setText(signedIn ? tr("Sign Out") : tr("Already have an account? Sign In"));
}

void WelcomeScreen::focusAccountButton()
{
    m_accountButton->setFocus(Qt::OtherFocusReason);
}

void WelcomeScreen::onAccountButtonClicked()
{
    if (m_signedIn)
        emit signOutRequested();
    else
        emit signInRequested();
}
