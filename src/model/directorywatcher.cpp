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

// Watches the folder at `path` (encoded) for `events`: the watch, or -1 with errno set.
int addWatch(int inotify, const QByteArray &path, uint32_t events)
{
    // Opening the folder first checks read permission the way listing it would, and reaches
    // folders whose path is longer than the kernel takes in one piece.
    const PosixPath at(path);
    if (at.error() != 0) {
        errno = at.error();
        return -1;
    }
    const UniqueFd folder(::openat(at.dirFd(), at.relative(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.isValid())
        return -1;
    const QByteArray handle = "/proc/self/fd/" + QByteArray::number(folder.get());
    return ::inotify_add_watch(inotify, handle.constData(), events);
}

enum class Armed { folder, waiting, failed };

struct Arming
{
    Armed armed = Armed::failed;
    int watch = -1;
};

// Replaces `previous` with a watch on `folder`, or while there is none on the nearest folder
// above it. Runs on a worker.
Arming armAt(int inotify, int previous, const QString &folder)
{
    for (;;) {
        if (previous >= 0)
            ::inotify_rm_watch(inotify, previous);
        if (const int watch = addWatch(inotify, PathCodec::encode(folder), kFolderEvents);
            watch >= 0)
            return {Armed::folder, watch};
        if (errno != ENOENT && errno != ENOTDIR)
            return {};

        QString above = folder;
        int watch = -1;
        do {
            if (above == QLatin1String("/"))
                return {};
            above = PathNames::parentFolder(above);
            watch = addWatch(inotify, PathCodec::encode(above), kAncestorEvents);
        } while (watch < 0 && errno == ENOENT);
        if (watch < 0)
            return {};
        // The folder may have appeared before the watch above it was in place.
        if (!isFolder(folder))
            return {Armed::waiting, watch};
        previous = watch;
    }
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
    m_inotify = std::make_shared<UniqueFd>(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC));
    if (!m_inotify->isValid()) {
        m_inotify.reset();
        return;
    }
    m_folder = folderUrl;
    m_onChange = std::move(onChange);
    m_notifier = std::make_unique<QSocketNotifier>(m_inotify->get(), QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &DirectoryWatcher::drainEvents);
    arm(true);
}

void DirectoryWatcher::stop()
{
    m_arming.drop();
    m_settle.stop();
    m_notifier.reset();
    m_inotify.reset();
    m_watch = -1;
    m_waiting = false;
    m_onChange = nullptr;
}

void DirectoryWatcher::arm(bool first)
{
    // Until the worker is done, no watch is the folder's: events of the one it replaces are
    // not taken for changes.
    const int previous = std::exchange(m_watch, -1);
    const bool wasWaiting = std::exchange(m_waiting, false);
    m_arming.start(
        m_folder,
        this,
        [inotify = m_inotify, previous, folder = m_folder] {
            return armAt(inotify->get(), previous, folder);
        },
        [this, first, wasWaiting](Arming arming) {
            if (arming.armed == Armed::failed && first) {
                stop();
                return;
            }
            m_watch = arming.watch;
            m_waiting = arming.armed == Armed::waiting;
            // The folder came back: the pane shows the new one.
            if (wasWaiting && arming.armed == Armed::folder)
                m_settle.start();
        });
}

void DirectoryWatcher::drainEvents()
{
    alignas(inotify_event) char buffer[16384];
    bool changed = false;
    bool rearm = false;
    for (;;) {
        const ssize_t n = ::read(m_inotify->get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        for (ssize_t offset = 0; offset < n;) {
            const auto *event = reinterpret_cast<const inotify_event *>(buffer + offset);
            offset += ssize_t(sizeof(inotify_event) + event->len);
            if (m_watch < 0 || event->wd != m_watch)
                continue; // a watch given up before, or one being put in place
            if (m_waiting) {
                rearm = true;
                continue;
            }
            changed = true;
            rearm = rearm || (event->mask & kFolderGone);
        }
    }
    // The folder went (the pane shows that) or something came above it that may be the folder.
    if (rearm)
        arm(false);
    // Every event restarts the countdown, so a steady stream postpones the call until it pauses.
    if (changed)
        m_settle.start();
}
