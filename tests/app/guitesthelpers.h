#pragma once

// Shared by the widget tests of the shell, the forms and the screens: a fresh AppState on a
// temporary data directory (its rows made with the record builders on core()), and a way to answer
// the modal dialogs and message boxes that a real key press opens.

#include "app/appstate.h"
#include "app/screenservicesof.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/datetext.h"
#include "data/identifiers.h"
#include "data/transactionrepository.h"
#include "support/recordbuilders.h"
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
    // Where the test's rows go (support/recordbuilders.h).
    Core *core() const { return state->core(); }
};

// Presses a key in whatever has the focus inside the modal widget.
inline void pressInModal(QWidget *modal, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *target = modal->focusWidget() ? modal->focusWidget() : modal;
    QTest::keyClick(target, key, modifiers);
}
