#include "windowclosekeys.h"

#include <QKeyEvent>
#include <QWidget>

WindowCloseKeys::WindowCloseKeys(QWidget *window)
    : QObject(window)
{
    window->installEventFilter(this);
}

void WindowCloseKeys::install(QWidget *window)
{
    if (!window->findChild<WindowCloseKeys *>(QString(), Qt::FindDirectChildrenOnly))
        new WindowCloseKeys(window);
}

bool WindowCloseKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || watched != parent())
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    const bool escape = key->key() == Qt::Key_Escape && modifiers == Qt::NoModifier;
    const bool controlW = key->key() == Qt::Key_W && modifiers == Qt::ControlModifier;
    if (!escape && !controlW)
        return false;
    static_cast<QWidget *>(parent())->close();
    return true;
}
