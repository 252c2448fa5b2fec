#pragma once

#include <QString>

#include <functional>

namespace CorvantisUpdate {

// How the menu flows report to the window (its status bar): a busy text when they start, a
// notification when they are done, and a timed message. Any of them may be empty.
struct UpdateProgress
{
    std::function<void(const QString &text)> busy;
    std::function<void()> finished;
    std::function<void(const QString &text, int timeoutMs)> message;
};

} // namespace CorvantisUpdate
