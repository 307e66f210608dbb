#include "benchtools.h"

#include "model/panemodel.h"
#include "platform/pathcodec.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

const char *verdict(bool passed)
{
    return passed ? "PASS" : "FAIL";
}

QString joined(const QList<double> &values)
{
    QStringList texts;
    for (double value : values)
        texts << QString::number(value, 'f', 0);
    return texts.join(QLatin1Char('/'));
}

double median(QList<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double millisecondsOfTool(const QStringList &command)
{
    std::vector<QByteArray> bytes;
    for (const QString &word : command)
        bytes.push_back(PathCodec::encode(word));
    std::vector<char *> argv;
    for (QByteArray &word : bytes)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    int status = -1;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0)
        waitpid(pid, &status, 0);
    const double elapsed = timer.nsecsElapsed() / 1e6;
    posix_spawn_file_actions_destroy(&actions);
    if (status != 0)
        std::fprintf(stderr, "warning: %s exited with status %d\n", argv[0], status);
    return elapsed;
}

Heartbeat::Heartbeat()
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(1);
    connect(&m_timer, &QTimer::timeout, this, [this] { beat(); });
}

void Heartbeat::start()
{
    m_clock.start();
    m_last = 0;
    m_longest = 0;
    m_timer.start();
}

double Heartbeat::stop()
{
    beat();
    m_timer.stop();
    return m_longest;
}

void Heartbeat::beat()
{
    const double now = m_clock.nsecsElapsed() / 1e6;
    m_longest = std::max(m_longest, now - m_last);
    m_last = now;
}

void waitForRead(PaneModel &pane)
{
    while (pane.isReading())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

qint64 residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

std::optional<int> countArgument(const QStringList &arguments, int fallback, const char *program)
{
    bool valid = true;
    const int count = arguments.isEmpty() ? fallback : arguments[0].toInt(&valid);
    if (!valid || count <= 0) {
        std::fprintf(stderr, "usage: %s [count]\n", program);
        return std::nullopt;
    }
    return count;
}
