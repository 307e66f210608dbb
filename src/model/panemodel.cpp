#include "model/panemodel.h"

#include "model/itemorder.h"
#include "platform/pathnames.h"
#include "platform/posixpath.h"
#include "platform/textcompare.h"

#include <QPointer>
#include <algorithm>

using PathNames::standardized;

PaneModel::PaneModel(const QString &folderUrl, QObject *parent)
    : QObject(parent)
    , m_url(folderUrl)
{
    reload();
}

void PaneModel::setSelection(const QSet<QString> &selection)
{
    assign(m_selection, selection, &PaneModel::selectionChanged);
}

void PaneModel::setSortOrder(const SortOrder &sortOrder)
{
    if (m_sortOrder == sortOrder)
        return;
    m_sortOrder = sortOrder;
    emit sortOrderChanged();
    rearrange();
}

void PaneModel::setViewMode(ViewMode viewMode)
{
    assign(m_viewMode, viewMode, &PaneModel::viewModeChanged);
}

void PaneModel::setShowSidebar(bool showSidebar)
{
    assign(m_showSidebar, showSidebar, &PaneModel::showSidebarChanged);
}

void PaneModel::setSidebarWidth(double sidebarWidth)
{
    assign(m_sidebarWidth, sidebarWidth, &PaneModel::sidebarWidthChanged);
}

void PaneModel::setColumnPath(const QStringList &columnPath)
{
    assign(m_columnPath, columnPath, &PaneModel::columnPathChanged);
}

void PaneModel::setSearchText(const QString &searchText)
{
    if (m_searchText == searchText)
        return;
    m_searchText = searchText;
    m_visibleItems.reset();
    emit searchTextChanged();
}

void PaneModel::setShowHidden(bool showHidden)
{
    if (m_showHidden == showHidden)
        return;
    m_showHidden = showHidden;
    emit showHiddenChanged();
    reload();
}

void PaneModel::setTreeMode(bool treeMode)
{
    if (m_treeMode == treeMode)
        return;
    m_treeMode = treeMode;
    emit treeModeChanged();
    setExpanded({});
    rebuildItems();
}

void PaneModel::setExpanded(const QSet<QString> &expanded)
{
    assign(m_expanded, expanded, &PaneModel::expandedChanged);
}

void PaneModel::setIsRenaming(bool isRenaming)
{
    if (m_isRenaming == isRenaming)
        return;
    m_isRenaming = isRenaming;
    letRenameTargetThroughFilter();
    emit isRenamingChanged();
}

void PaneModel::setRenameTarget(const QString &renameTarget)
{
    if (m_renameTarget == renameTarget)
        return;
    m_renameTarget = renameTarget;
    if (m_isRenaming)
        letRenameTargetThroughFilter();
    emit renameTargetChanged();
}

// A search text may hide the entry being renamed, a new folder for one; it is shown anyway.
void PaneModel::letRenameTargetThroughFilter()
{
    if (m_searchText.isEmpty())
        return;
    m_visibleItems.reset();
    emit visibleItemsChanged();
}

void PaneModel::setRenameText(const QString &renameText)
{
    assign(m_renameText, renameText, &PaneModel::renameTextChanged);
}

void PaneModel::setInfoItem(const std::optional<FileItem> &infoItem)
{
    assign(m_infoItem, infoItem, &PaneModel::infoItemChanged);
}

void PaneModel::setActivityText(const QString &activityText)
{
    assign(m_activityText, activityText, &PaneModel::activityTextChanged);
}

void PaneModel::reload()
{
    // The pending read may have listed the folder before the change that asks for this one:
    // another read follows it. Restarting it instead could starve it while changes keep coming.
    if (m_pending)
        m_readAgain = true;
    else
        startRead(m_url, ReadPurpose::refresh);
}

void PaneModel::startRead(const QString &folderUrl, ReadPurpose purpose)
{
    const bool refresh = purpose == ReadPurpose::refresh;
    // A new folder starts collapsed, with nothing selected.
    const FolderReadRequest request{folderUrl,
                                    m_showHidden,
                                    m_sortOrder,
                                    refresh ? m_expanded : QSet<QString>(),
                                    refresh ? m_selection : QSet<QString>()};
    const PendingRead pending{folderUrl, purpose, request};
    setPending(pending);
    m_read.start(
        folderUrl,
        this,
        [request] { return readFolder(request); },
        [this, pending](FolderRead read) { takeRead(pending, std::move(read)); });
}

