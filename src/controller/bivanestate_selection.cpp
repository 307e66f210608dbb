// Opening the selection and moving it: flat lists and icon grids, the tree, the column
// browser and the sidebar.
#include "controller/bivanestate.h"
#include "model/panemodel.h"
#include "platform/desktopservices.h"
#include "platform/pathnames.h"

#include <QDir>

using PathNames::standardized;

namespace {

qsizetype clampedStep(qsizetype from, int step, qsizetype count)
{
    return std::clamp<qsizetype>(from + step, 0, count - 1);
}

// The first displayed item that is selected.
std::optional<FileItem> firstSelected(const PaneModel &pane)
{
    const QSet<QString> selection = pane.selection();
    for (const FileItem &item : pane.visibleItems()) {
        if (selection.contains(item.url))
            return item;
    }
    return std::nullopt;
}

} // namespace

QList<qsizetype> BivaneState::selectedPositions(const QList<FileItem> &items,
                                                const QSet<QString> &selection)
{
    QList<qsizetype> positions;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (selection.contains(items[i].url))
            positions.append(i);
    }
    return positions;
}

void BivaneState::openSelection(const QSet<QString> &selection, PaneModel &pane)
{
    const QStringList paths = sortedByPath(selection);
    if (paths.size() == 1) {
        const std::optional<FileItem> item = FileItem::read(paths.first());
        if (item && item->isDirectory) {
            pane.navigate(paths.first());
            const QList<FileItem> shown = pane.visibleItems();
            if (!shown.isEmpty())
                pane.setSelection({shown.first().url});
            return;
        }
    }
    if (!paths.isEmpty())
        m_desktop.open(paths);
}

void BivaneState::moveSelection(PaneModel &pane, int step)
{
    const QList<FileItem> items = pane.visibleItems();
    if (items.isEmpty())
        return;
    const QList<qsizetype> selected = selectedPositions(items, pane.selection());
    qsizetype target = 0;
    if (selected.isEmpty())
        target = step < 1 ? items.size() - 1 : 0;
    else
        target = clampedStep(step < 1 ? selected.first() : selected.last(), step, items.size());
    pane.setSelection({items[target].url});
}

void BivaneState::collapseOrParent(PaneModel &pane)
{
    const std::optional<FileItem> item = firstSelected(pane);
    if (!item) {
        pane.goUp();
        return;
    }
    if (item->isDirectory && pane.expanded().contains(item->url)) {
        pane.toggleExpanded(item->url);
        return;
    }
    if (pane.depths().value(item->url) == 0) {
        pane.goUp();
        return;
    }
    const QString parent = PathNames::parentFolder(item->url);
    for (const FileItem &shown : pane.visibleItems()) {
        if (standardized(shown.url) == parent) {
            pane.setSelection({shown.url});
            return;
        }
    }
}

void BivaneState::expandOrOpen(PaneModel &pane)
{
    const std::optional<FileItem> item = firstSelected(pane);
    if (item && item->isDirectory && !pane.expanded().contains(item->url))
        pane.toggleExpanded(item->url);
    else
        openSelection(pane.selection(), pane);
}

QList<FileItem> BivaneState::columnListing(const QString &folder, bool showHidden)
{
    const FolderListing listing = FileItem::listFolder(folder, showHidden);
    if (listing.error)
        return {};
    return FileItem::sortFoldersFirst(listing.items, defaultSortOrder());
}

QString BivaneState::columnListingKey(const PaneModel &pane, const QString &folder) const
{
    return folder + QLatin1Char('|') +
           (pane.showHidden() ? QLatin1String("true") : QLatin1String("false")) + QLatin1Char('|') +
           QString::number(pane.reloadToken()) +
           (sideOfPane(pane) == PaneSide::left ? QLatin1String("|left") : QLatin1String("|right"));
}

QList<FileItem> BivaneState::columnListing(const PaneModel &pane, const QString &folder)
{
    // A few columns side by side of both panes; more would only hold memory.
    constexpr qsizetype kKept = 6;
    const QString key = columnListingKey(pane, folder);
    for (qsizetype i = 0; i < m_columnListings.size(); ++i) {
        if (m_columnListings[i].first == key) {
            m_columnListings.move(i, 0);
            return m_columnListings.first().second;
        }
    }
    m_columnListings.prepend({key, columnListing(folder, pane.showHidden())});
    if (m_columnListings.size() > kKept)
        m_columnListings.removeLast();
    return m_columnListings.first().second;
}

void BivaneState::forgetColumnListing(const PaneModel &pane, const QString &folder)
{
    const QString key = columnListingKey(pane, folder);
    m_columnListings.removeIf([&key](const auto &listing) { return listing.first == key; });
}

void BivaneState::columnsLeft(PaneModel &pane)
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

void BivaneState::columnsRight(PaneModel &pane)
{
    QStringList path = pane.columnPath();
    if (path.isEmpty()) {
        columnsMove(pane, +1);
        return;
    }
    const std::optional<FileItem> last = FileItem::read(path.last());
    if (!last || !last->isDirectory) {
        m_desktop.open({path.last()});
        return;
    }
    const QList<FileItem> listing = columnListing(pane, last->url);
    if (listing.isEmpty())
        return;
    path.append(listing.first().url);
    pane.setColumnPath(path);
    pane.setSelection({listing.first().url});
}

void BivaneState::columnsMove(PaneModel &pane, int step)
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
    const QList<FileItem> listing = columnListing(pane, chain[k]);
    if (listing.isEmpty())
        return;

    qsizetype current = -1;
    if (!path.isEmpty()) {
        const QString entry = standardized(path[k]);
        for (qsizetype i = 0; i < listing.size() && current < 0; ++i) {
            if (standardized(listing[i].url) == entry)
                current = i;
        }
    }
    const qsizetype target = current < 0 ? (step < 1 ? listing.size() - 1 : 0)
                                         : clampedStep(current, step, listing.size());
    QStringList newPath = path.mid(0, k);
    newPath.append(listing[target].url);
    pane.setColumnPath(newPath);
    pane.setSelection({listing[target].url});
}

void BivaneState::moveSidebarSelection(PaneModel &pane, int step)
{
    const QList<SidebarItem> entries = sidebarItems();
    if (entries.isEmpty())
        return;
    const QString here = standardized(pane.url());
    const auto found =
        std::find_if(entries.cbegin(), entries.cend(), [&](const SidebarItem &entry) {
            return standardized(entry.url) == here;
        });
    const qsizetype target = found == entries.cend()
                                 ? (step < 1 ? entries.size() - 1 : 0)
                                 : clampedStep(found - entries.cbegin(), step, entries.size());
    pane.navigate(entries[target].url);
}
