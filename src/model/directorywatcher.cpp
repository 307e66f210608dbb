#include "model/directorywatcher.h"

#include "platform/pathcodec.h"
#include "platform/pathnames.h"
#include "platform/posixpath.h"
#include "platform/statat.h"

#include <QSocketNotifier>
#include <cerrno>
#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/stat.h>

namespace {

constexpr uint32_t kFolderEvents = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_ATTRIB |
                                   IN_CLOSE_WRITE | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;
// Above a missing folder: whatever could make it appear, or take the watched folder away.
constexpr uint32_t kAncestorEvents =
    IN_CREATE | IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;
constexpr uint32_t kFolderGone = IN_DELETE_SELF | IN_MOVE_SELF | IN_IGNORED;

bool isFolder(const QString &path)
{
    const PosixPath at(PathCodec::encode(path));
    struct stat st;
    return at.error() == 0 && statAt(at.dirFd(), at.relative(), &st, 0) == 0 && S_ISDIR(st.st_mode);
}

} // namespace

DirectoryWatcher::DirectoryWatcher(QObject *parent)
    : QObject(parent)
{
    connect(&m_settle, &Countdown::timeout, this, [this] {
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
    m_inotify.reset(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC));
    if (!m_inotify.isValid())
        return;
    m_folder = folderUrl;
    if (arm() == Armed::failed) {
        stop();
        return;
    }
    m_onChange = std::move(onChange);
    m_notifier = std::make_unique<QSocketNotifier>(m_inotify.get(), QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &DirectoryWatcher::drainEvents);
}

void DirectoryWatcher::stop()
{
    m_settle.stop();
    m_notifier.reset();
    m_inotify.reset();
    m_watch = -1;
    m_waiting = false;
    m_onChange = nullptr;
}

bool DirectoryWatcher::addWatch(const QByteArray &path, uint32_t events)
{
    // Opening the folder first checks read permission the way listing it would, and reaches
    // folders whose path is longer than the kernel takes in one piece.
    const PosixPath at(path);
    if (at.error() != 0) {
        errno = at.error();
        return false;
    }
    const UniqueFd folder(::openat(at.dirFd(), at.relative(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.isValid())
        return false;
    const QByteArray handle = "/proc/self/fd/" + QByteArray::number(folder.get());
    m_watch = ::inotify_add_watch(m_inotify.get(), handle.constData(), events);
    return m_watch >= 0;
}

DirectoryWatcher::Armed DirectoryWatcher::arm()
{
    for (;;) {
        if (m_watch >= 0)
            ::inotify_rm_watch(m_inotify.get(), m_watch);
        m_watch = -1;
        m_waiting = false;
        if (addWatch(PathCodec::encode(m_folder), kFolderEvents))
            return Armed::folder;
        if (errno != ENOENT && errno != ENOTDIR)
            return Armed::failed;

        QString above = m_folder;
        do {
            if (above == QLatin1String("/"))
                return Armed::failed;
            above = PathNames::parentFolder(above);
        } while (!addWatch(PathCodec::encode(above), kAncestorEvents) && errno == ENOENT);
        if (m_watch < 0)
            return Armed::failed;
        m_waiting = true;
        // The folder may have appeared before the watch above it was in place.
        if (!isFolder(m_folder))
            return Armed::waiting;
    }
}

void DirectoryWatcher::drainEvents()
{
    alignas(inotify_event) char buffer[16384];
    bool changed = false;
    bool rearm = false;
    for (;;) {
        const ssize_t n = ::read(m_inotify.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        for (ssize_t offset = 0; offset < n;) {
            const auto *event = reinterpret_cast<const inotify_event *>(buffer + offset);
            offset += ssize_t(sizeof(inotify_event) + event->len);
            if (event->wd != m_watch)
                continue; // a watch given up before
            if (m_waiting) {
                rearm = true;
                continue;
            }
            changed = true;
            rearm = rearm || (event->mask & kFolderGone);
        }
    }
    if (rearm) {
        const bool wasWaiting = m_waiting;
        const Armed armed = arm();
        // The folder went (the pane shows that) or came back (the pane shows the new one).
        changed = changed || (wasWaiting && armed == Armed::folder);
    }
    // Every event restarts the countdown, so a steady stream postpones the call until it pauses.
    if (changed)
        m_settle.start();
}
