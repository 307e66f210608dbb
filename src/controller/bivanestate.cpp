#include "controller/bivanestate.h"

#include "appearance/preferencewatch.h"
#include "appearance/theme.h"
#include "controller/accesshint.h"
#include "controller/keymonitor.h"
#include "controller/places.h"
#include "controller/quicklookcontroller.h"
#include "controller/selectionpreview.h"
#include "controller/windowhooks.h"
#include "model/panemodel.h"
#include "platform/desktopservices.h"
#include "platform/filesystemexecutor.h"
#include "platform/localization.h"
#include "platform/pathcodec.h"
#include "platform/pathnames.h"
#include "platform/posixpath.h"
#include "platform/preferences.h"

#include <QDir>
#include <QGuiApplication>

namespace {

// The folder the pane at `index` starts on: the one the command line asked for, else `usual`.
QString startFolder(const QList<StartLocation> &start, qsizetype index, const QString &usual)
{
    const QString asked = start.value(index).folder;
    return asked.isEmpty() ? usual : asked;
}

// The user's downloads folder as the sidebar's place has it, or home while there is none.
QString usualRightFolder()
{
    const QString downloads = placeFolder(Place::downloads);
    return folderExists(downloads) ? downloads : QDir::homePath();
}

// The folder, or the nearest one above it, that can be opened; the home folder when none can.
QString nearestOpenableFolder(QString folder)
{
    while (!openFolder(folder).isValid()) {
        if (folder == QLatin1String("/"))
            return QDir::homePath();
        folder = PathNames::parentFolder(folder);
    }
    return folder;
}

} // namespace

struct BivaneState::PendingQuestion
{
    Question question;
    std::function<void(const QuestionAnswer &)> done;
};

BivaneState::BivaneState(Preferences &preferences,
                         ShortcutStore &shortcuts,
                         DesktopServices &desktop,
                         const QList<StartLocation> &start,
                         QObject *parent)
    : QObject(parent)
    , m_preferences(preferences)
    , m_shortcuts(shortcuts)
    , m_desktop(desktop)
    , m_left(std::make_unique<PaneModel>(startFolder(start, 0, QDir::homePath())))
    , m_right(std::make_unique<PaneModel>(startFolder(start, 1, usualRightFolder())))
    , m_quickLook(std::make_unique<QuickLookController>(shortcuts))
{
    // Said once, by whoever first writes into a preference file that did not parse.
    const auto tellKept = [this](const QString &path) {
        setErrorMessage(Bv::tr("Die Einstellungsdatei war nicht lesbar. Sie wurde als „%1“ "
                               "aufbewahrt; es gelten die Standardeinstellungen.")
                            .arg(PathCodec::displayText(path)));
    };
    connect(&preferences, &Preferences::unreadableFileKept, this, tellKept);
    connect(&preferences, &Preferences::writeFailed, this, [this](const FileError &error) {
        reportError(error, Bv::tr("Die Einstellungen konnten nicht gespeichert werden."));
    });
    if (!preferences.keptUnreadableFile().isEmpty())
        tellKept(preferences.keptUnreadableFile());
    QStringList startProblems;
    for (qsizetype index = 0; index < start.size() && index < 2; ++index) {
        if (!start[index].selected.isEmpty())
            pane(index == 0 ? PaneSide::left : PaneSide::right)
                .setSelection({start[index].selected});
        if (!start[index].problem.isEmpty())
            startProblems.append(start[index].problem);
    }
    if (!startProblems.isEmpty()) {
        if (!m_errorMessage.isNull())
            startProblems.prepend(m_errorMessage);
        setErrorMessage(startProblems.join(QLatin1Char('\n')));
    }
    if (const auto stored =
            ColumnCustomization::fromJson(preferences.dataValue(Pref::tableColumnCustomization)))
        m_columnCustomization = *stored;

    // The volumes are known from the start, so that a pane on a volume that goes away can
    // leave it.
    m_favorites = std::make_unique<Favorites>(*this, preferences, desktop);
    connect(m_favorites.get(), &Favorites::volumesGone, this, &BivaneState::leaveVolumes);
    m_desktop.watchMounts([this] {
        FileSystemExecutor::instance().refreshMounts();
        m_favorites->refreshVolumes();
    });
    m_columns = std::make_unique<ColumnNavigation>(desktop);
    m_movement = std::make_unique<SelectionMovement>(desktop, *m_favorites);
    m_files = std::make_unique<FileCommands>(*this, desktop);
    m_tools = std::make_unique<ToolLauncher>(*this, desktop);
    m_archives = std::make_unique<ArchiveTasks>(*this, *m_tools, desktop);
    m_transfers = std::make_unique<Transfers>(*this);
    m_preview = std::make_unique<SelectionPreview>(*this, *m_quickLook);

    // The retro themes show the list in every pane; the tree setting applies to both panes.
    watchPreference(
        preferences,
        Pref::themePreset,
        this,
        [](const Preferences &store) { return Theme::fromPreferences(store).isRetro(); },
        [this](bool retro) { assign(m_isRetro, retro, &BivaneState::isRetroChanged); });
    watchPreference(
        preferences,
        Pref::listTreeView,
        this,
        [](const Preferences &store) { return store.boolValue(Pref::listTreeView); },
        [this](bool treeMode) {
            m_left->setTreeMode(treeMode);
            m_right->setTreeMode(treeMode);
        });
}

BivaneState::~BivaneState()
{
    m_desktop.watchMounts({});
}