void PaneModel::setPending(std::optional<PendingRead> pending)
{
    const bool changed =
        pending.has_value() != m_pending.has_value() || (pending && pending->url != m_pending->url);
    m_pending = std::move(pending);
    if (changed)
        emit isReadingChanged();
}

void PaneModel::takeRead(const PendingRead &pending, FolderRead read)
{
    switch (pending.purpose) {
    case ReadPurpose::refresh:
        break;
    case ReadPurpose::open:
        m_backStack.append(m_url);
        emit backStackChanged();
        assign(m_forwardStack, {}, &PaneModel::forwardStackChanged);
        break;
    case ReadPurpose::back:
        m_backStack.removeLast();
        emit backStackChanged();
        m_forwardStack.append(m_url);
        emit forwardStackChanged();
        break;
    case ReadPurpose::forward:
        m_forwardStack.removeLast();
        emit forwardStackChanged();
        m_backStack.append(m_url);
        emit backStackChanged();
        break;
    }
    if (pending.purpose != ReadPurpose::refresh) {
        assign(m_url, pending.url, &PaneModel::urlChanged);
        setSelection({});
        setColumnPath({});
        setExpanded({});
        setSearchText({});
    }
    updateWatcher();
    ++m_reloadToken;
    emit reloadTokenChanged();

    m_root = std::move(read.root);
    m_children = std::move(read.children);
    if (read.error) {
        m_foldedNames = {};
        m_visibleItems.reset();
        assign(m_items, {}, &PaneModel::itemsChanged);
        assign(m_depths, {}, &PaneModel::depthsChanged);
        assign(m_errorMessage, read.error->description(), &PaneModel::errorMessageChanged);
    } else {
        assign(m_errorMessage, QString(), &PaneModel::errorMessageChanged);
        // Sorted by the order the read was asked for; the user may have changed it since.
        if (pending.request.sortOrder == m_sortOrder)
            rebuildItems();
        else
            rearrange();
    }
    if (!read.missing.isEmpty()) {
        QSet<QString> existing = m_selection;
        existing.removeIf([&read](const QString &url) { return read.missing.contains(url); });
        setSelection(existing);
    }

    const QList<std::function<void()>> waiting = std::exchange(m_afterRead, {});
    if (std::exchange(m_readAgain, false)) {
        m_afterRead = std::exchange(m_afterNextRead, {});
        startRead(m_url, ReadPurpose::refresh);
    } else {
        setPending(std::nullopt);
    }
    for (const std::function<void()> &then : waiting)
        then();
}

void PaneModel::whenRead(std::function<void()> then)
{
    if (!m_pending)
        then();
    else if (m_readAgain)
        m_afterNextRead.append(std::move(then));
    else
        m_afterRead.append(std::move(then));
}

void PaneModel::dropRead()
{
    m_read.drop();
    forgetWaiting();
    setPending(std::nullopt);
}

void PaneModel::forgetWaiting()
{
    m_afterRead.clear();
    m_afterNextRead.clear();
    m_readAgain = false;
}

void PaneModel::updateWatcher()
{
    if (!m_watchedUrl.isEmpty() && standardized(m_watchedUrl) == standardized(m_url))
        return;
    m_watchedUrl = m_url;
    m_watcher.watch(m_url, [pane = QPointer<PaneModel>(this)] {
        if (pane)
            pane->reload();
    });
}

void PaneModel::navigate(const QString &folderUrl)
{
    if (standardized(folderUrl) == standardized(m_url)) {
        if (m_pending && m_pending->purpose != ReadPurpose::refresh)
            dropRead();
        return;
    }
    forgetWaiting();
    startRead(folderUrl, ReadPurpose::open);
}

void PaneModel::goUp()
{
    const QString left = standardized(m_url);
    navigate(PathNames::parentFolder(left));
    whenRead([this, left] {
        for (const FileItem &item : std::as_const(m_items)) {
            if (standardized(item.url()) == left) {
                setSelection({item.url()});
                return;
            }
        }
    });
}

void PaneModel::stepHistory(QStringList &from, ReadPurpose purpose)
{
    if (from.isEmpty())
        return;
    forgetWaiting();
    startRead(from.last(), purpose);
}

void PaneModel::goBack()
{
    stepHistory(m_backStack, ReadPurpose::back);
}

void PaneModel::goForward()
{
    stepHistory(m_forwardStack, ReadPurpose::forward);
}

