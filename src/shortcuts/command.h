#pragma once

#include "shortcuts/shortcutaction.h"

#include <QList>
#include <QMetaType>
#include <QString>
#include <optional>

// Every command of the program, whichever key, menu entry or button runs it. The first ones
// are the bindable actions, in the order and under the names of ShortcutAction.
enum class Command {
    open,
    goUp,
    back,
    forward,
    nextZone,
    prevZone,
    newFolder,
    rename,
    quickLook,
    view,
    edit,
    info,
    duplicate,
    reveal,
    trash,
    pack,
    unpack,
    copyToOther,
    moveToOther,
    favorite,
    viewIcons,
    viewList,
    viewColumns,
    toggleHidden,
    settings,
    showShortcuts,
    goHome,
    goDesktop,
    goDocuments,
    goDownloads,
    goApplications,
    syncPanes,
    // Commands with a fixed key or none.
    copyFiles,
    pasteFiles,
    find,
    quit,
    openWith,
    copyPath,
    addFavorites,
    switchPane,
    about,
    viewMode,
};

QList<Command> allCommands();
// The case name ("copyToOther"), under which a bindable action's bindings are stored.
QString commandName(Command command);
Command commandOf(ShortcutAction action);
// The bindable action the command is, if it is one.
std::optional<ShortcutAction> shortcutAction(Command command);

// The command's full name, in the current language: the shortcut lists, tool tips and screen
// readers name it so.
QString title(Command command);
// The name of its menu entry; a command that switches something on and off names what it does
// while `on` is the current state.
QString menuTitle(Command command, bool on = false);
// The short label under a toolbar symbol.
QString toolLabel(Command command);
// The label beside its key cap in the function-key bar.
QString keyBarLabel(Command command);
// The tool tip of its button, naming `keyText` (the key as bound now) where it has one.
QString toolTip(Command command, const QString &keyText);
// The name of its symbol (see symbolicons); empty without one.
QString symbol(Command command);
// The key the program gives the command beside the user's bindings, if any.
std::optional<KeyCombo> fixedKey(Command command);
// The section of the shortcut settings of a bindable action; none for the other commands.
std::optional<ShortcutGroup> shortcutGroup(Command command);
// The binding slots as shipped; empty for commands that cannot be bound.
ShortcutSlots defaultKeys(Command command);

Q_DECLARE_METATYPE(Command)
