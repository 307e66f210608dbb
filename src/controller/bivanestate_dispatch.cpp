// What each action does, for its key, its menu entry and its buttons alike.
#include "controller/bivanestate.h"
#include "controller/places.h"
#include "controller/selectionpreview.h"
#include "model/panemodel.h"

bool BivaneState::perform(ShortcutAction action)
{
    PaneModel &pane = activePane();
    const QSet<QString> selection = pane.selection();
    switch (action) {
    case ShortcutAction::open:
        if (isSidebarZone())
            focus(listZoneOf(m_active));
        else
            m_movement->open(selection, pane);
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
        m_files->newFolder(pane);
        return true;
    case ShortcutAction::rename:
        if (!isSidebarZone()) {
            m_files->startRename(selection, pane);
            return true;
        }
        if (!m_favorites->isFavorite(pane.url()))
            return false;
        m_favorites->rename(pane.url());
        return true;
    case ShortcutAction::info:
        m_files->showInfo(selection, pane);
        return true;
    case ShortcutAction::duplicate:
        m_files->duplicate(selection, pane);
        return true;
    case ShortcutAction::reveal:
        m_files->reveal(selection);
        return true;
    case ShortcutAction::trash:
        m_files->trash(selection, pane);
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
        m_preview->toggle(selection, pane);
        return true;
    case ShortcutAction::view:
        viewSelection(selection, pane);
        return true;
    case ShortcutAction::edit:
        m_tools->edit(selection);
        return true;
    case ShortcutAction::pack:
        m_archives->pack(selection, pane);
        return true;
    case ShortcutAction::unpack:
        m_archives->unpack(selection, pane);
        return true;
    }
    return false;
}
