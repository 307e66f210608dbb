#include "controller/columnnavigation.h"

#include "model/panemodel.h"
#include "model/sortorder.h"
#include "platform/desktopservices.h"
#include "platform/filesystemexecutor.h"
#include "platform/pathnames.h"

#include <QScopedValueRollback>
#include <algorithm>

using PathNames::standardized;

QList<FileItem> columnListing(const QString &folder, bool showHidden)
{
    const FolderListing listing = FileItem::listFolder(folder, showHidden);
    if (listing.error)
        return {};
    return FileItem::sortFoldersFirst(listing.items, defaultSortOrder());
}

ColumnNavigation::ColumnNavigation(DesktopServices &desktop, QObject *parent)
    : QObject(parent)
    , m_desktop(desktop)
{}

ColumnListingKey ColumnNavigation::listingKey(const PaneModel &pane, const QString &folder)
{
    return {&pane, folder, pane.showHidden(), pane.reloadToken()};
}

std::optional<QList<FileItem>> ColumnNavigation::listing(const PaneModel &pane,
                                                         const QString &folder)
{
    const ColumnListingKey key = listingKey(pane, folder);
    const auto has = [&key](const auto &kept) {
        return kept.first == key;
    };
    if (const auto found = std::ranges::find_if(m_listings, has); found != m_listings.end())
        return found->second;
    if (std::ranges::none_of(m_reading, has)) {
        const quint64 serial = ++m_serial;
        m_reading.append({key, serial});
        FileSystemExecutor::instance().run(
            folder,
            this,
            [folder, hidden = key.showHidden] { return columnListing(folder, hidden); },
            [this, key, serial](QList<FileItem> items) {
                // A read of a folder forgotten meanwhile is not kept: one more is on its way.
                const qsizetype reading = m_reading.indexOf(std::pair(key, serial));
                if (reading < 0)
                    return;
                m_reading.remove(reading);
                store(key, items);
                emit listingArrived(key.pane, key.folder);
                runWaitingSteps();
            });
    }
    // Work that runs inline has been stored already.
    if (const auto found = std::ranges::find_if(m_listings, has); found != m_listings.end())
        return found->second;
    return std::nullopt;
}

// Keeps the listings of the columns the panes show, which share their items with the columns,
// so they cost no memory of their own; those of an earlier reload or of columns closed since go.
void ColumnNavigation::store(const ColumnListingKey &key, const QList<FileItem> &items)
{
    const PaneModel &pane = *key.pane;
    const QStringList path = pane.columnPath();
    m_listings.removeIf([&](const auto &kept) {
        const ColumnListingKey &old = kept.first;
        return old.pane == key.pane && (old == key || old != listingKey(pane, old.folder) ||
                                        (old.folder != pane.url() && !path.contains(old.folder)));
    });
    m_listings.prepend({key, items});
}

void ColumnNavigation::forget(const PaneModel &pane, const QString &folder)
{
    const ColumnListingKey key = listingKey(pane, folder);
    m_listings.removeIf([&key](const auto &kept) { return kept.first == key; });
    m_reading.removeIf([&key](const auto &read) { return read.first == key; });
}

std::optional<FileItem> ColumnNavigation::entryOf(const PaneModel &pane,
                                                  const QString &folder,
                                                  const QString &entry,
                                                  bool &pending)
{
    const std::optional<QList<FileItem>> items = listing(pane, folder);
    if (!items) {
        pending = true;
        return std::nullopt;
    }
    // The column path holds the listing's own paths; one written otherwise is looked for too.
    auto found =
        std::ranges::find_if(*items, [&entry](const FileItem &item) { return item.hasUrl(entry); });
    if (found == items->end()) {
        const QString wanted = standardized(entry);
        found = std::ranges::find_if(
            *items, [&wanted](const FileItem &item) { return standardized(item.url()) == wanted; });
    }
    return found == items->end() ? std::nullopt : std::optional(*found);
}

QStringList ColumnNavigation::columnFolders(const PaneModel &pane, bool &pending)
{
    return pane.columnFolders([&](const QString &folder, const QString &entry) {
        return entryOf(pane, folder, entry, pending);
    });
}

std::optional<FileItem> ColumnNavigation::previewItem(const PaneModel &pane, bool &pending)
{
    return pane.previewItem([&](const QString &folder, const QString &entry) {
        return entryOf(pane, folder, entry, pending);
    });
}

void ColumnNavigation::runStep(Step step)
{
    m_steps.append(std::move(step));
    if (m_steps.size() == 1)
        runWaitingSteps();
}

void ColumnNavigation::runWaitingSteps()
{
    // A listing that comes while a step runs (work that runs inline) finds the step running.
    if (m_runningSteps)
        return;
    QScopedValueRollback running(m_runningSteps, true);
    while (!m_steps.isEmpty()) {
        if (!m_steps.first()())
            return;
        m_steps.removeFirst();
    }
}

void ColumnNavigation::left(PaneModel &pane)
{
    runStep([&pane] {
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
        return true;
    });
}

void ColumnNavigation::right(PaneModel &pane)
{
    runStep([this, &pane] { return stepRight(pane); });
}

void ColumnNavigation::move(PaneModel &pane, int step)
{
    runStep([this, &pane, step] { return stepMove(pane, step); });
}

bool ColumnNavigation::stepRight(PaneModel &pane)
{
    QStringList path = pane.columnPath();
    if (path.isEmpty())
        return stepMove(pane, +1);
    bool pending = false;
    const QStringList folders = columnFolders(pane, pending);
    if (pending)
        return false;
    // The last entry is a folder when it opened a column of its own.
    if (folders.size() <= path.size()) {
        if (folders.size() == path.size())
            m_desktop.open({path.last()});
        return true;
    }
    const std::optional<QList<FileItem>> entries = listing(pane, path.last());
    if (!entries)
        return false;
    if (entries->isEmpty())
        return true;
    path.append(entries->first().url());
    pane.setColumnPath(path);
    pane.setSelection({entries->first().url()});
    return true;
}

bool ColumnNavigation::stepMove(PaneModel &pane, int step)
{
    const QStringList path = pane.columnPath();
    const qsizetype k = std::max<qsizetype>(path.size() - 1, 0);
    bool pending = false;
    const QStringList chain = columnFolders(pane, pending);
    if (pending)
        return false;
    if (k >= chain.size())
        return true;
    const std::optional<QList<FileItem>> entries = listing(pane, chain[k]);
    if (!entries)
        return false;
    if (entries->isEmpty())
        return true;

    qsizetype current = -1;
    if (!path.isEmpty()) {
        const QString entry = standardized(path[k]);
        for (qsizetype i = 0; i < entries->size() && current < 0; ++i) {
            if (standardized(entries->at(i).url()) == entry)
                current = i;
        }
    }
    const qsizetype target = current < 0
                                 ? (step < 1 ? entries->size() - 1 : 0)
                                 : std::clamp<qsizetype>(current + step, 0, entries->size() - 1);
    QStringList newPath = path.mid(0, k);
    newPath.append(entries->at(target).url());
    pane.setColumnPath(newPath);
    pane.setSelection({entries->at(target).url()});
    return true;
}
