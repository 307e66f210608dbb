#pragma once

#include "model/directorywatcher.h"
#include "model/fileitem.h"
#include "model/folderread.h"
#include "model/viewmode.h"
#include "platform/latestrequest.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

// The state of one pane: its folder, the entries read from it, selection, sort order, view mode,
// history, tree expansion, column path and rename state. Lives on the main thread. Every
// property notifies only when its value really changes.
//
// Folders are read on the file system executor's workers. While a read is pending the pane keeps
// what it showed; when the read comes, the folder, its items, the history and the selection
// change together, exactly as if the read had been instant. A newer read supersedes a pending
// one, whose result is dropped.
class PaneModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString url READ url NOTIFY urlChanged)
    Q_PROPERTY(QList<FileItem> items READ items NOTIFY itemsChanged)
    Q_PROPERTY(QSet<QString> selection READ selection WRITE setSelection NOTIFY selectionChanged)
    Q_PROPERTY(SortOrder sortOrder READ sortOrder WRITE setSortOrder NOTIFY sortOrderChanged)
    Q_PROPERTY(QString errorMessage READ errorMessage NOTIFY errorMessageChanged)
    Q_PROPERTY(ViewMode viewMode READ viewMode WRITE setViewMode NOTIFY viewModeChanged)
    Q_PROPERTY(bool showSidebar READ showSidebar WRITE setShowSidebar NOTIFY showSidebarChanged)
    Q_PROPERTY(
        double sidebarWidth READ sidebarWidth WRITE setSidebarWidth NOTIFY sidebarWidthChanged)
    Q_PROPERTY(QStringList columnPath READ columnPath WRITE setColumnPath NOTIFY columnPathChanged)
    Q_PROPERTY(QString searchText READ searchText WRITE setSearchText NOTIFY searchTextChanged)
    Q_PROPERTY(bool showHidden READ showHidden WRITE setShowHidden NOTIFY showHiddenChanged)
    Q_PROPERTY(qint64 reloadToken READ reloadToken NOTIFY reloadTokenChanged)
    Q_PROPERTY(bool treeMode READ treeMode WRITE setTreeMode NOTIFY treeModeChanged)
    Q_PROPERTY(QSet<QString> expanded READ expanded WRITE setExpanded NOTIFY expandedChanged)
    Q_PROPERTY(QHash<QString, int> depths READ depths NOTIFY depthsChanged)
    Q_PROPERTY(bool isRenaming READ isRenaming WRITE setIsRenaming NOTIFY isRenamingChanged)
    Q_PROPERTY(
        QString renameTarget READ renameTarget WRITE setRenameTarget NOTIFY renameTargetChanged)
    Q_PROPERTY(QString renameText READ renameText WRITE setRenameText NOTIFY renameTextChanged)
    Q_PROPERTY(
        std::optional<FileItem> infoItem READ infoItem WRITE setInfoItem NOTIFY infoItemChanged)
    Q_PROPERTY(
        QString activityText READ activityText WRITE setActivityText NOTIFY activityTextChanged)
    Q_PROPERTY(QStringList backStack READ backStack NOTIFY backStackChanged)
    Q_PROPERTY(QStringList forwardStack READ forwardStack NOTIFY forwardStackChanged)
    Q_PROPERTY(bool isReading READ isReading NOTIFY isReadingChanged)
    Q_PROPERTY(QString readingUrl READ readingUrl NOTIFY isReadingChanged)

