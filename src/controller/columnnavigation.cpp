#include "controller/columnnavigation.h"

#include "model/panemodel.h"
#include "model/sortorder.h"
#include "platform/desktopservices.h"
#include "platform/pathnames.h"

using PathNames::standardized;

QList<FileItem> columnListing(const QString &folder, bool showHidden)
{
    const FolderListing listing = FileItem::listFolder(folder, showHidden);
    if (listing.error)
        return {};
    return FileItem::sortFoldersFirst(listing.items, defaultSortOrder());
}

ColumnNavigation::ColumnNavigation(DesktopServices &desktop)
    : m_desktop(desktop)
{}

ColumnListingKey ColumnNavigation::listingKey(const PaneModel &pane, const QString &folder)
{
    return {&pane, folder, pane.showHidden(), pane.reloadToken()};
}

QList<FileItem> ColumnNavigation::listing(const PaneModel &pane, const QString &folder)
{
    // A few columns side by side of both panes; more would only hold memory.
    constexpr qsizetype kKept = 6;
    const ColumnListingKey key = listingKey(pane, folder);
    for (qsizetype i = 0; i < m_listings.size(); ++i) {
        if (m_listings[i].first == key) {
            m_listings.move(i, 0);
            return m_listings.first().second;
        }
    }
    m_listings.prepend({key, columnListing(folder, pane.showHidden())});
    if (m_listings.size() > kKept)
        m_listings.removeLast();
    return m_listings.first().second;
}

void ColumnNavigation::forget(const PaneModel &pane, const QString &folder)
{
    const ColumnListingKey key = listingKey(pane, folder);
    m_listings.removeIf([&key](const auto &kept) { return kept.first == key; });
}

void ColumnNavigation::left(PaneModel &pane)
{
    QStringList path = pane.columnPath();
    if (path.isEmpty()) {
        pane.goUp();
    } else if (path.size() == 1) {
        pane.setColumnPath({});
        pane.setSelection({});
    } else {
        path.removeLast();
        pane.setColumnPath(path);
        pane.setSelection({path.last()});
    }
}

void ColumnNavigation::right(PaneModel &pane)
{
    QStringList path = pane.columnPath();
    if (path.isEmpty()) {
        move(pane, +1);
        return;
    }
    const std::optional<FileItem> last = FileItem::read(path.last());
    if (!last || !last->isDirectory) {
        m_desktop.open({path.last()});
        return;
    }
    const QList<FileItem> entries = listing(pane, last->url());
    if (entries.isEmpty())
        return;
    path.append(entries.first().url());
    pane.setColumnPath(path);
    pane.setSelection({entries.first().url()});
}

void ColumnNavigation::move(PaneModel &pane, int step)
{
    const QStringList path = pane.columnPath();
    const qsizetype k = std::max<qsizetype>(path.size() - 1, 0);
    QStringList chain{pane.url()};
    for (const QString &entry : path) {
        const std::optional<FileItem> item = FileItem::read(entry);
        if (item && item->isDirectory)
            chain.append(entry);
    }
    if (k >= chain.size())
        return;
    const QList<FileItem> entries = listing(pane, chain[k]);
    if (entries.isEmpty())
        return;

    qsizetype current = -1;
    if (!path.isEmpty()) {
        const QString entry = standardized(path[k]);
        for (qsizetype i = 0; i < entries.size() && current < 0; ++i) {
            if (standardized(entries[i].url()) == entry)
                current = i;
        }
    }
    const qsizetype target = current < 0
                                 ? (step < 1 ? entries.size() - 1 : 0)
                                 : std::clamp<qsizetype>(current + step, 0, entries.size() - 1);
    QStringList newPath = path.mid(0, k);
    newPath.append(entries[target].url());
    pane.setColumnPath(newPath);
    pane.setSelection({entries[target].url()});
}
