#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

// Runs `answer` on the next modal widget (dialog or message box) once it is shown, then lets the
// test continue. exec() blocks the test, so the answer has to be queued before the key press
// that opens the dialog. Gives up after about five seconds.
inline void whenModalShown(std::function<void(QWidget *)> answer, int attempts = 250)
{
    QTimer::singleShot(20, qApp, [answer = std::move(answer), attempts]() mutable {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible()) {
            answer(modal);
            return;
        }
        if (attempts > 0)
            whenModalShown(std::move(answer), attempts - 1);
    });
}
