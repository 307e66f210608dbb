#include "directorywatcher.h"

#include "pathcodec.h"
#include "posixpath.h"

#include <QSocketNotifier>
#include <cerrno>
#include <fcntl.h>
#include <sys/inotify.h>

namespace {

constexpr uint32_t kFolderEvents = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_ATTRIB |
                                   IN_CLOSE_WRITE | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;

} // namespace

DirectoryWatcher::DirectoryWatcher(QObject *parent)
    : QObject(parent)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMilliseconds);
    connect(&m_settle, &QTimer::timeout, this, [this] {
        // Copy first: the handler may re-point this watcher and so replace m_onChange.
        const auto onChange = m_onChange;
        if (onChange)
            onChange();
    });
}

DirectoryWatcher::~DirectoryWatcher()
{
    stop();
}

void DirectoryWatcher::watch(const QString &folderUrl, std::function<void()> onChange)
{
    stop();

    // Opening the folder first checks read permission the way listing it would, and reaches
    // folders whose path is longer than the kernel takes in one piece.
    const PosixPath path(PathCodec::encode(folderUrl));
    if (path.error() != 0)
        return;
    const UniqueFd folder(
        ::openat(path.dirFd(), path.relative(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.isValid())
        return;
    UniqueFd inotify(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC));
    if (!inotify.isValid())
        return;
    const QByteArray handle = "/proc/self/fd/" + QByteArray::number(folder.get());
    if (::inotify_add_watch(inotify.get(), handle.constData(), kFolderEvents) < 0)
        return;

    m_inotify = std::move(inotify);
    m_onChange = std::move(onChange);
    m_notifier = std::make_unique<QSocketNotifier>(m_inotify.get(), QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &DirectoryWatcher::drainEvents);
}

void DirectoryWatcher::stop()
{
    m_settle.stop();
    m_notifier.reset();
    m_inotify.reset();
    m_onChange = nullptr;
}

void DirectoryWatcher::drainEvents()
{
    alignas(inotify_event) char buffer[16384];
    bool changed = false;
    for (;;) {
        const ssize_t n = ::read(m_inotify.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        changed = true;
    }
    // Every event restarts the countdown, so a steady stream postpones the call until it pauses.
    if (changed)
        m_settle.start();
}
