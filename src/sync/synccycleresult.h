#pragma once

// What one sync cycle did, for callers that report it (the command line, the settings screen).
struct SyncCycleResult
{
    int pushed = 0;   // changes the server accepted
    int rejected = 0; // changes the server refused; their rows stay pending
    int pulled = 0;   // records the pull pages carried
    // The cycle stopped at its page bound with more to pull; the engine runs the next cycle on the
    // next turn of the event loop.
    bool morePages = false;

    bool operator==(const SyncCycleResult &) const = default;
};
