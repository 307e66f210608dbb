#pragma once

#include "model/filecolumn.h"
#include "model/sortorder.h"
#include "model/timestamp.h"
#include "platform/fileerror.h"

#include <QDateTime>
#include <QExplicitlySharedDataPointer>
#include <QList>
#include <QMetaType>
#include <QSharedData>
#include <QString>
#include <optional>
#include <sys/types.h>

struct FolderListing;
struct statx;

// One directory entry, read once from the file system. Its identity is `url()`, the absolute path
// exactly as it was handed to `read` (decoded by PathCodec, so it maps back to the entry's bytes).
// A folder holds up to hundreds of thousands of these, so an item keeps only what it cannot
// share: the folder text is shared by all items of one listing, and the texts for its kind,
// permissions and owner are made when asked for.
struct FileItem
{
    QString name;
    qint64 size = 0;
    Timestamp modified;
    Timestamp created;
    Timestamp lastOpened;
    Timestamp added;

    QString url() const;
    // Whether `url()` equals `url`, without making it: lists compare many items.
    bool hasUrl(QStringView url) const;
    // The entry at `url`: its name is the url's last component.
    void setUrl(const QString &url);

    QString kind() const;
    // "drwxr-xr-x"; empty when the entry could not be examined.
    QString permissions() const;
    // The owner's login name, or the user number when it has none; empty when not examined.
    QString owner() const;

    // Equal folder texts count as one folder, whichever listing they came from.
    bool operator==(const FileItem &other) const;

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
    bool wasExamined() const { return m_examined; }

    // The date of a date column (`modified` for any other column).
    Timestamp date(FileColumn column) const
    {
        switch (column) {
        case FileColumn::created:
            return created;
        case FileColumn::lastOpened:
            return lastOpened;
        case FileColumn::added:
            return added;
        default:
            return modified;
        }
    }

    // "--" for folders, packages and entries not examined, else the size in decimal units
    // ("Null Byte" for nothing).
    QString sizeText() const;
    QString text(FileColumn column) const;

private:
    // The text before the name's separating "/" ("" for an item at the root), or the whole url
    // when that is not folder + "/" + name ("/", "/a/b/").
    struct Folder : QSharedData
    {
        explicit Folder(QString path)
            : text(std::move(path))
        {}
        const QString text;
    };
    using SharedFolder = QExplicitlySharedDataPointer<const Folder>;

    // Takes the attributes `st`, read without following a final link, and looks up the texts
    // shown for them; `dirFd`/`relative` locate the entry again for the one extra look a
    // symbolic link needs.
    void examine(const struct statx &st, int dirFd, const char *relative);

    SharedFolder m_folder;
    mode_t m_mode = 0; // type and access bits
    uid_t m_uid = 0;
    gid_t m_gid = 0;
    quint16 m_kind = 0; // position in the table of kind texts

    // The public flags are declared among the private fields so that all four share one byte.
public:
    bool isDirectory : 1 = false; // also for a symbolic link whose target is a folder
    bool isPackage : 1 = false;   // bundles do not exist on Linux; kept for the rules that read it

private:
    bool m_examined : 1 = false;
    bool m_folderIsUrl : 1 = false;

    friend size_t qHash(const FileItem &item, size_t seed);
};
static_assert(sizeof(void *) != 8 || sizeof(FileItem) <= 88, "a listing holds many items");

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