ViewMode BivaneState::shownViewMode(const PaneModel &pane) const
{
    return m_isRetro ? ViewMode::list : pane.viewMode();
}

void BivaneState::setErrorMessage(const QString &message)
{
    assign(m_errorMessage, message, &BivaneState::errorMessageChanged);
}

void BivaneState::setShowHidden(bool showHidden)
{
    assign(m_showHidden, showHidden, &BivaneState::showHiddenChanged);
    m_left->setShowHidden(showHidden);
    m_right->setShowHidden(showHidden);
}

void BivaneState::setColumnCustomization(const ColumnCustomization &customization)
{
    assign(m_columnCustomization, customization, &BivaneState::columnCustomizationChanged);
    m_preferences.setValue(Pref::tableColumnCustomization, customization.toJson());
}

void BivaneState::setShowShortcuts(bool showShortcuts)
{
    assign(m_showShortcuts, showShortcuts, &BivaneState::showShortcutsChanged);
}

void BivaneState::installMonitors()
{
    if (m_keyMonitor)
        return;
    if (qGuiApp) {
        // The application became the active one: both panes re-read their folders.
        connect(qGuiApp,
                &QGuiApplication::applicationStateChanged,
                this,
                [this](Qt::ApplicationState state) {
                    if (state != Qt::ApplicationActive)
                        return;
                    reloadPanes();
                    m_favorites->refreshVolumes();
                });
    }
    m_keyMonitor = new KeyMonitor(this);
    QCoreApplication::instance()->installEventFilter(m_keyMonitor);
}

void BivaneState::setFocusZone(FocusZone zone)
{
    assign(m_focusZone, zone, &BivaneState::focusZoneChanged);
    assign(m_active, sideOf(zone), &BivaneState::activeChanged);
}

void BivaneState::focus(FocusZone zone)
{
    setFocusZone(zone);
    PaneModel &target = pane(sideOf(zone));
    if (isListZone(zone) && target.selection().isEmpty()) {
        const QList<FileItem> shown = target.visibleItems();
        if (!shown.isEmpty())
            target.setSelection({shown.first().url()});
    }
    if (m_windowHooks)
        m_windowHooks->requestFocus(zone);
}

void BivaneState::cycleZone(Direction direction)
{
    QList<FocusZone> available;
    for (FocusZone zone : allFocusZones()) {
        if (isListZone(zone) || pane(sideOf(zone)).showSidebar())
            available.append(zone);
    }
    const qsizetype position = std::max<qsizetype>(available.indexOf(m_focusZone), 0);
    const qsizetype step = direction == Direction::forward ? 1 : available.size() - 1;
    focus(available[(position + step) % available.size()]);
}

void BivaneState::reportError(const FileError &error, const QString &sentence)
{
    // What failed, then which item and why, then what stands in the way.
    QStringList parts{sentence};
    const bool namesItsItem = !error.message.isEmpty() || error.path.isEmpty();
    parts.append(namesItsItem ? error.description()
                              : Bv::tr("%1: %2").arg(
                                    PathCodec::displayText(PathNames::homeAbbreviated(error.path)),
                                    error.description()));
    parts.append(accessHint(error));
    parts.removeAll(QString());
    parts.removeDuplicates();
    setErrorMessage(parts.join(QStringLiteral("\n\n")));
}

void BivaneState::reloadPanes()
{
    m_left->reload();
    m_right->reload();
}

// The folder that stays behind at the mount point shows the disk under it, empty or not, which
// would read as the volume's content, and what is copied there would land on that disk.
void BivaneState::leaveVolumes(const QStringList &mountPoints)
{
    for (const QString &mountPoint : mountPoints) {
        for (PaneModel *pane : {m_left.get(), m_right.get()}) {
            const QString folder = PathNames::standardized(pane->url());
            if (folder == mountPoint || folder.startsWith(mountPoint + QLatin1Char('/')))
                pane->navigate(nearestOpenableFolder(PathNames::parentFolder(mountPoint)));
        }
    }
}

BivaneState::Asked BivaneState::askQuestion(const Question &question,
                                            std::function<void(const QuestionAnswer &)> done)
{
    if (m_pendingQuestion)
        return Asked::busy;
    if (!m_windowHooks)
        return Asked::noMainWindow;
    m_pendingQuestion =
        std::make_unique<PendingQuestion>(PendingQuestion{question, std::move(done)});
    if (m_windowHooks->showQuestion(question))
        return Asked::shown;
    m_pendingQuestion.reset();
    return Asked::noMainWindow;
}

void BivaneState::finishQuestion(const QuestionAnswer &answer)
{
    if (!m_pendingQuestion)
        return;
    const std::unique_ptr<PendingQuestion> finished = std::move(m_pendingQuestion);
    finished->done(answer);
    // The keyboard goes back to where it was before the sheet opened.
    if (m_windowHooks)
        m_windowHooks->requestFocus(m_focusZone);
}

void BivaneState::askForRestart()
{
    Question question;
    question.message = Bv::tr("Sprache geändert");
    question.informativeText =
        Bv::tr("Bivane muss neu gestartet werden, damit die neue Sprache gilt.");
    question.confirmTitle = Bv::tr("Jetzt neu starten");
    question.cancelTitle = Bv::tr("Später");
    askQuestion(question, [this](const QuestionAnswer &answer) {
        if (answer.code == Question::kConfirm)
            emit restartRequested();
    });
}

void BivaneState::viewSelection(const QSet<QString> &selection, PaneModel &pane)
{
    if (!m_tools->view(selection))
        m_preview->toggle(selection, pane);
}
