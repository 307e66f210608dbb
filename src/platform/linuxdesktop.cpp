#include "platform/linuxdesktop.h"

#include "platform/pathcodec.h"
#include "platform/statat.h"
#include "platform/uniquefd.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

// GIO declares struct members named "signals", which Qt defines as a keyword; this file uses
// neither Qt's keyword nor those members.
#undef signals
#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>
#include <gio/gunixmounts.h>

namespace {

// Long enough for a file browser that D-Bus starts on demand; the call never blocks the UI.
constexpr int kRevealTimeoutMs = 5000;

GFile *fileFor(const QString &path)
{
    return g_file_new_for_path(PathCodec::encode(path).constData());
}

QString decodedPath(const char *bytes)
{
    return PathCodec::decode(bytes, qstrlen(bytes));
}

// The file URI percent-encoded from the exact bytes of the path.
QString fileUri(const QString &path)
{
    g_autoptr(GFile) file = fileFor(path);
    g_autofree char *uri = g_file_get_uri(file);
    return QString::fromUtf8(uri);
}

QString lastComponent(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QStringList parentFolders(const QStringList &paths)
{
    QStringList parents;
    for (const QString &path : paths) {
        const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
        const QString parent = slash > 0 ? path.left(slash) : QStringLiteral("/");
        if (!parents.contains(parent))
            parents.append(parent);
    }
    return parents;
}

// The real location of `path` (links and "." and ".." resolved); empty when it has none.
QByteArray realLocation(const QByteArray &path)
{
    char resolved[PATH_MAX];
    return ::realpath(path.constData(), resolved) ? QByteArray(resolved) : QByteArray();
}

// Whether a launcher (.desktop file) may start the application it describes, as desktops
// decide: one installed in an applications folder of the desktop, or one its owner, the user,
// made executable. Any other is a document and opens as one.
bool isTrustedLauncher(const QString &path)
{
    if (!path.endsWith(QLatin1String(".desktop")))
        return false;
    const QByteArray location = realLocation(PathCodec::encode(path));
    struct stat status;
    if (location.isEmpty() || statAt(AT_FDCWD, location.constData(), &status, 0) != 0 ||
        !S_ISREG(status.st_mode))
        return false;
    if (status.st_uid == ::geteuid() && (status.st_mode & S_IXUSR))
        return true;
    std::vector<const char *> dataFolders{g_get_user_data_dir()};
    for (const char *const *folder = g_get_system_data_dirs(); *folder; ++folder)
        dataFolders.push_back(*folder);
    for (const char *folder : dataFolders) {
        const QByteArray applications = realLocation(QByteArray(folder) + "/applications");
        if (!applications.isEmpty() && location.startsWith(applications + '/'))
            return true;
    }
    return false;
}

bool launchDesktopEntry(const QStringList &paths, const QString &entry)
{
    g_autoptr(GDesktopAppInfo) application =
        g_desktop_app_info_new_from_filename(PathCodec::encode(entry).constData());
    if (!application)
        return false;
    GList *files = nullptr;
    for (const QString &path : paths)
        files = g_list_prepend(files, fileFor(path));
    files = g_list_reverse(files);
    const bool launched = g_app_info_launch(G_APP_INFO(application), files, nullptr, nullptr);
    g_list_free_full(files, g_object_unref);
    return launched;
}

void openEach(const QStringList &paths)
{
    for (const QString &path : paths) {
        if (isTrustedLauncher(path)) {
            launchDesktopEntry({}, path);
            continue;
        }
        g_autoptr(GFile) file = fileFor(path);
        g_autoptr(GAppInfo) handler = g_file_query_default_handler(file, nullptr, nullptr);
        if (!handler)
            continue;
        GList files = {file, nullptr, nullptr}; // a one-element list
        g_app_info_launch(handler, &files, nullptr, nullptr);
    }
}

// Started without a shell and detached (GLib reaps it through an intermediate child).
bool spawnExecutable(const QStringList &paths, const QString &executable)
{
    QList<QByteArray> arguments{PathCodec::encode(executable)};
    for (const QString &path : paths) {
        QByteArray bytes = PathCodec::encode(path);
        // A name starting with "-" must never read as an option.
        if (!bytes.startsWith('/'))
            bytes.prepend("./");
        arguments.append(bytes);
    }
    std::vector<char *> argv;
    for (QByteArray &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    return g_spawn_async(
        nullptr, argv.data(), nullptr, G_SPAWN_DEFAULT, nullptr, nullptr, nullptr, nullptr);
}

// The errno for a GIO failure; 0 when it has none of its own.
int errnoFor(const GError *error)
{
    if (error->domain != G_IO_ERROR)
        return 0;
    switch (error->code) {
    case G_IO_ERROR_PERMISSION_DENIED:
        return EACCES;
    case G_IO_ERROR_NOT_FOUND:
        return ENOENT;
    case G_IO_ERROR_NOT_SUPPORTED:
        return EOPNOTSUPP;
    case G_IO_ERROR_READ_ONLY:
        return EROFS;
    case G_IO_ERROR_NO_SPACE:
        return ENOSPC;
    case G_IO_ERROR_FILENAME_TOO_LONG:
        return ENAMETOOLONG;
    case G_IO_ERROR_EXISTS:
        return EEXIST;
    case G_IO_ERROR_IS_DIRECTORY:
        return EISDIR;
    case G_IO_ERROR_NOT_DIRECTORY:
        return ENOTDIR;
    case G_IO_ERROR_NOT_EMPTY:
        return ENOTEMPTY;
    case G_IO_ERROR_TOO_MANY_LINKS:
        return ELOOP;
    case G_IO_ERROR_BUSY:
        return EBUSY;
    default:
        return 0;
    }
}

} // namespace

// GIO tells of a changed mount table in the main context of the thread that took the monitor,
// here the main thread, whose GLib main context Qt's event loop runs.
// The kernel marks its mount table with an exceptional condition whenever a file system was
// mounted or unmounted: the source GIO's own mount monitor reads. Watching it directly spares
// the start-up the loading of GIO's modules and works whichever event loop Qt runs.
// The kernel marks its mount table with an exceptional condition whenever a file system was
// mounted or unmounted: the source GIO's own mount monitor reads. Watching it directly spares
// the start-up the loading of GIO's modules and works whichever event loop Qt runs.
struct LinuxDesktop::MountWatch
{
    explicit MountWatch(std::function<void()> changed)
        : table(::open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC))
    {
        if (!table.isValid())
            return;
        notifier = std::make_unique<QSocketNotifier>(table.get(), QSocketNotifier::Exception);
        QSocketNotifier *source = notifier.get();
        QObject::connect(source, &QSocketNotifier::activated, source, [source, changed] {
            // From the event loop, not from within the notifier's signal: the call may replace
            // the watch, and with it the notifier. A replaced watch's pending call is dropped.
            QTimer::singleShot(0, source, changed);
        });
    }

    UniqueFd table;
    std::unique_ptr<QSocketNotifier> notifier;
};

LinuxDesktop::LinuxDesktop() = default;

LinuxDesktop::~LinuxDesktop() = default;

void LinuxDesktop::open(const QStringList &paths)
{
    openEach(paths);
}

bool LinuxDesktop::openWith(const QStringList &paths, const QString &application)
{
    if (application.endsWith(QLatin1String(".desktop")))
        return launchDesktopEntry(paths, application);
    return spawnExecutable(paths, application);
}

QList<DesktopApplication> LinuxDesktop::applicationsFor(const QString &path) const
{
    g_autoptr(GFile) file = fileFor(path);
    g_autoptr(GFileInfo) info = g_file_query_info(
        file, G_FILE_ATTRIBUTE_STANDARD_CONTENT_TYPE, G_FILE_QUERY_INFO_NONE, nullptr, nullptr);
    const char *type =
        info ? g_file_info_get_attribute_string(info, G_FILE_ATTRIBUTE_STANDARD_CONTENT_TYPE)
             : nullptr;
    if (!type)
        return {};
    QList<DesktopApplication> applications;
    GList *all = g_app_info_get_all_for_type(type);
    for (GList *entry = all; entry; entry = entry->next) {
        // Only .desktop entries can be handed back to openWith.
        if (!G_IS_DESKTOP_APP_INFO(entry->data))
            continue;
        const char *desktopFile = g_desktop_app_info_get_filename(G_DESKTOP_APP_INFO(entry->data));
        if (desktopFile)
            applications.append(
                {QString::fromUtf8(g_app_info_get_display_name(G_APP_INFO(entry->data))),
                 decodedPath(desktopFile)});
    }
    g_list_free_full(all, g_object_unref);
    return applications;
}

QString LinuxDesktop::defaultTextEditor() const
{
    g_autoptr(GAppInfo) application = g_app_info_get_default_for_type("text/plain", FALSE);
    if (!application || !G_IS_DESKTOP_APP_INFO(application))
        return {};
    const char *entry = g_desktop_app_info_get_filename(G_DESKTOP_APP_INFO(application));
    return entry ? decodedPath(entry) : QString();
}

void LinuxDesktop::reveal(const QStringList &paths)
{
    const bool selecting = !paths.isEmpty();
    const QStringList targets = selecting ? paths : QStringList{decodedPath(g_get_home_dir())};
    const QStringList fallback = selecting ? parentFolders(paths) : targets;

    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        openEach(fallback);
        return;
    }
    QStringList uris;
    for (const QString &path : targets)
        uris.append(fileUri(path));
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"),
        QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"),
        selecting ? QStringLiteral("ShowItems") : QStringLiteral("ShowFolders"));
    call << uris << QString();
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, kRevealTimeoutMs),
                                                QCoreApplication::instance());
    QObject::connect(
        watcher, &QDBusPendingCallWatcher::finished, [fallback](QDBusPendingCallWatcher *finished) {
            if (finished->isError())
                openEach(fallback);
            finished->deleteLater();
        });
}

