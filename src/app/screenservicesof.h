#pragma once

#include "ui/screens/screenservices.h"

class AppState;

// What the register, the screens and the dialogs need of an initialised AppState.
ScreenServices screenServicesOf(const AppState *state);
