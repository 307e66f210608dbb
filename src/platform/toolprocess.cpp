#include "platform/toolprocess.h"

#include "platform/pathcodec.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

void ToolStopper::stop()
{
    const std::lock_guard lock(m_mutex);
    m_stopped = true;
    if (m_group > 0)
        ::kill(-m_group, SIGKILL);
}

bool ToolStopper::isStopped() const
{
    const std::lock_guard lock(m_mutex);
    return m_stopped;
}

bool ToolStopper::attach(pid_t group)
{
    const std::lock_guard lock(m_mutex);
    m_group = group;
    return !m_stopped;
}

void ToolStopper::detach()
{
    const std::lock_guard lock(m_mutex);
    m_group = 0;
}

namespace {

// posix_spawn's settings for a tool: standard descriptors on /dev/null or the command's own,
// the input as 3,
// nothing else inherited, default signal handling, a session of its own.
class SpawnSettings
{
public:
    explicit SpawnSettings(const ToolCommand &command)
    {
        posix_spawn_file_actions_init(&m_actions);
        if (command.standardInputFd >= 0)
            posix_spawn_file_actions_adddup2(&m_actions, command.standardInputFd, STDIN_FILENO);
        else
            posix_spawn_file_actions_addopen(&m_actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        if (command.standardOutputFd >= 0)
            posix_spawn_file_actions_adddup2(&m_actions, command.standardOutputFd, STDOUT_FILENO);
        else
            posix_spawn_file_actions_addopen(&m_actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&m_actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        // The folder first: its descriptor may be the one the input takes over.
        if (command.workingFolderFd >= 0)
            posix_spawn_file_actions_addfchdir_np(&m_actions, command.workingFolderFd);
        int firstClosed = STDERR_FILENO + 1;
        if (command.inputFd >= 0) {
            posix_spawn_file_actions_adddup2(&m_actions, command.inputFd, firstClosed);
            ++firstClosed;
        }
        posix_spawn_file_actions_addclosefrom_np(&m_actions, firstClosed);

        posix_spawnattr_init(&m_attributes);
        sigset_t none;
        sigemptyset(&none);
        sigset_t all;
        sigfillset(&all);
        posix_spawnattr_setsigmask(&m_attributes, &none);
        posix_spawnattr_setsigdefault(&m_attributes, &all);
        // Without a controlling terminal a tool cannot ask for a password and wait forever;
        // as leader of its own process group it can be stopped with all it started.
        posix_spawnattr_setflags(
            &m_attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    }
    ~SpawnSettings()
    {
        posix_spawnattr_destroy(&m_attributes);
        posix_spawn_file_actions_destroy(&m_actions);
    }
    SpawnSettings(const SpawnSettings &) = delete;
    SpawnSettings &operator=(const SpawnSettings &) = delete;

    const posix_spawn_file_actions_t *actions() const { return &m_actions; }
    const posix_spawnattr_t *attributes() const { return &m_attributes; }

private:
    posix_spawn_file_actions_t m_actions;
    posix_spawnattr_t m_attributes;
};

} // namespace

int spawnTool(const ToolCommand &command, pid_t &pid)
{
    std::vector<QByteArray> words{command.executable};
    words.insert(words.end(), command.arguments.cbegin(), command.arguments.cend());
    std::vector<char *> argv;
    for (QByteArray &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    const SpawnSettings settings(command);
    return ::posix_spawn(
        &pid, argv[0], settings.actions(), settings.attributes(), argv.data(), environ);
}

std::optional<FileError> runTool(const ToolCommand &command,
                                 const FileError &failure,
                                 ToolStopper &stopper,
                                 const std::function<std::optional<FileError>()> &meanwhile)
{
    const QString executable = PathCodec::decode(command.executable);
    pid_t pid = 0;
    const int started = spawnTool(command, pid);
    if (started != 0)
        return FileError(started, executable);
    if (!stopper.attach(pid))
        ::kill(-pid, SIGKILL);

    const std::optional<FileError> besides = meanwhile ? meanwhile() : std::nullopt;
    // Waited for without reaping first: until it is reaped, the process group cannot be
    // another one's, so stop() never kills a stranger.
    siginfo_t info{};
    while (::waitid(P_PID, id_t(pid), &info, WEXITED | WNOWAIT) != 0 && errno == EINTR) {
    }
    stopper.detach();
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return FileError(errno, executable);
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || stopper.isStopped())
        return failure;
    return besides;
}
