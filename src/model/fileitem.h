#pragma once

#include "model/filecolumn.h"
#include "model/sortorder.h"
#include "model/timestamp.h"
#include "platform/fileerror.h"

#include <QDateTime>
#include <QList>
#include <QMetaType>
#include <QString>
#include <optional>
#include <sys/types.h>

struct FolderListing;

// One directory entry, read once from the file system. Its identity is `url()`, the absolute path
// exactly as it was handed to `read` (decoded by PathCodec, so it maps back to the entry's bytes).
struct FileItem
{
    QString name;
    bool isDirectory = false; // also for a symbolic link whose target is a folder
    bool isPackage = false;   // bundles do not exist on Linux; kept for the rules that read it
    qint64 size = 0;
    Timestamp modified;
    Timestamp created;
    Timestamp lastOpened;
    Timestamp added;

    QString url() const { return m_url; }
    // The entry at `url`: its name is the url's last component.
    void setUrl(const QString &url);
    // Records the entry's type and access bits and its owner, and looks up the texts shown for
    // them now, on the calling thread, so that drawing never reads a database.
    void setExamined(mode_t mode, uid_t uid, gid_t gid);

    QString kind() const { return m_kind; }
    // "drwxr-xr-x"; empty when the entry could not be examined.
    QString permissions() const { return m_permissions; }
    QString owner() const { return m_owner; }

    bool operator==(const FileItem &) const = default;

    // The entry at `url`, or nothing when it cannot be examined at all (gone, unreachable).
    static std::optional<FileItem> read(const QString &url);

    // The direct children of `folderUrl` in the order the file system returns them. Children
    // that vanish while being read are left out, those that cannot be examined are listed by name
    // alone; only a failure of the listing itself is an error.
    static FolderListing listFolder(const QString &folderUrl, bool showHidden);

    // `items` sorted by `order`, then all folders ahead of all other entries; stable.
    static QList<FileItem> sortFoldersFirst(const QList<FileItem> &items, const SortOrder &order);

    // False for an entry that was listed but could not be examined (its folder may be read but
    // not searched): only its name, and from the listing whether it is a folder, are known.
    bool wasExamined() const { return !m_permissions.isEmpty(); }

    // "--" for folders, packages and entries not examined, else the size in decimal units
    // ("Null Byte" for nothing).
    QString sizeText() const;
    QString text(FileColumn column) const;

private:
    QString m_url;
    QString m_kind;
    QString m_permissions;
    QString m_owner;
};

struct FolderListing
{
    QList<FileItem> items;
    std::optional<FileError> error;

    bool operator==(const FolderListing &) const = default;
};

size_t qHash(const FileItem &item, size_t seed = 0);

// Date cell text: abbreviated date and short time in the current locale, "--" when absent.
QString dateText(Timestamp timestamp);
// The same for a date and time already in local time, with no look at the time zone.
QString dateText(QDate date, QTime time);

Q_DECLARE_METATYPE(FileItem)
