#pragma once

#include "model/fileitem.h"

#include <QList>
#include <QString>

class DesktopServices;
class PaneModel;

// One column of the column browser: folders first, then by name; empty when unreadable.
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

// The column browser's keys and the listings its columns show. A column is read once per key:
// the columns and the keys share the reading, so stepping through a large folder does not read
// it at every key press.
class ColumnNavigation
{
public:
    explicit ColumnNavigation(DesktopServices &desktop);

    static ColumnListingKey listingKey(const PaneModel &pane, const QString &folder);
    // The column of `pane` showing `folder`.
    QList<FileItem> listing(const PaneModel &pane, const QString &folder);
    // Reads that column again at its next use: its folder changed.
    void forget(const PaneModel &pane, const QString &folder);

    // Left: the column before, or the folder above when there is none.
    void left(PaneModel &pane);
    // Right: into the selected folder's first entry; a selected file opens.
    void right(PaneModel &pane);
    // Up and down in the last column.
    void move(PaneModel &pane, int step);

private:
    DesktopServices &m_desktop;
    // The last listings, newest first.
    QList<std::pair<ColumnListingKey, QList<FileItem>>> m_listings;
};
