#pragma once

#include "appearance/externaltool.h"
#include "controller/archivetasks.h"
#include "controller/columncustomization.h"
#include "controller/columnnavigation.h"
#include "controller/favorites.h"
#include "controller/filecommands.h"
#include "controller/focuszone.h"
#include "controller/keydispatch.h"
#include "controller/question.h"
#include "controller/selectionmovement.h"
#include "controller/sidebaritem.h"
#include "controller/toollauncher.h"
#include "controller/transfers.h"
#include "model/fileitem.h"
#include "model/viewmode.h"
#include "platform/desktopservices.h"
#include "platform/fileerror.h"
#include "platform/latestrequest.h"
#include "platform/startlocation.h"
#include "shortcuts/shortcutaction.h"
#include "transfer/transferjob.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>

class PaneModel;
class Preferences;
class QuickLookController;
class SelectionPreview;
class ShortcutStore;
class WindowHooks;

// The application's controller: owns the two panes, knows which one is active and which area
// has the keyboard, holds the one error message the window shows, and runs every command
// through its parts (favourites and sidebar, column navigation, selection movement, file
// commands, archives, transfers, external tools, the preview). It follows the theme and the
// tree setting of the preference store itself. Main thread only. Every property notifies only
// when its value really changes.
class BivaneState : public QObject
{
    Q_OBJECT
    Q_PROPERTY(PaneSide active READ active NOTIFY activeChanged)
    Q_PROPERTY(
        QString errorMessage READ errorMessage WRITE setErrorMessage NOTIFY errorMessageChanged)
    Q_PROPERTY(bool showHidden READ showHidden WRITE setShowHidden NOTIFY showHiddenChanged)
    Q_PROPERTY(ColumnCustomization columnCustomization READ columnCustomization WRITE
                   setColumnCustomization NOTIFY columnCustomizationChanged)
    Q_PROPERTY(FocusZone focusZone READ focusZone NOTIFY focusZoneChanged)
    Q_PROPERTY(bool isRetro READ isRetro NOTIFY isRetroChanged)
    Q_PROPERTY(
        bool showShortcuts READ showShortcuts WRITE setShowShortcuts NOTIFY showShortcutsChanged)

public:
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
    ColumnCustomization columnCustomization() const { return m_columnCustomization; }
    FocusZone focusZone() const { return m_focusZone; }
    // A retro theme is chosen: the panes show their list whatever their view mode.
    bool isRetro() const { return m_isRetro; }
    // What `pane` shows: its view mode, the list in the retro themes.
    ViewMode shownViewMode(const PaneModel &pane) const;
    bool showShortcuts() const { return m_showShortcuts; }

    void setErrorMessage(const QString &message);
    // Both panes follow, left first, also when the value does not change.
    void setShowHidden(bool showHidden);
    // The column layout is stored at once.
    void setColumnCustomization(const ColumnCustomization &customization);
    void setShowShortcuts(bool showShortcuts);

    // The parts that do the work.
    Favorites &favorites() const { return *m_favorites; }
    ColumnNavigation &columns() const { return *m_columns; }
    SelectionMovement &selectionMovement() const { return *m_movement; }
    FileCommands &fileCommands() const { return *m_files; }
    ToolLauncher &tools() const { return *m_tools; }
    ArchiveTasks &archives() const { return *m_archives; }
    Transfers &transfers() const { return *m_transfers; }
    QuickLookController &quickLookController() const { return *m_quickLook; }
    SelectionPreview &selectionPreview() const { return *m_preview; }

    // The window on screen; the controller works without one (then keys are not taken).
    void setWindowHooks(WindowHooks *hooks) { m_windowHooks = hooks; }
    WindowHooks *windowHooks() const { return m_windowHooks; }
    bool hasPendingQuestion() const { return m_pendingQuestion != nullptr; }

    // Installs the application-wide key monitor and the observer of the application becoming
    // active. Called each time the main window is shown; only the first call installs.
    void installMonitors();

    // Gives the keyboard to `zone`, makes its pane active, and selects the first item of a list
    // zone whose pane has nothing selected.
    void focus(FocusZone zone);
    // Publishes a failed file operation in errorMessage: `sentence` says what failed and names
    // the item ("„Bilder“ konnte nicht kopiert werden."), then follow the item that failed with
    // the reason ("~/Bilder/privat: Keine Berechtigung") and, where the file system tells it,
    // what stands in the way (owner and permission bits, a read-only mount). That is found on
    // a worker; the message comes with it, unless another one was set meanwhile.
    void reportError(const FileError &error, const QString &sentence);
    // Both panes read their folders again.
    void reloadPanes();

    // The language changes only at the next start: offers to restart now, which emits
    // restartRequested.
    void askForRestart();

    enum class Asked { shown, noMainWindow, busy };
    // Shows `question` on the main window and calls `done` with the answer. Nothing is shown
    // without a main window, or while another question is open; the caller decides what that
    // means for its command.
    Asked askQuestion(const Question &question, std::function<void(const QuestionAnswer &)> done);
    // The open question's sheet was closed with `answer`.
    void finishQuestion(const QuestionAnswer &answer);

    // What every key press does.
    KeyDispatch &keys() { return m_keys; }
    // Runs an action; false when it did nothing, so that its key press goes on to the view.
    bool perform(ShortcutAction action);

signals:
    void activeChanged();
    void errorMessageChanged();
    void showHiddenChanged();
    void columnCustomizationChanged();
    void focusZoneChanged();
    void isRetroChanged();
    void showShortcutsChanged();
    // The settings action: the window opens its settings.
    void settingsRequested();
    // The user confirmed the restart for a new language.
    void restartRequested();

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
    enum class Direction { forward, backward };

    void setFocusZone(FocusZone zone);
    // Moves the keyboard to the next or previous zone that is shown, wrapping at both ends.
    void cycleZone(Direction direction);
    bool isSidebarZone() const { return !isListZone(m_focusZone); }
    // The assigned viewer on the files of the selection, else the quick preview.
    void viewSelection(const QSet<QString> &selection, PaneModel &pane);
    // A pane on a volume that went away goes to the folder above the mount point.
    void leaveVolumes(const QStringList &mountPoints);

    Preferences &m_preferences;
    ShortcutStore &m_shortcuts;
    DesktopServices &m_desktop;
    std::unique_ptr<PaneModel> m_left;
    std::unique_ptr<PaneModel> m_right;
    PaneSide m_active = PaneSide::left;
    QString m_errorMessage;
    bool m_showHidden = false;
    ColumnCustomization m_columnCustomization;
    FocusZone m_focusZone = FocusZone::leftList;
    bool m_isRetro = false;
    bool m_showShortcuts = false;
    WindowHooks *m_windowHooks = nullptr;
    QPointer<QObject> m_keyMonitor;
    std::unique_ptr<PendingQuestion> m_pendingQuestion;
    std::unique_ptr<QuickLookController> m_quickLook;
    std::unique_ptr<Favorites> m_favorites;
    std::unique_ptr<ColumnNavigation> m_columns;
    std::unique_ptr<SelectionMovement> m_movement;
    std::unique_ptr<FileCommands> m_files;
    std::unique_ptr<ToolLauncher> m_tools;
    std::unique_ptr<ArchiveTasks> m_archives;
    std::unique_ptr<Transfers> m_transfers;
    std::unique_ptr<SelectionPreview> m_preview;
    KeyDispatch m_keys{*this};
    // The explanation of the failure reported last, while it is being found.
    LatestRequest m_errorHint;
};
