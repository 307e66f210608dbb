#include "controller/selectionmovement.h"

#include "controller/favorites.h"
#include "controller/selectionorder.h"
#include "model/panemodel.h"
#include "platform/desktopservices.h"
#include "platform/filesystemexecutor.h"
#include "platform/pathnames.h"

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
        if (selection.contains(item.url()))
            return item;
    }
    return std::nullopt;
}

} // namespace

SelectionMovement::SelectionMovement(DesktopServices &desktop, const Favorites &favorites)
    : m_desktop(desktop)
    , m_favorites(favorites)
{}

void SelectionMovement::open(const QSet<QString> &selection, PaneModel &pane)
{
    const QStringList paths = sortedByPath(selection);
    if (paths.isEmpty())
        return;
    if (paths.size() > 1) {
        m_desktop.open(paths);
        return;
    }
    const QString path = paths.first();
    const auto openAs = [this, &pane, path](bool isFolder) {
        if (!isFolder) {
            m_desktop.open({path});
            return;
        }
        pane.navigate(path);
        pane.whenRead([&pane] {
            const QList<FileItem> shown = pane.visibleItems();
            if (!shown.isEmpty())
                pane.setSelection({shown.first().url()});
        });
    };
    // An item of the pane is known to be a folder or not, so the read of a folder entered
    // starts at once and keys typed after Return wait for it. Other paths (a column's entry)
    // are asked on a worker.
    const QList<FileItem> items = pane.items();
    const auto shown =
        std::ranges::find_if(items, [&path](const FileItem &item) { return item.hasUrl(path); });
    if (shown != items.cend()) {
        openAs(shown->isDirectory);
        return;
    }
    FileSystemExecutor::instance().run(
        path,
        &pane,
        [path] {
            const std::optional<FileItem> item = FileItem::read(path);
            return item && item->isDirectory;
        },
        openAs);
}

void SelectionMovement::move(PaneModel &pane, int step)
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
    pane.setSelection({items[target].url()});
}

void SelectionMovement::collapseOrParent(PaneModel &pane)
{
    const std::optional<FileItem> item = firstSelected(pane);
    if (!item) {
        pane.goUp();
        return;
    }
    if (item->isDirectory && pane.expanded().contains(item->url())) {
        pane.toggleExpanded(item->url());
        return;
    }
    if (pane.depths().value(item->url()) == 0) {
        pane.goUp();
        return;
    }
    const QString parent = PathNames::parentFolder(item->url());
    for (const FileItem &shown : pane.visibleItems()) {
        if (standardized(shown.url()) == parent) {
            pane.setSelection({shown.url()});
            return;
        }
    }
}

void SelectionMovement::expandOrOpen(PaneModel &pane)
{
    const std::optional<FileItem> item = firstSelected(pane);
    if (item && item->isDirectory && !pane.expanded().contains(item->url()))
        pane.toggleExpanded(item->url());
    else
        open(pane.selection(), pane);
}

void SelectionMovement::moveInSidebar(PaneModel &pane, int step)
{
    const QList<SidebarItem> entries = m_favorites.entries();
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
