#include "controller/bivanecommands.h"

#include "controller/bivanestate.h"
#include "controller/commandrules.h"
#include "model/panemodel.h"
#include "platform/localization.h"
#include "shortcuts/shortcutstore.h"

#include <QCoreApplication>

BivaneCommands::BivaneCommands(BivaneState &state, WindowOpener openWindow)
    : m_state(state)
    , m_openWindow(std::move(openWindow))
{}

MenuCommand BivaneCommands::entry(Command command, const CommandContext &context, bool on) const
{
    MenuCommand entry;
    entry.command = command;
    entry.title = menuTitle(command, on);
    entry.enabled = canPerform(command, context);
    if (const std::optional<ShortcutAction> action = shortcutAction(command))
        entry.keys = m_state.shortcuts().menuCombo(*action);
    // The desktop's key for ending a program, unless the user gave it to an action.
    const std::optional<KeyCombo> fixed = fixedKey(command);
    if (command == Command::quit && !m_state.shortcuts().action(fixed->keyCode, fixed->modifiers))
        entry.keys = fixed;
    return entry;
}

QList<CommandMenu> BivaneCommands::menus() const
{
    using C = Command;
    // One context for every entry: it looks through the pane's items.
    const PaneModel &pane = m_state.activePane();
    const CommandContext context = commandContext(pane, pane.selection());
    const auto entry = [this, &context](Command command, bool on = false) {
        return this->entry(command, context, on);
    };
    const MenuCommand separator;
    const CommandMenu file{Bv::tr("Datei"),
                           {entry(C::newFolder),
                            separator,
                            entry(C::open),
                            entry(C::view),
                            entry(C::edit),
                            entry(C::info),
                            entry(C::rename),
                            entry(C::duplicate),
                            entry(C::pack),
                            entry(C::unpack),
                            entry(C::reveal),
                            separator,
                            entry(C::trash),
                            separator,
                            entry(C::settings),
                            entry(C::quit)}};
    const CommandMenu view{Bv::tr("Darstellung"),
                           {entry(C::viewIcons),
                            entry(C::viewList),
                            entry(C::viewColumns),
                            separator,
                            entry(C::toggleHidden, m_state.activePane().showHidden())}};
    const CommandMenu go{Bv::tr("Gehe zu"),
                         {entry(C::back),
                          entry(C::forward),
                          entry(C::goUp),
                          separator,
                          entry(C::goHome),
                          entry(C::goDesktop),
                          entry(C::goDocuments),
                          entry(C::goDownloads),
                          entry(C::goApplications),
                          separator,
                          entry(C::switchPane),
                          entry(C::syncPanes)}};
    const CommandMenu help{Bv::tr("Hilfe"), {entry(C::showShortcuts), separator, entry(C::about)}};
    return {file, view, go, help};
}

void BivaneCommands::run(const MenuCommand &entry) const
{
    if (!entry.enabled || !entry.command)
        return;
    if (const std::optional<ShortcutAction> action = shortcutAction(*entry.command)) {
        m_state.perform(*action);
        return;
    }
    switch (*entry.command) {
    case Command::switchPane:
        m_state.focus(listZoneOf(oppositeSide(m_state.active())));
        break;
    case Command::about:
        if (m_openWindow)
            m_openWindow(QStringLiteral("about"));
        break;
    case Command::quit:
        QCoreApplication::quit();
        break;
    default:
        break;
    }
}
