#pragma once

#include "columncustomization.h"
#include "controller/keydispatch.h"
#include "externaltool.h"
#include "fileerror.h"
#include "fileitem.h"
#include "focuszone.h"
#include "question.h"
#include "shortcutaction.h"
#include "sidebaritem.h"
#include "startlocation.h"
#include "transferjob.h"

#include <QMap>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class DesktopServices;
struct DesktopApplication;
class PaneModel;
class Preferences;
class QuickLookController;
class QUrl;
class ShortcutStore;
class TransferProgress;
class ToolStopper;
class TransferRun;
class WindowHooks;

// The application's controller: owns the two panes, knows which one is active and which area
// has the keyboard, holds the one error message the window shows, and runs every command.
// Main thread only. Every property notifies only when its value really changes.
class BivaneState : public QObject
{
    Q_OBJECT
    Q_PROPERTY(PaneSide active READ active NOTIFY activeChanged)
    Q_PROPERTY(
        QString errorMessage READ errorMessage WRITE setErrorMessage NOTIFY errorMessageChanged)
    Q_PROPERTY(bool showHidden READ showHidden WRITE setShowHidden NOTIFY showHiddenChanged)
    Q_PROPERTY(QStringList customFavorites READ customFavorites WRITE setCustomFavorites NOTIFY
                   customFavoritesChanged)
    Q_PROPERTY(QVariantMap customFavoriteNames READ customFavoriteNames WRITE setCustomFavoriteNames
                   NOTIFY customFavoriteNamesChanged)
    Q_PROPERTY(ColumnCustomization columnCustomization READ columnCustomization WRITE
                   setColumnCustomization NOTIFY columnCustomizationChanged)
    Q_PROPERTY(FocusZone focusZone READ focusZone NOTIFY focusZoneChanged)
    Q_PROPERTY(QList<SidebarItem> volumes READ volumes WRITE setVolumes NOTIFY volumesChanged)
    Q_PROPERTY(bool isRetro READ isRetro WRITE setIsRetro NOTIFY isRetroChanged)
    Q_PROPERTY(
        bool showShortcuts READ showShortcuts WRITE setShowShortcuts NOTIFY showShortcutsChanged)

public:
    enum class Direction { forward, backward };
    // The fixed places of the sidebar, in its order.
    enum class Place { home, desktop, documents, downloads, applications, pictures, music, movies };

    // Opens the left pane on the home folder and the right one on the user's downloads folder
    // (home when it is missing), unless `start` names other folders for them, left first; then
    // loads the favourites and the column layout from `preferences`. A start location that
    // cannot be opened leaves its pane on the usual folder and is told as the error message.
    BivaneState(Preferences &preferences,
                ShortcutStore &shortcuts,
                DesktopServices &desktop,
                const QList<StartLocation> &start = {},
                QObject *parent = nullptr);
    ~BivaneState() override;

    Preferences &preferences() const { return m_preferences; }
    // The key bindings the window shows in its tooltips.
    ShortcutStore &shortcuts() const { return m_shortcuts; }
    PaneModel &left() const { return *m_left; }
    PaneModel &right() const { return *m_right; }
    PaneModel &pane(PaneSide side) const { return side == PaneSide::left ? left() : right(); }
    PaneModel &activePane() const { return pane(m_active); }
    PaneModel &otherPane() const { return pane(oppositeSide(m_active)); }
    // The side `pane` (one of the two) is shown on.
    PaneSide sideOfPane(const PaneModel &pane) const
    {
        return &pane == m_left.get() ? PaneSide::left : PaneSide::right;
    }

    PaneSide active() const { return m_active; }
    // The message of the error alert; a null string while there is none.
    QString errorMessage() const { return m_errorMessage; }
    bool showHidden() const { return m_showHidden; }
    QStringList customFavorites() const { return m_customFavorites; }
    // Display names of favourites by the standardised path of the folder.
    QVariantMap customFavoriteNames() const { return m_customFavoriteNames; }
    ColumnCustomization columnCustomization() const { return m_columnCustomization; }
    FocusZone focusZone() const { return m_focusZone; }
    QList<SidebarItem> volumes() const { return m_volumes; }
    bool isRetro() const { return m_isRetro; }
    bool showShortcuts() const { return m_showShortcuts; }
    // The running copy or move; null while none runs.
    TransferProgress *activeTransfer() const;

