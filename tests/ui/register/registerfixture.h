#pragma once

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/preferencesrepository.h"
#include "data/transactionrepository.h"
#include "support/recordbuilders.h"
#include "support/teststate.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerscreen.h"
#include "ui/register/registertableview.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

// Hosts a RegisterScreen on a TestState, the way the main window does, and types into it through
// real key events. The test makes its rows with the record builders on core().
class RegisterFixture
{
public:
    bool start()
    {
        m_state = std::make_unique<TestState>();
        m_screen = std::make_unique<RegisterScreen>(m_state->services());
        m_screen->resize(1100, 600);
        return state()->core() != nullptr;
    }

    AppState *state() const { return m_state->get(); }
    RegisterScreen *screen() const { return m_screen.get(); }
    RegisterModel *model() const { return m_screen->model(); }
    RegisterTableView *view() const { return m_screen->view(); }
    TransactionRepository *transactions() const { return state()->transactionRepository(); }
    Core *core() const { return m_state->core(); }

    // Shows the screen on the account with the keyboard in the register.
    bool open(const QString &accountId)
    {
        m_screen->setAccount(accountId);
        m_screen->show();
        if (!QTest::qWaitForWindowActive(m_screen.get()))
            return false;
        view()->setFocus();
        return true;
    }

    QWidget *focus() const
    {
        // The offscreen platform does not give the window back its activation when a message
        // box closes, as a desktop does.
        if (!QApplication::focusWidget()) {
            m_screen->activateWindow();
            [[maybe_unused]] const bool focused =
                QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; }, 2000);
        }
        return QApplication::focusWidget();
    }

    // Key by key into whatever has the focus, as a user's typing would go.
    void type(const QString &text)
    {
        for (const QChar character : text)
            QTest::keyClick(focus(), character.toLatin1());
    }

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(focus(), key, modifiers);
    }

    // Answers the next message box (the delete question) with `button`, and keeps its text.
    void answerNextQuestion(QMessageBox::StandardButton button)
    {
        auto *poll = new QTimer(m_screen.get());
        poll->setInterval(10);
        QObject::connect(poll, &QTimer::timeout, poll, [this, poll, button] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            poll->stop();
            poll->deleteLater();
            m_lastQuestion = box->text();
            box->button(button)->click();
        });
        poll->start();
    }
    QString lastQuestion() const { return m_lastQuestion; }

    QString cell(int row, int column) const { return model()->index(row, column).data().toString(); }
    int currentColumn() const { return view()->currentIndex().column(); }

private:
    std::unique_ptr<TestState> m_state;
    std::unique_ptr<RegisterScreen> m_screen;
    QString m_lastQuestion;
};