public:
    // Starts reading `folderUrl`, which becomes the pane's folder when the read comes.
    explicit PaneModel(const QString &folderUrl, QObject *parent = nullptr);

    QString url() const { return m_url; }
    // Entries in display order: folders first, sorted, and in tree mode flattened.
    QList<FileItem> items() const { return m_items; }
    QSet<QString> selection() const { return m_selection; }
    SortOrder sortOrder() const { return m_sortOrder; }
    // Why the folder could not be read; a null string when it could.
    QString errorMessage() const { return m_errorMessage; }
    ViewMode viewMode() const { return m_viewMode; }
    bool showSidebar() const { return m_showSidebar; }
    double sidebarWidth() const { return m_sidebarWidth; }
    // The column browser's chain of selected entries, one per column from `url` outward.
    QStringList columnPath() const { return m_columnPath; }
    QString searchText() const { return m_searchText; }
    bool showHidden() const { return m_showHidden; }
    // Grows by one at every reload; views that read folders themselves key their work on it.
    qint64 reloadToken() const { return m_reloadToken; }
    bool treeMode() const { return m_treeMode; }
    QSet<QString> expanded() const { return m_expanded; }
    // Nesting depth of every item in tree mode; empty otherwise.
    QHash<QString, int> depths() const { return m_depths; }
    bool isRenaming() const { return m_isRenaming; }
    // The entry being renamed; empty when no rename was started.
    QString renameTarget() const { return m_renameTarget; }
    QString renameText() const { return m_renameText; }
    std::optional<FileItem> infoItem() const { return m_infoItem; }
    // Work going on for this pane in the background ("Archiv wird erstellt …"), for its status
    // line; empty while there is none.
    QString activityText() const { return m_activityText; }
    QStringList backStack() const { return m_backStack; }
    QStringList forwardStack() const { return m_forwardStack; }
    const DirectoryWatcher &watcher() const { return m_watcher; }
    // Whether a read is pending; `readingUrl` is the folder it reads (`url` for a reload).
    bool isReading() const { return m_pending.has_value(); }
    QString readingUrl() const { return m_pending ? m_pending->url : QString(); }

    void setSelection(const QSet<QString> &selection);
    // Sorts the items at once.
    void setSortOrder(const SortOrder &sortOrder);
    void setViewMode(ViewMode viewMode);
    void setShowSidebar(bool showSidebar);
    void setSidebarWidth(double sidebarWidth);
    void setColumnPath(const QStringList &columnPath);
    void setSearchText(const QString &searchText);
    // A change re-reads the folder.
    void setShowHidden(bool showHidden);
    // A change collapses every folder and lays the items out again.
    void setTreeMode(bool treeMode);
    void setExpanded(const QSet<QString> &expanded);
    void setIsRenaming(bool isRenaming);
    void setRenameTarget(const QString &renameTarget);
    void setRenameText(const QString &renameText);
    void setInfoItem(const std::optional<FileItem> &infoItem);
    void setActivityText(const QString &activityText);

    // Re-reads the folder, keeps the tree expansion, and drops selected paths that no longer
    // exist. A folder that cannot be read leaves no items and sets errorMessage. While another
    // read is pending, a read of the pane's folder follows it.
    void reload();
    // Shows another folder and records the current one in the history. A target that is the
    // current folder written differently ("x/.", "x/y/..", "x/") changes nothing but to drop a
    // pending read of another folder.
    void navigate(const QString &folderUrl);
    // Shows the parent folder with the folder just left selected; nothing at the root.
    void goUp();
    void goBack();
    void goForward();
    // Calls `then` once the pending read has come (at once when none is pending). A read that
    // is superseded by one of another folder, or dropped, drops what waits for it.
    void whenRead(std::function<void()> then);
    // Drops the pending read: the pane stays where it is.
    void dropRead();

    // Derives items and depths from rootItems, sortOrder, treeMode and expanded.
    void rebuildItems();
    // items narrowed to the names that contain searchText, ignoring case and diacritics; the
    // entry being renamed is always among them, so its name field can be shown.
    QList<FileItem> visibleItems() const;
    // How many selected items the search text hides; they stay selected. Asks each selected
    // entry's name, not every item, so that a keystroke costs the same whatever is selected.
    qsizetype hiddenSelectionCount() const;
    void toggleExpanded(const QString &folderUrl);

    // The folders the column browser shows: url, then each folder entry of columnPath that can
    // still be read.
    QStringList columnFolders() const;
    // The file at the end of columnPath, when there is one and it can still be read.
    std::optional<FileItem> previewItem() const;
    // The user selected `entryUrl` in column `columnIndex` (0 is the pane's own folder).
    void selectInColumn(const QString &entryUrl, qsizetype columnIndex);