std::optional<FileError> LinuxDesktop::moveToTrash(const QString &path)
{
    g_autoptr(GFile) file = fileFor(path);
    g_autoptr(GError) error = nullptr;
    if (g_file_trash(file, nullptr, &error))
        return std::nullopt;
    // GIO words its failures in the system's language, which need not be the program's: a
    // failure with a known cause is told in the program's own words.
    if (const int code = errnoFor(error))
        return FileError(code, path);
    return FileError(EIO, path, QString::fromUtf8(error->message));
}

QList<MountedVolume> LinuxDesktop::mountedVolumes() const
{
    // GIO knows no label for the root file system, only a generic description.
    QList<MountedVolume> volumes{{QStringLiteral("/"), QStringLiteral("/")}};
    GList *mounts = g_unix_mounts_get(nullptr);
    for (GList *node = mounts; node; node = node->next) {
        auto *mount = static_cast<GUnixMountEntry *>(node->data);
        const char *mountPath = g_unix_mount_get_mount_path(mount);
        if (qstrcmp(mountPath, "/") == 0 || !g_unix_mount_guess_should_display(mount))
            continue;
        const QString mountPoint = decodedPath(mountPath);
        g_autofree char *guessed = g_unix_mount_guess_name(mount);
        const QString name =
            guessed && *guessed ? QString::fromUtf8(guessed) : lastComponent(mountPoint);
        volumes.append({name, mountPoint});
    }
    g_list_free_full(
        mounts, [](gpointer mount) { g_unix_mount_free(static_cast<GUnixMountEntry *>(mount)); });
    return volumes;
}

void LinuxDesktop::watchMounts(std::function<void()> changed)
{
    m_mountWatch.reset();
    if (changed)
        m_mountWatch = std::make_unique<MountWatch>(std::move(changed));
}
