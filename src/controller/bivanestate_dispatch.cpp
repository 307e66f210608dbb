// Keyboard dispatch: which key press the controller takes, and what each action does.
#include "bivanestate.h"
#include "keycombo.h"
#include "keymapping.h"
#include "panemodel.h"
#include "shortcutstore.h"
#include "windowhooks.h"

#include <QDir>
#include <QKeyEvent>

namespace {

namespace KeyCode {
constexpr quint16 left = 123;
constexpr quint16 right = 124;
constexpr quint16 down = 125;
constexpr quint16 up = 126;
} // namespace KeyCode

QString homeFolder(const QString &child = {})
{
    const QString home = QDir::homePath();
    return child.isEmpty() ? home : home + QLatin1Char('/') + child;
}

} // namespace

bool BivaneState::handleKeyDown(const QKeyEvent &event, const QObject *receiver)
{
    if (!m_windowHooks || !m_windowHooks->isMainWindowKeyPress(receiver))
        return false;
    if (m_shortcuts.isRecording())
        return false;

    const bool editing = m_windowHooks->isEditingText();
    if (const std::optional<ShortcutAction> action = m_shortcuts.action(event)) {
        if (!editing)
            return perform(*action);
        // While a text field is edited only the zone keys are taken; they end the editing.
        if (*action != ShortcutAction::nextZone && *action != ShortcutAction::prevZone)
            return false;
        m_windowHooks->endTextEditing();
        return perform(*action);
    }
    if (editing || (modifierBits(event.modifiers()) & ModifierBit::mask) != 0)
        return false;
    const std::optional<quint16> keyCode = virtualKeyCode(event);
    return keyCode && handleArrowKey(*keyCode);
}

bool BivaneState::handleArrowKey(quint16 keyCode)
{
    switch (m_focusZone) {
    case FocusZone::leftSidebar:
        if (keyCode == KeyCode::right) {
            focus(FocusZone::leftList);
            return true;
        }
        return false;
    case FocusZone::rightSidebar:
        if (keyCode == KeyCode::left) {
            focus(FocusZone::rightList);
            return true;
        }
        return false;
    case FocusZone::leftList:
    case FocusZone::rightList:
        break;
    }

    // The retro themes always show their list.
    PaneModel &pane = activePane();
    const ViewMode mode = m_isRetro ? ViewMode::list : pane.viewMode();
    if (mode != ViewMode::list || pane.treeMode())
        return false;
    switch (keyCode) {
    case KeyCode::left:
        pane.goUp();
        return true;
    case KeyCode::right:
        openSelection();
        return true;
    default:
        return false;
    }
}

bool BivaneState::perform(ShortcutAction action)
{
    PaneModel &pane = activePane();
    switch (action) {
    case ShortcutAction::open:
        if (m_focusZone == FocusZone::leftSidebar || m_focusZone == FocusZone::rightSidebar)
            focus(listZoneOf(m_active));
        else
            openSelection();
        return true;
    case ShortcutAction::goUp:
        if (isSidebarZone())
            return false;
        pane.goUp();
        return true;
    case ShortcutAction::back:
        pane.goBack();
        return true;
    case ShortcutAction::forward:
        pane.goForward();
        return true;
    case ShortcutAction::nextZone:
        cycleZone(Direction::forward);
        return true;
    case ShortcutAction::prevZone:
        cycleZone(Direction::backward);
        return true;
    case ShortcutAction::viewIcons:
        pane.setViewMode(ViewMode::icons);
        return true;
    case ShortcutAction::viewList:
        pane.setViewMode(ViewMode::list);
        return true;
    case ShortcutAction::viewColumns:
        pane.setViewMode(ViewMode::columns);
        return true;
    case ShortcutAction::toggleHidden:
        setShowHidden(!m_showHidden);
        return true;
    case ShortcutAction::settings:
        if (m_settingsOpener)
            m_settingsOpener();
        return true;
    case ShortcutAction::showShortcuts:
        setShowShortcuts(!m_showShortcuts);
        return true;
    case ShortcutAction::goHome:
        pane.navigate(homeFolder());
        return true;
    case ShortcutAction::goDesktop:
        pane.navigate(homeFolder(QStringLiteral("Desktop")));
        return true;
    case ShortcutAction::goDocuments:
        pane.navigate(homeFolder(QStringLiteral("Documents")));
        return true;
    case ShortcutAction::goDownloads:
        pane.navigate(homeFolder(QStringLiteral("Downloads")));
        return true;
    case ShortcutAction::goApplications:
        pane.navigate(QStringLiteral("/usr/share/applications"));
        return true;
    case ShortcutAction::syncPanes:
        otherPane().navigate(pane.url());
        return true;
    // The file commands come with their own parts of the controller; until then their keys
    // go on to the views.
    case ShortcutAction::newFolder:
    case ShortcutAction::rename:
    case ShortcutAction::quickLook:
    case ShortcutAction::view:
    case ShortcutAction::edit:
    case ShortcutAction::info:
    case ShortcutAction::duplicate:
    case ShortcutAction::reveal:
    case ShortcutAction::trash:
    case ShortcutAction::pack:
    case ShortcutAction::unpack:
    case ShortcutAction::copyToOther:
    case ShortcutAction::moveToOther:
    case ShortcutAction::favorite:
        return false;
    }
    return false;
}

void BivaneState::openSelection()
{
    const PaneModel &pane = activePane();
    const QSet<QString> selection = pane.selection();
    if (selection.size() != 1)
        return;
    for (const FileItem &item : pane.items()) {
        if (item.url == *selection.cbegin() && item.isDirectory) {
            activePane().navigate(item.url);
            return;
        }
    }
}
