#pragma once

#include <QObject>

class QWidget;

// Lets a secondary window close with Esc or Ctrl+W. It watches the window itself, so it only sees
// a key that every widget inside passed on: an open popup, a cell editor or any field that uses
// Esc keeps it, and only an Esc that nobody wanted closes the window, as in a dialog.
class WindowCloseKeys : public QObject
{
    Q_OBJECT

public:
    // Owned by `window`; installing twice leaves one.
    static void install(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit WindowCloseKeys(QWidget *window);
};