    void setErrorMessage(const QString &message);
    // Both panes follow, left first, also when the value does not change.
    void setShowHidden(bool showHidden);
    void setCustomFavorites(const QStringList &favorites);
    void setCustomFavoriteNames(const QVariantMap &names);
    // Favourites and their names are stored at once, as is the column layout.
    void setColumnCustomization(const ColumnCustomization &customization);
    void setVolumes(const QList<SidebarItem> &volumes);
    void setIsRetro(bool isRetro);
    void setShowShortcuts(bool showShortcuts);
    // Tree mode for both panes, left first.
    void setTreeMode(bool treeMode);

    // Opens the settings window; set by the main window.
    void setSettingsOpener(std::function<void()> opener) { m_settingsOpener = std::move(opener); }
    // The window on screen; the controller works without one (then keys are not taken).
    void setWindowHooks(WindowHooks *hooks) { m_windowHooks = hooks; }
    WindowHooks *windowHooks() const { return m_windowHooks; }

    // Installs the application-wide key monitor and the observer of the application becoming
    // active. Called each time the main window is shown; only the first call installs.
    void installMonitors();

    // Gives the keyboard to `zone`, makes its pane active, and selects the first item of a list
    // zone whose pane has nothing selected.
    void focus(FocusZone zone);
    // Moves the keyboard to the next or previous zone that is shown, wrapping at both ends.
    void cycleZone(Direction direction);

    // Publishes a failed file operation in errorMessage: `sentence` says what failed and names
    // the item ("„Bilder“ konnte nicht kopiert werden."), then follow the item that failed with
    // the reason ("~/Bilder/privat: Keine Berechtigung") and, where the file system tells it,
    // what stands in the way (owner and permission bits, a read-only mount).
    void reportError(const FileError &error, const QString &sentence);
    static bool isPermissionError(const FileError &error);

    // The application became the active one: both panes re-read their folders.
    void applicationBecameActive();

    // The language changes only at the next start: offers to restart now. `relaunchProgram`
    // stands in for relaunch() in tests.
    void askForRestart(std::function<void()> relaunchProgram = {});

    enum class Asked { shown, noMainWindow, busy };
    // Shows `question` on the main window and calls `done` with the answer. Nothing is shown
    // without a main window, or while another question is open; the caller decides what that
    // means for its command.
    Asked askQuestion(const Question &question, std::function<void(const QuestionAnswer &)> done);
    bool hasPendingQuestion() const { return m_pendingQuestion != nullptr; }
    // The open question's sheet was closed with `answer`.
    void finishQuestion(const QuestionAnswer &answer);

    // What every key press does.
    KeyDispatch &keys() { return m_keys; }
    // Runs an action; false when it did nothing, so that its key press goes on to the view.
    bool perform(ShortcutAction action);

    // Favourites and the sidebar's entries.
    bool isFavorite(const QString &folder) const;
    // Appends the folders among `urls` that are not favourites yet.
    void addFavorites(const QStringList &urls);
    void removeFavorite(const QString &folder);
    // Swaps the favourite with its neighbour above (-1) or below (+1).
    void moveFavorite(const QString &folder, int step);
    // Asks for a display name of the favourite.
    void renameFavorite(const QString &folder);
    // An empty name or the folder's own name removes the custom name.
    void setFavoriteName(const QString &folder, const QString &key, const QString &name);
    // The folder of a place, read anew each time (the home folder and the user folders may
    // change while the program runs).
    static QString placeFolder(Place place);
    QList<SidebarItem> defaultPlaces() const;
    QList<SidebarItem> favoriteItems() const;
    // Places, favourites, volumes: the sidebar from top to bottom.
    QList<SidebarItem> sidebarItems() const;
    void refreshVolumes();

