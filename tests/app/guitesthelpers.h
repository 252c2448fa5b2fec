#pragma once

// Shared by the widget tests of the shell, the forms and the screens: a fresh AppState on a
// temporary data directory, record builders, and a way to answer the modal dialogs and message
// boxes that a real key press opens.

#include "app/appstate.h"
#include "app/screenservicesof.h"
#include "data/account.h"
#include "data/accountrepository.h"
#include "data/category.h"
#include "data/categoryrepository.h"
#include "data/datetext.h"
#include "data/identifiers.h"
#include "data/transaction.h"
#include "data/transactionrepository.h"

#include "support/whenmodalshown.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

// The named child of a form or screen; the tests name what they drive.
template<typename T> T *child(QWidget *parent, const char *name)
{
    T *widget = parent->findChild<T *>(QLatin1String(name));
    Q_ASSERT(widget);
    return widget;
}

struct TestState
{
    QTemporaryDir directory;
    std::unique_ptr<AppState> state;

    TestState()
        : state(std::make_unique<AppState>(directory.path()))
    {
        if (!state->initialize())
            qFatal("TestState: the database could not be initialised");
    }

    AppState *operator->() const { return state.get(); }
    AppState *get() const { return state.get(); }
    ScreenServices services() const { return screenServicesOf(state.get()); }

    Account addAccount(const QString &name, Money startingBalance = 0, int sortOrder = 0,
                       Currency currency = Currency::USD)
    {
        Account account;
        account.id = newId();
        account.name = name;
        account.currency = currency;
        account.startingBalance = startingBalance;
        account.sortOrder = sortOrder;
        account.createdAt = currentTimestamp();
        account.updatedAt = account.createdAt;
        if (!state->accountRepository()->insert(account))
            qFatal("TestState: a fixture row could not be inserted");
        return account;
    }

    Transaction addTransaction(const QString &accountId, const QDate &date, const QString &payee,
                               Money amount, bool cleared = false, bool reconciled = false,
                               const QString &memo = {}, const QString &categoryId = {})
    {
        Transaction transaction;
        transaction.id = newId();
        transaction.accountId = accountId;
        transaction.date = date;
        transaction.payee = payee;
        transaction.amount = amount;
        transaction.cleared = cleared;
        transaction.reconciled = reconciled;
        transaction.memo = memo;
        transaction.categoryId = categoryId;
        transaction.createdAt = currentTimestamp();
        transaction.updatedAt = transaction.createdAt;
        if (!state->transactionRepository()->insert(transaction))
            qFatal("TestState: a fixture row could not be inserted");
        return transaction;
    }

    Category addCategory(const QString &name, const QString &parentId = {})
    {
        Category category;
        category.id = newId();
        category.name = name;
        category.parentId = parentId;
        category.createdAt = currentTimestamp();
        category.updatedAt = category.createdAt;
        if (!state->categoryRepository()->insert(category))
            qFatal("TestState: a fixture row could not be inserted");
        return category;
    }
};

// Presses a key in whatever has the focus inside the modal widget.
inline void pressInModal(QWidget *modal, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *target = modal->focusWidget() ? modal->focusWidget() : modal;
    QTest::keyClick(target, key, modifiers);
}
