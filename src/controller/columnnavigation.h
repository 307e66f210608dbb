#pragma once

#include "model/fileitem.h"

#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class DesktopServices;
class PaneModel;

// One column of the column browser: folders first, then by name; empty when unreadable. Reads
// the folder: runs on a worker.
QList<FileItem> columnListing(const QString &folder, bool showHidden);

// What identifies one reading of a column: the pane, the folder, the hidden-files setting and
// the pane's reload.
struct ColumnListingKey
{
    const PaneModel *pane = nullptr;
    QString folder;
    bool showHidden = false;
    qint64 reloadToken = 0;

    bool operator==(const ColumnListingKey &) const = default;
};

// The column browser's keys and the listings its columns show. A column is read once per key,
// on the file system executor: the columns and the keys share the reading, so stepping through
// a large folder does not read it at every key press. A key that needs a listing still being
// read waits for it, and the keys after it wait behind it.
class ColumnNavigation : public QObject
{
    Q_OBJECT

public:
    explicit ColumnNavigation(DesktopServices &desktop, QObject *parent = nullptr);

    static ColumnListingKey listingKey(const PaneModel &pane, const QString &folder);
    // The column of `pane` showing `folder`, once it has been read for the current key. Until
    // then none, and the read is under way: listingArrived tells when it has come.
    std::optional<QList<FileItem>> listing(const PaneModel &pane, const QString &folder);
    // Reads that column again at its next use: its folder changed.
    void forget(const PaneModel &pane, const QString &folder);

    // The entry `entry` of the column of `pane` showing `folder`, from its listing; none when
    // the listing lacks it, or while it is read, which sets `pending`.
    std::optional<FileItem>
    entryOf(const PaneModel &pane, const QString &folder, const QString &entry, bool &pending);
    // The folders of the pane's columns and the file at the end of its column path, as far as
    // the listings read so far tell them; `pending` is set while one of them is read.
    QStringList columnFolders(const PaneModel &pane, bool &pending);
    std::optional<FileItem> previewItem(const PaneModel &pane, bool &pending);

    // Left: the column before, or the folder above when there is none.
    void left(PaneModel &pane);
    // Right: into the selected folder's first entry; a selected file opens.
    void right(PaneModel &pane);
    // Up and down in the last column.
    void move(PaneModel &pane, int step);

signals:
    // The listing of `folder` for `pane` has come.
    void listingArrived(const PaneModel *pane, const QString &folder);

private:
    // A key's step: false while a listing it needs is being read, and then it runs again when
    // that listing has come.
    using Step = std::function<bool()>;
    void runStep(Step step);
    void runWaitingSteps();
    bool stepRight(PaneModel &pane);
    bool stepMove(PaneModel &pane, int step);
    void store(const ColumnListingKey &key, const QList<FileItem> &items);

    DesktopServices &m_desktop;
    // The listings read, newest first, and the reads under way with their serial numbers.
    QList<std::pair<ColumnListingKey, QList<FileItem>>> m_listings;
    QList<std::pair<ColumnListingKey, quint64>> m_reading;
    quint64 m_serial = 0;
    QList<Step> m_steps;
    bool m_runningSteps = false;
};
