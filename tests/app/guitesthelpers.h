#pragma once

// Shared by the widget tests of the shell, the forms and the screens: their TestState, the named
// children they drive, and a way to answer the modal dialogs and message boxes that a real key
// press opens.

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/datetext.h"
#include "data/identifiers.h"
#include "data/transactionrepository.h"
#include "support/recordbuilders.h"
#include "support/teststate.h"
#include "support/whenmodalshown.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

// The named child of a form or screen; the tests name what they drive.
template<typename T> T *child(QWidget *parent, const char *name)
{
    T *widget = parent->findChild<T *>(QLatin1String(name));
    Q_ASSERT(widget);
    return widget;
}

// Presses a key in whatever has the focus inside the modal widget.
inline void pressInModal(QWidget *modal, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *target = modal->focusWidget() ? modal->focusWidget() : modal;
    QTest::keyClick(target, key, modifiers);
}
