// Keyboard dispatch: which key press the controller takes, and what each action does.
#include "controller/bivanestate.h"
#include "controller/places.h"
#include "controller/quicklookcontroller.h"
#include "controller/windowhooks.h"
#include "model/panemodel.h"
#include "shortcuts/fixedkeys.h"
#include "shortcuts/keycombo.h"
#include "shortcuts/keymapping.h"
#include "shortcuts/shortcutstore.h"

#include <QKeyEvent>

bool BivaneState::handleKeyDown(const QKeyEvent &event, const QObject *receiver)
{
    if (answerPendingAlert(event, receiver))
        return true;
    if (!m_windowHooks || !m_windowHooks->isMainWindowKeyPress(receiver))
        return false;
    // Escape with the preview open closes the preview and nothing else.
    if (virtualKeyCode(event) == KeyCode::escape && m_quickLook->isVisible()) {
        m_quickLook->setIsVisible(false);
        return true;
    }
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
    // The desktop's usual key for a program's settings, beside the bound one, also while a
    // text field is edited: it types nothing there.
    const std::optional<quint16> keyCode = virtualKeyCode(event);
    const quint32 modifiers = modifierBits(event.modifiers());
    if (keyCode && FixedKey::settings.matches(*keyCode, modifiers))
        return perform(ShortcutAction::settings);
    if (editing || (modifiers & ModifierBit::mask) != 0)
        return false;
    return keyCode && handleArrowKey(*keyCode);
}

bool BivaneState::answerPendingAlert(const QKeyEvent &event, const QObject *receiver)
{
    if (!m_pendingQuestion || !m_windowHooks || !m_windowHooks->isQuestionKeyPress(receiver))
        return false;
    const std::optional<quint16> keyCode = virtualKeyCode(event);
    if (keyCode == KeyCode::returnKey || keyCode == KeyCode::enter)
        m_windowHooks->endQuestion(Question::kConfirm);
    else if (keyCode == KeyCode::escape)
        m_windowHooks->endQuestion(Question::kCancel);
    else
        return false;
    return true;
}

bool BivaneState::handleArrowKey(quint16 keyCode)
{
    switch (m_focusZone) {
    case FocusZone::leftSidebar:
    case FocusZone::rightSidebar:
        if (keyCode == KeyCode::down || keyCode == KeyCode::up) {
            m_movement->moveInSidebar(activePane(), keyCode == KeyCode::down ? +1 : -1);
            return true;
        }
        if (m_focusZone == FocusZone::leftSidebar && keyCode == KeyCode::right) {
            focus(FocusZone::leftList);
            return true;
        }
        if (m_focusZone == FocusZone::rightSidebar && keyCode == KeyCode::left) {
            focus(FocusZone::rightList);
            return true;
        }
        return false;
    case FocusZone::leftList:
    case FocusZone::rightList:
        break;
    }

    return handleListArrowKey(keyCode, activePane());
}

// The arrow keys in a pane's file area, by what the pane shows.
bool BivaneState::handleListArrowKey(quint16 keyCode, PaneModel &pane)
{
    const ViewMode mode = shownViewMode(pane);
    if (mode == ViewMode::columns) {
        switch (keyCode) {
        case KeyCode::left:
            m_columns->left(pane);
            return true;
        case KeyCode::right:
            m_columns->right(pane);
            return true;
        case KeyCode::down:
            m_columns->move(pane, +1);
            return true;
        case KeyCode::up:
            m_columns->move(pane, -1);
            return true;
        default:
            return false;
        }
    }
    const bool grid = mode == ViewMode::icons;
    switch (keyCode) {
    case KeyCode::left:
        if (grid)
            m_movement->move(pane, -1);
        else if (pane.treeMode())
            m_movement->collapseOrParent(pane);
        else
            pane.goUp();
        return true;
    case KeyCode::right:
        if (grid)
            m_movement->move(pane, +1);
        else if (pane.treeMode())
            m_movement->expandOrOpen(pane);
        else
            openSelection(pane.selection(), pane);
        return true;
    case KeyCode::down:
    case KeyCode::up:
        // A focused table moves its own selection.
        if (m_windowHooks && m_windowHooks->isTableFocused())
            return false;
        m_movement->move(pane, keyCode == KeyCode::down ? +1 : -1);
        return true;
    default:
        return false;
    }
}

bool BivaneState::perform(ShortcutAction action)
{
    PaneModel &pane = activePane();
    const QSet<QString> selection = pane.selection();
    switch (action) {
    case ShortcutAction::open:
        if (isSidebarZone())
            focus(listZoneOf(m_active));
        else
            openSelection(selection, pane);
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
    case ShortcutAction::newFolder:
        newFolder(pane);
        return true;
    case ShortcutAction::rename:
        if (!isSidebarZone()) {
            startRename(selection, pane);
            return true;
        }
        if (!isFavorite(pane.url()))
            return false;
        m_favorites->rename(pane.url());
        return true;
    case ShortcutAction::info:
        showInfo(selection, pane);
        return true;
    case ShortcutAction::duplicate:
        duplicate(selection);
        return true;
    case ShortcutAction::reveal:
        revealSelection(selection);
        return true;
    case ShortcutAction::trash:
        trashSelection(selection, pane);
        return true;
    case ShortcutAction::favorite:
        m_favorites->toggle(pane.url());
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
        emit settingsRequested();
        return true;
    case ShortcutAction::showShortcuts:
        setShowShortcuts(!m_showShortcuts);
        return true;
    case ShortcutAction::goHome:
        pane.navigate(placeFolder(Place::home));
        return true;
    case ShortcutAction::goDesktop:
        pane.navigate(placeFolder(Place::desktop));
        return true;
    case ShortcutAction::goDocuments:
        pane.navigate(placeFolder(Place::documents));
        return true;
    case ShortcutAction::goDownloads:
        pane.navigate(placeFolder(Place::downloads));
        return true;
    case ShortcutAction::goApplications:
        pane.navigate(placeFolder(Place::applications));
        return true;
    case ShortcutAction::syncPanes:
        otherPane().navigate(pane.url());
        return true;
    case ShortcutAction::copyToOther:
        m_transfers->toOther(TransferKind::copy);
        return true;
    case ShortcutAction::moveToOther:
        m_transfers->toOther(TransferKind::move);
        return true;
    // Archives, viewing and editing come with their own parts of the controller; until then
    // their keys go on to the views.
    case ShortcutAction::quickLook:
        if (isSidebarZone())
            return false;
        quickLook(selection, pane);
        return true;
    case ShortcutAction::view:
        viewSelection(selection, pane);
        return true;
    case ShortcutAction::edit:
        m_tools->edit(selection);
        return true;
    case ShortcutAction::pack:
        packSelection(selection, pane);
        return true;
    case ShortcutAction::unpack:
        unpackSelection(selection, pane);
        return true;
    }
    return false;
}
