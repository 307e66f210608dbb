#include "ui/mainmenubar.h"

#include "controller/bivanestate.h"
#include "shortcuts/shortcutstore.h"

MainMenuBar::MainMenuBar(BivaneState &state,
                         BivaneCommands::WindowOpener openWindow,
                         QWidget *parent)
    : QMenuBar(parent)
    , m_commands(state, std::move(openWindow))
{
    for (const CommandMenu &content : m_commands.menus()) {
        QMenu *menu = addMenu(content.title);
        connect(menu, &QMenu::aboutToShow, this, [this, menu] {
            fill(*menu, m_commands.menus().at(m_menus.indexOf(menu)));
        });
        m_menus.append(menu);
    }
    refresh();
    connect(&state.shortcuts(), &ShortcutStore::bindingsChanged, this, &MainMenuBar::refresh);
}

void MainMenuBar::refresh()
{
    const QList<CommandMenu> menus = m_commands.menus();
    for (qsizetype i = 0; i < menus.size(); ++i)
        fill(*m_menus.at(i), menus.at(i));
}

void MainMenuBar::fill(QMenu &menu, const CommandMenu &content)
{
    menu.clear();
    for (const MenuCommand &entry : content.commands) {
        if (!entry.command) {
            menu.addSeparator();
            continue;
        }
        // The window's key handling runs the actions' keys, so the menu only names them, in
        // the text after the tab; a real shortcut would take the press away from it. Only
        // quitting, which no action does, has its key here. The text after the tab is the
        // program's own for every entry, in its language, which Qt's text of a key sequence
        // does not follow.
        QString text = entry.title;
        if (entry.keys)
            text += QLatin1Char('\t') + entry.keys->displayText();
        QAction *action = menu.addAction(text, this, [this, entry] { m_commands.run(entry); });
        action->setEnabled(entry.enabled);
        if (*entry.command == Command::quit) {
            m_quitKeys =
                entry.keys ? entry.keys->menuShortcut().value_or(QKeySequence()) : QKeySequence();
            action->setShortcut(m_quitKeys);
        } else if (*entry.command == Command::about) {
            action->setMenuRole(QAction::AboutRole);
        } else if (*entry.command == Command::settings) {
            action->setMenuRole(QAction::PreferencesRole);
        }
    }
}