    // Moving and opening the selection.
    // Enters a single selected folder, else opens the items with their applications.
    void openSelection(const QSet<QString> &selection, PaneModel &pane);
    // Selects the item `step` places away from the selection in display order.
    void moveSelection(PaneModel &pane, int step);
    void collapseOrParent(PaneModel &pane);
    void expandOrOpen(PaneModel &pane);
    // One column of the column browser: folders first, then by name; empty when unreadable.
    static QList<FileItem> columnListing(const QString &folder, bool showHidden);
    // The same for a column of `pane`, read once per folder, hidden-files setting and reload
    // of the pane: the column browser and its keys share it, so stepping through a large
    // folder does not read it at every key press.
    QList<FileItem> columnListing(const PaneModel &pane, const QString &folder);
    // What identifies one reading of a column of `pane`.
    QString columnListingKey(const PaneModel &pane, const QString &folder) const;
    // Reads that column again at its next use: its folder changed.
    void forgetColumnListing(const PaneModel &pane, const QString &folder);
    void columnsLeft(PaneModel &pane);
    void columnsRight(PaneModel &pane);
    void columnsMove(PaneModel &pane, int step);
    // Shows the sidebar entry `step` places away from the pane's folder.
    void moveSidebarSelection(PaneModel &pane, int step);

    // File commands on a selection of the pane.
    // A free path for `baseName` in `folder`: "Name", "Name 2", "Name 3"… (before the suffix).
    static QString uniqueUrl(const QString &baseName,
                             const QString &folder,
                             const QSet<QString> &reservedNames = {});
    // The selection in natural order of the full paths.
    static QStringList sortedByPath(const QSet<QString> &selection);
    void newFolder(PaneModel &pane);
    void startRename(const QSet<QString> &selection, PaneModel &pane);
    void commitRename(PaneModel &pane);
    void duplicate(const QSet<QString> &selection);
    // Asks first when "confirmDelete" is on.
    void trashSelection(const QSet<QString> &selection, PaneModel &pane);
    void performTrash(const QSet<QString> &selection, PaneModel &pane);
    void revealSelection(const QSet<QString> &selection);
    void showInfo(const QSet<QString> &selection, PaneModel &pane);
    void copyPaths(const QSet<QString> &selection);
    void copyFiles(const QSet<QString> &selection);

    // External programs, view, edit and the quick preview.
    // The program assigned to `tool` when one is and its file exists, else nothing.
    std::optional<QString> assignedApplication(ExternalTool tool) const;
    // Opens the paths together with `application` (a .desktop file or an executable); a failure
    // is reported.
    void openWith(const QStringList &paths, const QString &application);
    // The applications the desktop offers for every one of the paths, in its order for the
    // first path: one application must take all of them together.
    QList<DesktopApplication> applicationsForAll(const QStringList &paths) const;
    // The assigned viewer on the files of the selection, else the quick preview.
    void viewSelection(const QSet<QString> &selection, PaneModel &pane);
    // The assigned editor on the files of the selection, else the default text editor.
    void editSelection(const QSet<QString> &selection);
    // Opens the preview on the selection, or closes the open preview.
    void quickLook(const QSet<QString> &selection, PaneModel &pane);
    // What the preview pages through and the item it shows first.
    struct PreviewList
    {
        QStringList items;
        QString first;
        bool operator==(const PreviewList &) const = default;
    };
    std::optional<PreviewList> previewItems(const QSet<QString> &selection,
                                            const PaneModel &pane) const;
    // The open preview follows the active pane's selection.
    void refreshPreview(PaneModel &pane);
    // The preview's arrow keys move the active pane's selection.
    void previewArrow(int step);
    QuickLookController &quickLookController() const { return *m_quickLook; }