signals:
    void urlChanged();
    void itemsChanged();
    void selectionChanged();
    void sortOrderChanged();
    void errorMessageChanged();
    void viewModeChanged();
    void showSidebarChanged();
    void sidebarWidthChanged();
    void columnPathChanged();
    void searchTextChanged();
    // visibleItems changed while items and searchText did not: a rename under a search text
    // started or ended. Comes before isRenamingChanged, so views list the entry before they
    // open its name field.
    void visibleItemsChanged();
    void showHiddenChanged();
    void reloadTokenChanged();
    void treeModeChanged();
    void expandedChanged();
    void depthsChanged();
    void isRenamingChanged();
    void renameTargetChanged();
    void renameTextChanged();
    void infoItemChanged();
    void activityTextChanged();
    void backStackChanged();
    void forwardStackChanged();
    void isReadingChanged();

private:
    // Why a read was started, which decides what changes when it comes.
    enum class ReadPurpose { refresh, open, back, forward };
    struct PendingRead
    {
        QString url;
        ReadPurpose purpose = ReadPurpose::refresh;
        FolderReadRequest request;
    };

    void letRenameTargetThroughFilter();
    // Stores `value` and notifies only when it differs. An equal value is stored too, so that
    // lists built anew share their data with the lists they equal instead of doubling it.
    template<typename T>
    void assign(T &field, const T &value, void (PaneModel::*changed)())
    {
        const bool differs = !(field == value);
        field = value;
        if (differs)
            emit(this->*changed)();
    }

    void updateWatcher();
    void startRead(const QString &folderUrl, ReadPurpose purpose);
    // Takes over what a read found: the folder, the history, the items and the selection.
    void takeRead(const PendingRead &pending, FolderRead read);
    void setPending(std::optional<PendingRead> pending);
    // Drops what waits for the pending read and the read that was to follow it.
    void forgetWaiting();
    void stepHistory(QStringList &from, ReadPurpose purpose);
    // Arranges the items again after a change of the sort order, on a worker.
    void rearrange();
    void layOutTree(const ArrangedListing &level,
                    int depth,
                    QList<FileItem> &items,
                    QStringList &folded,
                    QHash<QString, int> &depths) const;

    QString m_url;
    QList<FileItem> m_items;
    // The search form of each name in m_items, made when the first search after a change of
    // m_items needs it; empty until then.
    QStringList m_foldedNames; // the items' names folded for the search, in item order
    mutable std::optional<QList<FileItem>> m_visibleItems; // the filtered items while searching
    QSet<QString> m_selection;
    SortOrder m_sortOrder = defaultSortOrder();
    QString m_errorMessage;
    ViewMode m_viewMode = ViewMode::list;
    bool m_showSidebar = true;
    double m_sidebarWidth = 170;
    QStringList m_columnPath;
    QString m_searchText;
    bool m_showHidden = false;
    qint64 m_reloadToken = 0;
    bool m_treeMode = false;
    QSet<QString> m_expanded;
    QHash<QString, int> m_depths;
    // The entries of `url` as last read, kept in the order of the last sort so that outside tree
    // mode m_items shares their storage, and in tree mode the expanded folders' entries.
    ArrangedListing m_root;
    QHash<QString, ArrangedListing> m_children;
    bool m_isRenaming = false;
    QString m_renameTarget;
    QString m_renameText;
    std::optional<FileItem> m_infoItem;
    QString m_activityText;
    QStringList m_backStack;
    QStringList m_forwardStack;
    DirectoryWatcher m_watcher;
    QString m_watchedUrl;
    std::optional<PendingRead> m_pending;
    QList<std::function<void()>> m_afterRead;
    // A reload came while a read was pending: another read follows, and what asks to wait
    // from then on waits for that one.
    bool m_readAgain = false;
    QList<std::function<void()>> m_afterNextRead;
    LatestRequest m_read;
    LatestRequest m_arrange;
};
