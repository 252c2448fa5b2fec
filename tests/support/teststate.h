#pragma once

#include "app/appstate.h"
#include "app/screenservicesof.h"

#include <QTemporaryDir>
#include <QtGlobal>

#include <memory>

// A fresh AppState, initialised on its own temporary data directory, for the widget tests: the
// screens get their services from it as the main window hands them out, and the test makes its
// rows with the record builders on core().
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
    Core *core() const { return state->core(); }
};
