#pragma once

#include <QString>
#include <QStringList>

// Runs a whole program as a user would and measures it from outside, through /usr/bin/time: wall
// time, and the child's peak resident memory. (getrusage in this process would count the pages
// the child shared with the benchmark between fork and exec.)
class ProcessMeter
{
public:
    struct Run
    {
        bool ok = false; // started and exited with status 0
        double seconds = 0;
        double peakMegabytes = 0;
    };

    // Standard output goes to `outputPath` (discarded when empty), standard error to the
    // benchmark's own. `arguments` excludes the program.
    static Run run(const QString &program, const QStringList &arguments, const QString &outputPath = {});
};
