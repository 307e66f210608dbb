#pragma once

#include "platform/fileerror.h"

#include <QByteArray>
#include <QList>
#include <functional>
#include <mutex>
#include <optional>
#include <sys/types.h>

// Lets another thread end a tool run at once: stop() kills the running tool with everything it
// started, and the work that runs it sees isStopped() and leaves off. Thread-safe.
class ToolStopper
{
public:
    // Kills the tool that runs now (its whole process group) and every later one at its start.
    void stop();
    bool isStopped() const;

    // For runTool: `group` is the process group stop() kills; false when stop() came first.
    bool attach(pid_t group);
    // The group has ended and is reaped next: stop() leaves it alone from now on.
    void detach();

private:
    mutable std::mutex m_mutex;
    pid_t m_group = 0;
    bool m_stopped = false;
};

// One run of a tool: no shell, the exact argument bytes.
struct ToolCommand
{
    QByteArray executable;
    QList<QByteArray> arguments;
    int workingFolderFd = -1;  // an open folder the tool starts in; -1: this process's
    int inputFd = -1;          // an open file the tool reads as descriptor 3 ("/dev/fd/3")
    int standardInputFd = -1;  // its standard input; -1: /dev/null
    int standardOutputFd = -1; // its standard output; -1: /dev/null
};

// Starts `command` as runTool does and leaves the waiting to the caller: 0 and the child's
// process id in `pid`, else the reason it could not start.
int spawnTool(const ToolCommand &command, pid_t &pid);

// Runs `command` and waits for it to end. The tool gets /dev/null as its standard descriptors
// (unless the command names others) and nothing else of this process (but `inputFd`), and runs in a
// session of its own: it never reaches a terminal to ask anything, and stopping kills all it
// started. The error is the launch failure, `failure` when the tool exits with a status other than
// 0 or is stopped, else the error of `meanwhile`, which runs on the calling thread beside the tool.
std::optional<FileError> runTool(const ToolCommand &command,
                                 const FileError &failure,
                                 ToolStopper &stopper,
                                 const std::function<std::optional<FileError>()> &meanwhile = {});
