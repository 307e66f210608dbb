#pragma once

#include "shortcuts/command.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>

class BivaneState;
struct CommandContext;

// One entry of a menu as the menu bar shows it now: its command (none for a separator), title,
// whether it can be chosen and the key combination that runs the same command.
struct MenuCommand
{
    std::optional<Command> command;
    QString title;
    bool enabled = true;
    std::optional<KeyCombo> keys;

    bool operator==(const MenuCommand &) const = default;
};

struct CommandMenu
{
    QString title;
    QList<MenuCommand> commands;

    bool operator==(const CommandMenu &) const = default;
};

// The program's menus: almost every entry runs a shortcut action, so a menu entry and its key
// binding always do the same thing and the entry shows the user's current keys for it. Titles
// come from the command catalogue; which entries can be chosen follows the active pane's
// selection by the catalogue's rules. menus() reads the state anew at every call.
class BivaneCommands
{
public:
    using WindowOpener = std::function<void(const QString &identifier)>;

    BivaneCommands(BivaneState &state, WindowOpener openWindow);

    QList<CommandMenu> menus() const;
    void run(const MenuCommand &command) const;

private:
    // The entry of `command`, with its menu title for the state `on` of a switch.
    MenuCommand entry(Command command, const CommandContext &context, bool on) const;

    BivaneState &m_state;
    WindowOpener m_openWindow;
};
