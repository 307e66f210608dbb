#pragma once

#include "shortcuts/shortcutaction.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>

class BivaneState;

// One entry of a menu as the menu bar shows it now: its title, whether it can be chosen and the
// key combination that runs the same command.
struct MenuCommand
{
    enum class Kind {
        action,     // runs `action` through the controller, as its key binding does
        switchPane, // gives the keyboard to the other pane's list
        about,      // opens the About window
        quit,       // ends the program
        separator,
    };

    Kind kind = Kind::separator;
    QString title;
    ShortcutAction action = ShortcutAction::open;
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
// binding always do the same thing and the entry shows the user's current keys for it. Which
// entries can be chosen follows the active pane; menus() reads it anew at every call.
class BivaneCommands
{
public:
    using WindowOpener = std::function<void(const QString &identifier)>;

    BivaneCommands(BivaneState &state, WindowOpener openWindow);

    QList<CommandMenu> menus() const;
    void run(const MenuCommand &command) const;

private:
    MenuCommand perform(ShortcutAction action, const QString &title, bool enabled = true) const;

    BivaneState &m_state;
    WindowOpener m_openWindow;
};
