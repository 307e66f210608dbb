#include "controller/keydispatch.h"

#include "controller/bivanestate.h"
#include "controller/columnnavigation.h"
#include "controller/filecommands.h"
#include "controller/quicklookcontroller.h"
#include "controller/selectionmovement.h"
#include "controller/transfers.h"
#include "controller/windowhooks.h"
#include "model/panemodel.h"
#include "shortcuts/fixedkeys.h"
#include "shortcuts/keymapping.h"
#include "shortcuts/shortcutstore.h"

namespace {

bool isZoneAction(const std::optional<ShortcutAction> &action)
{
    return action == ShortcutAction::nextZone || action == ShortcutAction::prevZone;
}

// Return, keypad Enter, Down and Escape hand the keyboard from the search field to the list.
bool leavesSearchField(const KeyPress &key)
{
    return key.modifiers == 0 &&
           (key.keyCode == KeyCode::returnKey || key.keyCode == KeyCode::enter ||
            key.keyCode == KeyCode::down || key.keyCode == KeyCode::escape);
}

// The actions that do not act on the items of the pane with the keyboard: they leave it, show
// it otherwise, open another folder (which supersedes a pending read) or open a window.
bool ignoresPaneItems(ShortcutAction action)
{
    switch (action) {
    case ShortcutAction::nextZone:
    case ShortcutAction::prevZone:
    case ShortcutAction::viewIcons:
    case ShortcutAction::viewList:
    case ShortcutAction::viewColumns:
    case ShortcutAction::toggleHidden:
    case ShortcutAction::settings:
    case ShortcutAction::showShortcuts:
    case ShortcutAction::goHome:
    case ShortcutAction::goDesktop:
    case ShortcutAction::goDocuments:
    case ShortcutAction::goDownloads:
    case ShortcutAction::goApplications:
        return true;
    default:
        return false;
    }
}

bool isPlainEscape(const KeyPress &key)
{
    return key.keyCode == KeyCode::escape && (key.modifiers & ModifierBit::mask) == 0;
}

bool isArrow(quint16 keyCode)
{
    return keyCode == KeyCode::up || keyCode == KeyCode::down || keyCode == KeyCode::left ||
           keyCode == KeyCode::right;
}

} // namespace

KeyDispatch::KeyDispatch(BivaneState &state)
    : m_state(state)
{}

bool KeyDispatch::handle(const KeyPress &key, const KeyContext &context)
{
    if (context.target == KeyTarget::question)
        return answerQuestion(key);
    if (context.target != KeyTarget::mainWindow)
        return false;
    // Escape with the preview open closes the preview and nothing else.
    QuickLookController &preview = m_state.quickLookController();
    if (key.keyCode == KeyCode::escape && preview.isVisible()) {
        preview.setIsVisible(false);
        return true;
    }
    if (m_state.shortcuts().isRecording() || !key.keyCode)
        return false;
    // Escape in a pane drops what waits on its file system: a pending read (the pane stays
    // where it was) and the results of pending commands.
    if (isPlainEscape(key) && context.editing == EditedField::none && isListZone(context.zone)) {
        PaneModel &pane = m_state.pane(sideOf(context.zone));
        const bool wasReading = pane.isReading();
        pane.dropRead();
        if (m_state.fileCommands().dropPending(pane) || wasReading)
            return true;
    }

    const std::optional<ShortcutAction> action =
        m_state.shortcuts().action(*key.keyCode, key.modifiers);
    if (isLeftToWidget(key, action, context))
        return false;
    if (context.editing == EditedField::search && leavesSearchField(key)) {
        leaveSearchField(*key.keyCode == KeyCode::escape);
        return true;
    }
    if (action) {
        // The zone keys leave a text field: the field lets go of the keyboard first.
        if (context.editing != EditedField::none && m_state.windowHooks())
            m_state.windowHooks()->endTextEditing();
        return m_state.perform(*action);
    }
    // The desktop's usual key for a program's settings, beside the bound one, also while a
    // text field is edited: it types nothing there.
    if (FixedKey::settings.matches(*key.keyCode, key.modifiers))
        return m_state.perform(ShortcutAction::settings);
    if (handleClipboardKey(key, context))
        return true;
    if ((key.modifiers & ModifierBit::mask) != 0)
        return false;
    return handleArrowKey(*key.keyCode, context);
}

bool KeyDispatch::waitsForRead(const KeyPress &key, const KeyContext &context) const
{
    if (context.target != KeyTarget::mainWindow || context.editing != EditedField::none ||
        !isListZone(context.zone) || !m_state.pane(sideOf(context.zone)).isReading())
        return false;
    if (m_state.shortcuts().isRecording() || m_state.quickLookController().isVisible())
        return false;
    if (!key.keyCode)
        return true; // a letter without a position of its own still jumps to a name
    if (isPlainEscape(key) || FixedKey::settings.matches(*key.keyCode, key.modifiers))
        return false;
    const std::optional<ShortcutAction> action =
        m_state.shortcuts().action(*key.keyCode, key.modifiers);
    return !action || !ignoresPaneItems(*action);
}

