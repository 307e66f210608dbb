#include "model/panemodel.h"

#include "model/itemorder.h"
#include "platform/pathnames.h"
#include "platform/posixpath.h"
#include "platform/textcompare.h"

#include <QDir>
#include <QPointer>
#include <algorithm>
#include <numeric>

using PathNames::standardized;

namespace {} // namespace

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
    rebuildItems();
    emit sortOrderChanged();
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
    updateWatcher();
    ++m_reloadToken;
    emit reloadTokenChanged();

    FolderListing listing = FileItem::listFolder(m_url, m_showHidden);
    m_rootItems = std::move(listing.items);
    m_rootRank.resize(m_rootItems.size());
    std::iota(m_rootRank.begin(), m_rootRank.end(), 0);
    if (listing.error) {
        m_foldedNames = {};
        m_visibleItems.reset();
        assign(m_items, {}, &PaneModel::itemsChanged);
        assign(m_depths, {}, &PaneModel::depthsChanged);
        assign(m_errorMessage, listing.error->description(), &PaneModel::errorMessageChanged);
    } else {
        assign(m_errorMessage, QString(), &PaneModel::errorMessageChanged);
        rebuildItems();
    }

    QSet<QString> existing = m_selection;
    existing.removeIf([](const QString &url) { return !entryExists(url); });
    setSelection(existing);
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

void PaneModel::showFolder(const QString &folderUrl)
{
    assign(m_url, folderUrl, &PaneModel::urlChanged);
    setSelection({});
    setColumnPath({});
    setExpanded({});
    setSearchText({});
    reload();
}

void PaneModel::navigate(const QString &folderUrl)
{
    if (standardized(folderUrl) == standardized(m_url))
        return;
    m_backStack.append(m_url);
    emit backStackChanged();
    assign(m_forwardStack, {}, &PaneModel::forwardStackChanged);
    showFolder(folderUrl);
}

void PaneModel::goUp()
{
    const QString left = standardized(m_url);
    navigate(PathNames::parentFolder(left));
    for (const FileItem &item : std::as_const(m_items)) {
        if (standardized(item.url()) == left) {
            setSelection({item.url()});
            return;
        }
    }
}

void PaneModel::stepHistory(QStringList &from,
                            void (PaneModel::*fromChanged)(),
                            QStringList &to,
                            void (PaneModel::*toChanged)())
{
    if (from.isEmpty())
        return;
    const QString target = from.takeLast();
    emit(this->*fromChanged)();
    to.append(m_url);
    emit(this->*toChanged)();
    showFolder(target);
}

void PaneModel::goBack()
{
    stepHistory(
        m_backStack, &PaneModel::backStackChanged, m_forwardStack, &PaneModel::forwardStackChanged);
}

void PaneModel::goForward()
{
    stepHistory(
        m_forwardStack, &PaneModel::forwardStackChanged, m_backStack, &PaneModel::backStackChanged);
}

void PaneModel::sortRootItems()
{
    const QList<qsizetype> order = foldersFirstOrder(m_rootItems, m_sortOrder, m_rootRank);
    if (std::is_sorted(order.cbegin(), order.cend()))
        return;
    QList<FileItem> items;
    std::vector<int> rank;
    items.reserve(order.size());
    rank.reserve(order.size());
    for (qsizetype position : order) {
        items.append(m_rootItems[position]);
        rank.push_back(m_rootRank[position]);
    }
    m_rootItems = std::move(items);
    m_rootRank = std::move(rank);
}

void PaneModel::rebuildItems()
{
    sortRootItems();
    QList<FileItem> items = m_rootItems;
    QHash<QString, int> depths;
    if (m_treeMode) {
        items = {};
        layOutTree(m_rootItems, 0, items, depths);
    }
    // Folded once per read, so that the first keystroke of a search is as quick as the next.
    m_foldedNames = FoldedNames(items);
    m_visibleItems.reset();
    assign(m_items, items, &PaneModel::itemsChanged);
    assign(m_depths, depths, &PaneModel::depthsChanged);
}

void PaneModel::layOutTree(const QList<FileItem> &level,
                           int depth,
                           QList<FileItem> &items,
                           QHash<QString, int> &depths) const
{
    for (const FileItem &item : level) {
        items.append(item);
        depths.insert(item.url(), depth);
        if (!item.isDirectory || m_expanded.isEmpty() || !m_expanded.contains(item.url()))
            continue;
        // An expanded folder that cannot be read is shown without children.
        const FolderListing children = FileItem::listFolder(item.url(), m_showHidden);
        if (!children.error)
            layOutTree(
                FileItem::sortFoldersFirst(children.items, m_sortOrder), depth + 1, items, depths);
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
                (m_isRenaming && m_items[i].url() == m_renameTarget))
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
    if (!expanded.remove(folderUrl))
        expanded.insert(folderUrl);
    setExpanded(expanded);
    rebuildItems();
}

QStringList PaneModel::columnFolders() const
{
    QStringList folders{m_url};
    for (const QString &entry : m_columnPath) {
        const std::optional<FileItem> item = FileItem::read(entry);
        if (item && item->isDirectory)
            folders.append(entry);
    }
    return folders;
}

std::optional<FileItem> PaneModel::previewItem() const
{
    if (m_columnPath.isEmpty())
        return std::nullopt;
    std::optional<FileItem> item = FileItem::read(m_columnPath.last());
    if (!item || item->isDirectory)
        return std::nullopt;
    return item;
}

void PaneModel::selectInColumn(const QString &entryUrl, qsizetype columnIndex)
{
    QStringList path = m_columnPath.mid(0, columnIndex);
    path.append(entryUrl);
    setColumnPath(path);
    setSelection({entryUrl});
}