    // Archives.
    // Hands the selection to the assigned packer, else packBuiltIn.
    void packSelection(const QSet<QString> &selection, PaneModel &pane);
    // Packs the selected items of one folder into a new ZIP archive beside them.
    void packBuiltIn(const QSet<QString> &selection, PaneModel &pane);
    // Unpacks each selected archive into a new folder beside it (or hands them to the assigned
    // unpacker, or to the desktop for kinds it cannot unpack).
    void unpackSelection(const QSet<QString> &selection, PaneModel &pane);

    // Copying and moving.
    // The active pane's selection into the other pane's folder.
    void transferToOther(TransferKind kind);
    // Copies the files on the clipboard into the pane's folder.
    void pasteFiles(PaneModel &pane);
    // The paths of the local file URLs among `urls` (other URLs are left out), for pasting and
    // dropping. A file URL of another machine refuses the whole list with a message.
    std::optional<QStringList> localFilePaths(const QList<QUrl> &urls);
    // Asks first when "confirmCopyMove" is on.
    void confirmTransfer(const QStringList &urls, const QString &targetFolder, TransferKind kind);
    // Plans the jobs (unique names, no item into itself) and starts the run; refused while
    // another one runs.
    void startTransfer(const QStringList &urls, const QString &targetFolder, TransferKind kind);

signals:
    void activeChanged();
    void errorMessageChanged();
    void showHiddenChanged();
    void customFavoritesChanged();
    void customFavoriteNamesChanged();
    void columnCustomizationChanged();
    void focusZoneChanged();
    void volumesChanged();
    void isRetroChanged();
    void showShortcutsChanged();
    void activeTransferChanged();

private:
    template<typename T>
    void assign(T &field, const T &value, void (BivaneState::*changed)())
    {
        if (field == value)
            return;
        field = value;
        emit(this->*changed)();
    }

    struct PendingQuestion;

    void setFocusZone(FocusZone zone);
    bool isSidebarZone() const { return !isListZone(m_focusZone); }
    void reloadPanes();
    void toggleFavorite(const QString &folder);
    // File systems were mounted or unmounted: the volumes follow, and a pane on a volume that
    // went away leaves it.
    void followMounts();
    // Positions of the selected items among `items`, in display order.
    static QList<qsizetype> selectedPositions(const QList<FileItem> &items,
                                              const QSet<QString> &selection);
    void finishTransfer(const std::optional<FileError> &error);
    // A pack or unpack: runs until done or stopped, may leave a notice for the user.
    using ArchiveWork = std::function<std::optional<FileError>(ToolStopper &, QString &notice)>;
    // Runs `work` on a thread of its own while `pane` names `activity` in its status line; the
    // controller's end stops it. Back on the main thread, a failure is reported after
    // `failureSentence`, else the notice shown, and both panes reload.
    void runArchiveTask(PaneModel &pane,
                        const QString &activity,
                        ArchiveWork work,
                        const QString &failureSentence);
    Preferences &m_preferences;
    ShortcutStore &m_shortcuts;
    DesktopServices &m_desktop;
    std::unique_ptr<PaneModel> m_left;
    std::unique_ptr<PaneModel> m_right;
    PaneSide m_active = PaneSide::left;
    QString m_errorMessage;
    bool m_showHidden = false;
    QStringList m_customFavorites;
    QVariantMap m_customFavoriteNames;
    ColumnCustomization m_columnCustomization;
    FocusZone m_focusZone = FocusZone::leftList;
    QList<SidebarItem> m_volumes;
    bool m_isRetro = false;
    bool m_showShortcuts = false;
    std::function<void()> m_settingsOpener;
    WindowHooks *m_windowHooks = nullptr;
    QPointer<QObject> m_keyMonitor;
    std::unique_ptr<PendingQuestion> m_pendingQuestion;
    QPointer<TransferRun> m_transferRun;
    std::unique_ptr<QuickLookController> m_quickLook;
    KeyDispatch m_keys{*this};
    // The last column listings, newest first, under their keys.
    QList<std::pair<QString, QList<FileItem>>> m_columnListings;
};