// The one list of what the controller leaves to the widget with the keyboard.
bool KeyDispatch::isLeftToWidget(const KeyPress &key,
                                 const std::optional<ShortcutAction> &action,
                                 const KeyContext &context)
{
    // A text field (the search field, a rename field) types and edits with every key but the
    // zone keys, which leave it, and the settings key, which types nothing.
    if (context.editing != EditedField::none) {
        if (context.editing == EditedField::search && leavesSearchField(key))
            return false;
        if (action)
            return !isZoneAction(action);
        return !FixedKey::settings.matches(*key.keyCode, key.modifiers);
    }
    if (action || !isListZone(context.zone) || !isArrow(*key.keyCode))
        return false;
    // The arrows with a modifier extend the selection in the view.
    if ((key.modifiers & ModifierBit::mask) != 0)
        return true;
    // The table of the list view moves its own cursor with Up and Down.
    return context.view == ViewKind::list &&
           (*key.keyCode == KeyCode::up || *key.keyCode == KeyCode::down);
}

void KeyDispatch::leaveSearchField(bool clear)
{
    if (clear)
        m_state.activePane().setSearchText({});
    // The field lets go of the keyboard at once, so that the next key already reaches the list.
    if (m_state.windowHooks())
        m_state.windowHooks()->endTextEditing();
    m_state.focus(listZoneOf(m_state.active()));
}

bool KeyDispatch::answerQuestion(const KeyPress &key)
{
    WindowHooks *window = m_state.windowHooks();
    if (!m_state.hasPendingQuestion() || !window)
        return false;
    if (key.keyCode == KeyCode::returnKey || key.keyCode == KeyCode::enter)
        window->endQuestion(Question::kConfirm);
    else if (key.keyCode == KeyCode::escape)
        window->endQuestion(Question::kCancel);
    else
        return false;
    return true;
}

bool KeyDispatch::handleClipboardKey(const KeyPress &key, const KeyContext &context)
{
    if (!isListZone(context.zone))
        return false;
    PaneModel &pane = m_state.pane(sideOf(context.zone));
    if (FixedKey::copy.matches(*key.keyCode, key.modifiers)) {
        if (!pane.selection().isEmpty())
            m_state.fileCommands().copyFiles(pane.selection());
        return true;
    }
    if (FixedKey::paste.matches(*key.keyCode, key.modifiers)) {
        m_state.transfers().paste(pane);
        return true;
    }
    return false;
}

bool KeyDispatch::handleArrowKey(quint16 keyCode, const KeyContext &context)
{
    PaneModel &pane = m_state.pane(sideOf(context.zone));
    switch (context.zone) {
    case FocusZone::leftSidebar:
    case FocusZone::rightSidebar:
        if (keyCode == KeyCode::down || keyCode == KeyCode::up) {
            m_state.selectionMovement().moveInSidebar(pane, keyCode == KeyCode::down ? +1 : -1);
            return true;
        }
        if (context.zone == FocusZone::leftSidebar && keyCode == KeyCode::right) {
            m_state.focus(FocusZone::leftList);
            return true;
        }
        if (context.zone == FocusZone::rightSidebar && keyCode == KeyCode::left) {
            m_state.focus(FocusZone::rightList);
            return true;
        }
        return false;
    case FocusZone::leftList:
    case FocusZone::rightList:
        break;
    }
    return handleListArrowKey(keyCode, context.view, pane);
}

// The arrow keys in a pane's file area, by what the pane shows.
bool KeyDispatch::handleListArrowKey(quint16 keyCode, ViewKind view, PaneModel &pane)
{
    if (view == ViewKind::columns) {
        switch (keyCode) {
        case KeyCode::left:
            m_state.columns().left(pane);
            return true;
        case KeyCode::right:
            m_state.columns().right(pane);
            return true;
        case KeyCode::down:
            m_state.columns().move(pane, +1);
            return true;
        case KeyCode::up:
            m_state.columns().move(pane, -1);
            return true;
        default:
            return false;
        }
    }
    const bool grid = view == ViewKind::icons;
    switch (keyCode) {
    case KeyCode::left:
        if (grid)
            m_state.selectionMovement().move(pane, -1);
        else if (pane.treeMode())
            m_state.selectionMovement().collapseOrParent(pane);
        else
            pane.goUp();
        return true;
    case KeyCode::right:
        if (grid)
            m_state.selectionMovement().move(pane, +1);
        else if (pane.treeMode())
            m_state.selectionMovement().expandOrOpen(pane);
        else
            m_state.selectionMovement().open(pane.selection(), pane);
        return true;
    case KeyCode::down:
    case KeyCode::up:
        m_state.selectionMovement().move(pane, keyCode == KeyCode::down ? +1 : -1);
        return true;
    default:
        return false;
    }
}
