#pragma once

#include "controller/panecommands.h"

#include <QSet>
#include <QString>

class BivaneState;
class DesktopServices;
class PaneModel;

// File commands on a selection of a pane: new folder, rename, duplicate, trash, reveal,
// information and the clipboard. Failures are reported through the controller. The file system
// work runs on the file system executor; the selection, the rename field and the focus change
// when it has ended, as they would have after instant work.
class FileCommands
{
public:
    FileCommands(BivaneState &state, DesktopServices &desktop);

    // Makes "Neuer Ordner" (or the next free name) in the pane's folder and starts renaming it.
    void newFolder(PaneModel &pane);
    // Opens the rename field on a single selected item.
    void startRename(const QSet<QString> &selection, PaneModel &pane);
    // Renames the item of the pane's rename field to the field's text.
    void commitRename(PaneModel &pane);
    void duplicate(const QSet<QString> &selection, PaneModel &pane);
    // Asks first when "confirmDelete" is on.
    void trash(const QSet<QString> &selection, PaneModel &pane);
    // Moves the items to the trash and selects the item that took the first one's place.
    void performTrash(const QSet<QString> &selection, PaneModel &pane);
    void reveal(const QSet<QString> &selection);
    void showInfo(const QSet<QString> &selection, PaneModel &pane);
    // The paths as text, one a line.
    void copyPaths(const QSet<QString> &selection);
    // The items themselves, for pasting in this or another file manager.
    void copyFiles(const QSet<QString> &selection);
    // Forgets the results of the commands still running for the pane (Escape); false when none
    // runs.
    bool dropPending(PaneModel &pane);

private:
    BivaneState &m_state;
    DesktopServices &m_desktop;
    PaneCommands m_running;
};
