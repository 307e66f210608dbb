#include "ui/itemcontextmenu.h"

#include "controller/archivetasks.h"
#include "controller/bivanestate.h"
#include "controller/clickrules.h"
#include "controller/commandrules.h"
#include "controller/favorites.h"
#include "controller/filecommands.h"
#include "controller/selectionmovement.h"
#include "controller/selectionorder.h"
#include "controller/selectionpreview.h"
#include "controller/toollauncher.h"
#include "controller/transfers.h"
#include "model/panemodel.h"
#include "platform/desktopservices.h"
#include "ui/symbolicons.h"

ItemContextMenu::ItemContextMenu(BivaneState &state,
                                 PaneModel &pane,
                                 const QSet<QString> &items,
                                 QWidget *parent)
    : QMenu(parent)
    , m_state(state)
    , m_pane(pane)
    , m_items(items)
    , m_context(commandContext(pane, items))
{
    if (m_items.isEmpty())
        addFolderEntries();
    else
        addItemEntries();
}

void ItemContextMenu::popUp(BivaneState &state,
                            PaneModel &pane,
                            const QString &clicked,
                            QWidget &owner,
                            const QPoint &globalPosition)
{
    auto *menu = new ItemContextMenu(
        state, pane, ClickRules::itemsConcerned(pane.selection(), clicked), &owner);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(globalPosition);
}

void ItemContextMenu::addFolderEntries()
{
    addEntry(Command::newFolder, [this] { m_state.fileCommands().newFolder(m_pane); });
    addEntry(Command::pasteFiles, [this] { m_state.transfers().paste(m_pane); });
    addSeparator();
    const QString folder = m_pane.url();
    const bool favorite = m_state.favorites().isFavorite(folder);
    addEntry(
        Command::favorite,
        [this, folder, favorite] {
            if (favorite)
                m_state.favorites().remove(folder);
            else
                m_state.favorites().add({folder});
        },
        favorite);
}

void ItemContextMenu::addItemEntries()
{
    const QStringList sorted = sortedByPath(m_items);
    addEntry(Command::open, [this] { m_state.selectionMovement().open(m_items, m_pane); });
    addOpenWithMenu();
    addEntry(Command::quickLook, [this] { m_state.selectionPreview().toggle(m_items, m_pane); });
    addSeparator();
    addEntry(Command::info, [this] { m_state.fileCommands().showInfo(m_items, m_pane); });
    addEntry(Command::rename, [this] { m_state.fileCommands().startRename(m_items, m_pane); });
    addEntry(Command::duplicate, [this] { m_state.fileCommands().duplicate(m_items, m_pane); });
    addEntry(Command::pack, [this] { m_state.archives().pack(m_items, m_pane); });
    addEntry(Command::unpack, [this] { m_state.archives().unpack(m_items, m_pane); });
    addSeparator();
    addEntry(Command::copyFiles, [this] { m_state.fileCommands().copyFiles(m_items); });
    addEntry(Command::copyToOther, [this, sorted] {
        m_state.transfers().confirm(sorted, otherPane().url(), TransferKind::copy);
    });
    addEntry(Command::moveToOther, [this, sorted] {
        m_state.transfers().confirm(sorted, otherPane().url(), TransferKind::move);
    });
    addSeparator();
    addEntry(Command::addFavorites, [this, sorted] { m_state.favorites().add(sorted); });
    addEntry(Command::copyPath, [this] { m_state.fileCommands().copyPaths(m_items); });
    addEntry(Command::reveal, [this] { m_state.fileCommands().reveal(m_items); });
    addSeparator();
    addEntry(Command::trash, [this] { m_state.fileCommands().trash(m_items, m_pane); });
}

void ItemContextMenu::addOpenWithMenu()
{
    const QStringList sorted = sortedByPath(m_items);
    QMenu *applications = addMenu(menuTitle(Command::openWith));
    // The desktop's answer examines the items: it fills the submenu when it comes.
    applications->setEnabled(false);
    m_state.tools().whenApplicationsForAll(
        sorted, applications, [this, applications, sorted](const QList<DesktopApplication> &found) {
            for (const DesktopApplication &application : found) {
                const QString desktopFile = application.desktopFile;
                applications->addAction(application.name, this, [this, sorted, desktopFile] {
                    m_state.tools().openWith(sorted, desktopFile);
                });
            }
            applications->setEnabled(!applications->isEmpty());
        });
}

// Commands that could never apply to these items are left out (unpacking without an archive,
// a favourite without a folder); the others stay in their places for a steady layout and are
// greyed while they cannot be chosen (renaming more than one item, pasting without files).
void ItemContextMenu::addEntry(Command command, std::function<void()> run, bool on)
{
    const bool possible = canPerform(command, m_context);
    if (!possible && (command == Command::unpack || command == Command::addFavorites))
        return;
    QAction *action = addAction(menuTitle(command, on), this, std::move(run));
    const QString name = symbol(command);
    if (!name.isEmpty())
        action->setIcon(symbolIcon(name));
    action->setEnabled(possible);
}

PaneModel &ItemContextMenu::otherPane() const
{
    return m_state.pane(oppositeSide(m_state.sideOfPane(m_pane)));
}
