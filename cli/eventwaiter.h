#pragma once

#include <QEventLoop>

// Runs the event loop until finish() is called (not at all when it was called already): the CLI
// waits for one asynchronous answer at a time.
class EventWaiter
{
public:
    void finish()
    {
        m_finished = true;
        m_loop.quit();
    }
    void wait()
    {
        if (!m_finished)
            m_loop.exec();
    }

private:
    QEventLoop m_loop;
    bool m_finished = false;
};
