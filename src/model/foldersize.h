#pragma once

#include <QFuture>
#include <QObject>
#include <QString>
#include <QtGlobal>
#include <functional>
#include <optional>

// The bytes of the regular files below a folder: as allocated on disk and as their contents say.
struct FolderSize
{
    qint64 allocated = 0;
    qint64 logical = 0;
    qint64 files = 0;
    // Folders left out in part or in whole because they could not be opened, read or examined:
    // the sizes above are then only a lower bound.
    qint64 unreadableFolders = 0;

    bool operator==(const FolderSize &) const = default;
};

// Sums the regular files in the tree below `path`, hidden ones included, however deep the tree.
// Symbolic links inside are not followed, other mounted file systems not entered, a file with
// several hard links is counted once, and subfolders that cannot be read are left out and
// counted. `keepGoing` sees the running total before every entry; when it answers false the walk
// stops with what it has. Nothing when `path` itself cannot be read as a folder.
std::optional<FolderSize> measureFolder(const QString &path,
                                        const std::function<bool(const FolderSize &)> &keepGoing);

// One measurement off the main thread. The running total arrives, a few times a second, through
// `totalChanged` while it grows, and `finished` follows once at the end. Cancelled when asked or
// when this object goes; a cancelled walk reports nothing more.
class FolderSizeWalk : public QObject
{
    Q_OBJECT

public:
    explicit FolderSizeWalk(const QString &path, QObject *parent = nullptr);
    ~FolderSizeWalk() override;

    void cancel();
    // The worker's future: cancelled by cancel(), finished once the worker has let go.
    QFuture<std::optional<FolderSize>> future() const { return m_future; }

signals:
    void totalChanged(const FolderSize &total);
    // Nothing when the folder could not be read at all.
    void finished(const std::optional<FolderSize> &total);

private:
    QFuture<std::optional<FolderSize>> m_future;
};
