#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QStringList>
#include <QTimer>
#include <optional>

// What every benchmark here needs: verdicts, medians, timing our code and the system's tools,
// and the resident size.

const char *verdict(bool passed);
double median(QList<double> values);
// The rounds' times for a report line: "291/297/292".
QString joined(const QList<double> &values);

template<typename Work>
double millisecondsOf(Work &&work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

// Runs a system tool with an argument vector (no shell) and its output thrown away, as
// "> /dev/null" would, and returns the wall time from start to exit in milliseconds.
// posix_spawn keeps the start-up cost out of the tool's figure; a failure is told on stderr.
double millisecondsOfTool(const QStringList &command);

// Beats every millisecond while the event loop turns; remembers the longest pause between two,
// which is the longest time the main thread did not answer.
class Heartbeat : public QObject
{
public:
    Heartbeat();
    void start();
    // The longest pause, including the one up to now.
    double stop();

private:
    void beat();

    QTimer m_timer;
    QElapsedTimer m_clock;
    double m_last = 0;
    double m_longest = 0;
};

class PaneModel;
// Turns the event loop until the pane's pending read has come: reads run on workers.
void waitForRead(PaneModel &pane);

// This process's resident size (VmRSS).
qint64 residentKilobytes();

// The benchmark's one optional argument, a positive count; `fallback` without it. Nothing, after
// a usage line naming `program` on stderr, when it is not a positive number.
std::optional<int> countArgument(const QStringList &arguments, int fallback, const char *program);
