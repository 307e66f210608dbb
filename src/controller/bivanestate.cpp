#include "controller/bivanestate.h"

#include "appearance/applanguage.h"
#include "controller/accesshint.h"
#include "controller/keymonitor.h"
#include "controller/quicklookcontroller.h"
#include "controller/windowhooks.h"
#include "model/panemodel.h"
#include "platform/desktopservices.h"
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
    const QString downloads = BivaneState::placeFolder(BivaneState::Place::downloads);
    return folderExists(downloads) ? downloads : QDir::homePath();
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
    // The open preview follows the active pane's selection, whichever view changed it.
    for (PaneModel *pane : {m_left.get(), m_right.get()})
        connect(pane, &PaneModel::selectionChanged, this, [this, pane] { refreshPreview(*pane); });
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
    // Favourites are kept in their standardised form; a stored list in another form is
    // rewritten, an unchanged one is left alone (a corrupt file stays untouched at start).
    QStringList favorites;
    for (const QString &path : preferences.stringListValue(Pref::customFavorites))
        favorites.append(PathNames::standardized(path));
    m_customFavorites = favorites;
    if (preferences.stored(Pref::customFavorites) &&
        favorites != preferences.stringListValue(Pref::customFavorites))
        preferences.setValue(Pref::customFavorites, favorites);
    m_customFavoriteNames = preferences.mapValue(Pref::customFavoriteNames);
    if (const auto stored =
            ColumnCustomization::fromJson(preferences.dataValue(Pref::tableColumnCustomization)))
        m_columnCustomization = *stored;
    // Known from the start, so that a pane on a volume that goes away can leave it.
    refreshVolumes();
    m_desktop.watchMounts([this] { followMounts(); });
}

BivaneState::~BivaneState()
{
    m_desktop.watchMounts({});
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

void BivaneState::setCustomFavorites(const QStringList &favorites)
{
    assign(m_customFavorites, favorites, &BivaneState::customFavoritesChanged);
    m_preferences.setValue(Pref::customFavorites, favorites);
}

void BivaneState::setCustomFavoriteNames(const QVariantMap &names)
{
    assign(m_customFavoriteNames, names, &BivaneState::customFavoriteNamesChanged);
    m_preferences.setValue(Pref::customFavoriteNames, names);
}

void BivaneState::setColumnCustomization(const ColumnCustomization &customization)
{
    assign(m_columnCustomization, customization, &BivaneState::columnCustomizationChanged);
    m_preferences.setValue(Pref::tableColumnCustomization, customization.toJson());
}

void BivaneState::setVolumes(const QList<SidebarItem> &volumes)
{
    assign(m_volumes, volumes, &BivaneState::volumesChanged);
}

void BivaneState::setIsRetro(bool isRetro)
{
    assign(m_isRetro, isRetro, &BivaneState::isRetroChanged);
}

void BivaneState::setShowShortcuts(bool showShortcuts)
{
    assign(m_showShortcuts, showShortcuts, &BivaneState::showShortcutsChanged);
}

void BivaneState::setTreeMode(bool treeMode)
{
    m_left->setTreeMode(treeMode);
    m_right->setTreeMode(treeMode);
}

void BivaneState::installMonitors()
{
    if (m_keyMonitor)
        return;
    if (qGuiApp) {
        connect(qGuiApp,
                &QGuiApplication::applicationStateChanged,
                this,
                [this](Qt::ApplicationState state) {
                    if (state == Qt::ApplicationActive)
                        applicationBecameActive();
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
            target.setSelection({shown.first().url});
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

bool BivaneState::isPermissionError(const FileError &error)
{
    return error.accessDenial() != nullptr;
}

void BivaneState::applicationBecameActive()
{
    reloadPanes();
    refreshVolumes();
}

void BivaneState::reloadPanes()
{
    m_left->reload();
    m_right->reload();
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

void BivaneState::askForRestart(std::function<void()> relaunchProgram)
{
    Question question;
    question.message = Bv::tr("Sprache geändert");
    question.informativeText =
        Bv::tr("Bivane muss neu gestartet werden, damit die neue Sprache gilt.");
    question.confirmTitle = Bv::tr("Jetzt neu starten");
    question.cancelTitle = Bv::tr("Später");
    if (!relaunchProgram)
        relaunchProgram = [] {
            relaunch();
        };
    askQuestion(question, [relaunchProgram](const QuestionAnswer &answer) {
        if (answer.code == Question::kConfirm)
            relaunchProgram();
    });
}