void PaneModel::rearrange()
{
    const SortOrder order = m_sortOrder;
    const ArrangedListing root = m_root;
    const QHash<QString, ArrangedListing> children = m_children;
    using Arranged = std::pair<ArrangedListing, QHash<QString, ArrangedListing>>;
    m_arrange.start(
        m_url,
        this,
        [order, root, children] {
            Arranged result{arranged(root.items, root.rank, order), {}};
            for (auto it = children.cbegin(); it != children.cend(); ++it)
                result.second.insert(it.key(), arranged(it->items, it->rank, order));
            return result;
        },
        [this, order](Arranged result) {
            if (order != m_sortOrder)
                return; // another change of the order is on its way
            m_root = std::move(result.first);
            m_children = std::move(result.second);
            rebuildItems();
        });
}

void PaneModel::rebuildItems()
{
    QList<FileItem> items = m_root.items;
    FoldedNames folded = m_root.foldedNames;
    QHash<QString, int> depths;
    if (m_treeMode) {
        items = {};
        folded = {};
        layOutTree(m_root, 0, items, folded, depths);
    }
    m_foldedNames = std::move(folded);
    m_visibleItems.reset();
    assign(m_items, items, &PaneModel::itemsChanged);
    assign(m_depths, depths, &PaneModel::depthsChanged);
}

void PaneModel::layOutTree(const ArrangedListing &level,
                           int depth,
                           QList<FileItem> &items,
                           FoldedNames &folded,
                           QHash<QString, int> &depths) const
{
    for (qsizetype i = 0; i < level.items.size(); ++i) {
        const FileItem &item = level.items[i];
        items.append(item);
        folded.append(level.foldedNames.at(i));
        depths.insert(item.url(), depth);
        if (!item.isDirectory || m_expanded.isEmpty() || !m_expanded.contains(item.url()))
            continue;
        const auto children = m_children.constFind(item.url());
        if (children != m_children.cend())
            layOutTree(*children, depth + 1, items, folded, depths);
    }
}

QList<FileItem> PaneModel::visibleItems() const
{
    if (m_searchText.isEmpty())
        return m_items;
    // Filtered once per change of the items or the search text: the table, the status line and
    // the selection all ask for it after each keystroke.
    if (!m_visibleItems) {
        const QString needle = foldForSearch(m_searchText);
        QList<FileItem> visible;
        for (qsizetype i = 0; i < m_items.size(); ++i) {
            if (m_foldedNames.contains(i, needle) ||
                (m_isRenaming && m_items[i].hasUrl(m_renameTarget)))
                visible.append(m_items[i]);
        }
        m_visibleItems = std::move(visible);
    }
    return *m_visibleItems;
}

qsizetype PaneModel::hiddenSelectionCount() const
{
    if (m_searchText.isEmpty())
        return 0;
    const QString needle = foldForSearch(m_searchText);
    // An item of the pane: in the tree, any laid-out entry; else an entry of the folder. A
    // selection in a deeper column of the column browser is neither.
    const auto isItem = [this](const QString &url) {
        return m_treeMode ? m_depths.contains(url) : PathNames::parentFolder(url) == m_url;
    };
    return std::ranges::count_if(m_selection, [&](const QString &url) {
        return isItem(url) && !(m_isRenaming && url == m_renameTarget) &&
               !foldForSearch(PathNames::lastComponent(url)).contains(needle);
    });
}

void PaneModel::toggleExpanded(const QString &folderUrl)
{
    QSet<QString> expanded = m_expanded;
    if (expanded.remove(folderUrl)) {
        setExpanded(expanded);
        rebuildItems();
        return;
    }
    // The folder's entries (and those of folders in it that were expanded before) come with a
    // read of the pane's folder.
    expanded.insert(folderUrl);
    setExpanded(expanded);
    reload();
}

QStringList PaneModel::columnFolders(const ColumnEntryLookup &entryOf) const
{
    QStringList folders{m_url};
    for (const QString &entry : m_columnPath) {
        const std::optional<FileItem> item = entryOf(folders.last(), entry);
        if (!item || !item->isDirectory)
            break;
        folders.append(entry);
    }
    return folders;
}

std::optional<FileItem> PaneModel::previewItem(const ColumnEntryLookup &entryOf) const
{
    const QStringList folders = columnFolders(entryOf);
    if (m_columnPath.isEmpty() || folders.size() != m_columnPath.size())
        return std::nullopt;
    return entryOf(folders.last(), m_columnPath.last());
}

void PaneModel::selectInColumn(const QString &entryUrl, qsizetype columnIndex)
{
    QStringList path = m_columnPath.mid(0, columnIndex);
    path.append(entryUrl);
    setColumnPath(path);
    setSelection({entryUrl});
}
