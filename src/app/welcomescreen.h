#pragma once

#include <QWidget>

class QPushButton;

// Stacked page 0 of the main window: the product, a way on without an account, and the one
// account button whose meaning follows the sign-in state.
class WelcomeScreen : public QWidget
{
    Q_OBJECT

public:
    explicit WelcomeScreen(QWidget *parent = nullptr);

    // Re-reads the sign-in state into the account button.
    void setSignedIn(bool signedIn);
    bool isSignedIn() const { return m_signedIn; }
    // Keyboard focus on the sign-in (or sign-out) button instead of "Continue Without an Account".
    void focusAccountButton();

signals:
    void dismissRequested();
    void signInRequested();
    void signOutRequested();

private:
    void onAccountButtonClicked();

    bool m_signedIn = false;
    QPushButton *m_continueButton = nullptr;
    QPushButton *m_accountButton = nullptr;
};
