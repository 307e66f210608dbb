#include "controller/bivanecommands.h"

#include "controller/bivanestate.h"
#include "model/panemodel.h"
#include "platform/localization.h"
#include "platform/pathnames.h"
#include "shortcuts/fixedkeys.h"
#include "shortcuts/shortcutstore.h"
#include "transfer/archivetools.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

MenuCommand separator()
{
    return {};
}

MenuCommand special(MenuCommand::Kind kind, const QString &title)
{
    MenuCommand command;
    command.kind = kind;
    command.title = title;
    return command;
}

} // namespace

BivaneCommands::BivaneCommands(BivaneState &state, WindowOpener openWindow)
    : m_state(state)
    , m_openWindow(std::move(openWindow))
{}

MenuCommand BivaneCommands::perform(ShortcutAction action, const QString &title, bool enabled) const
{
    MenuCommand command;
    command.kind = MenuCommand::Kind::action;
    command.title = title;
    command.action = action;
    command.enabled = enabled;
    command.keys = m_state.shortcuts().menuCombo(action);
    return command;
}

QList<CommandMenu> BivaneCommands::menus() const
{
    using A = ShortcutAction;
    const PaneModel &pane = m_state.activePane();
    const QSet<QString> selection = pane.selection();
    const bool selected = !selection.isEmpty();
    const bool single = selection.size() == 1;
    const bool archive =
        std::any_of(selection.cbegin(), selection.cend(), &ArchiveTools::isArchive);
    const bool belowRoot = PathNames::standardized(pane.url()) != QLatin1String("/");

    CommandMenu file{Bv::tr("Datei"),
                     {perform(A::newFolder, Bv::tr("Neuer Ordner")),
                      separator(),
                      perform(A::open, Bv::tr("Öffnen"), selected),
                      perform(A::view,
                              Bv::tr("Ansehen (zugewiesenes Programm, sonst Schnellvorschau)"),
                              selected),
                      perform(A::edit, Bv::tr("Bearbeiten (Editor)"), selected),
                      perform(A::info, Bv::tr("Informationen"), selected),
                      perform(A::rename, Bv::tr("Umbenennen"), single),
                      perform(A::duplicate, Bv::tr("Duplizieren"), selected),
                      perform(A::pack, Bv::tr("Packen"), selected),
                      perform(A::unpack, Bv::tr("Entpacken"), archive),
                      perform(A::reveal, Bv::tr("Im Dateimanager zeigen"), selected),
                      separator(),
                      perform(A::trash, Bv::tr("In den Papierkorb legen"), selected),
                      separator(),
                      perform(A::settings, Bv::tr("Einstellungen …")),
                      special(MenuCommand::Kind::quit, Bv::tr("Beenden"))}};
    // Ctrl+Q, the desktop's key for ending a program, unless the user gave it to an action.
    if (!m_state.shortcuts().action(FixedKey::quit.keyCode, FixedKey::quit.modifiers))
        file.commands.last().keys = FixedKey::quit;

    const CommandMenu view{Bv::tr("Darstellung"),
                           {perform(A::viewIcons, Bv::tr("Als Symbole")),
                            perform(A::viewList, Bv::tr("Als Liste")),
                            perform(A::viewColumns, Bv::tr("Als Spalten")),
                            separator(),
                            perform(A::toggleHidden,
                                    pane.showHidden() ? Bv::tr("Unsichtbare Dateien ausblenden")
                                                      : Bv::tr("Unsichtbare Dateien einblenden"))}};

    const CommandMenu go{Bv::tr("Gehe zu"),
                         {perform(A::back, Bv::tr("Zurück"), !pane.backStack().isEmpty()),
                          perform(A::forward, Bv::tr("Vorwärts"), !pane.forwardStack().isEmpty()),
                          perform(A::goUp, Bv::tr("Übergeordneter Ordner"), belowRoot),
                          separator(),
                          perform(A::goHome, Bv::tr("Benutzerordner")),
                          perform(A::goDesktop, Bv::tr("Schreibtisch")),
                          perform(A::goDocuments, Bv::tr("Dokumente")),
                          perform(A::goDownloads, Bv::tr("Downloads")),
                          perform(A::goApplications, Bv::tr("Programme")),
                          separator(),
                          special(MenuCommand::Kind::switchPane, Bv::tr("Anderes Panel wechseln")),
                          perform(A::syncPanes, Bv::tr("Anderes Panel auf diesen Ordner setzen"))}};

    const CommandMenu help{Bv::tr("Hilfe"),
                           {perform(A::showShortcuts, Bv::tr("Tastenkürzel anzeigen")),
                            separator(),
                            special(MenuCommand::Kind::about, Bv::tr("Über Bivane"))}};

    return {file, view, go, help};
}

void BivaneCommands::run(const MenuCommand &command) const
{
    if (!command.enabled)
        return;
    switch (command.kind) {
    case MenuCommand::Kind::action:
        m_state.perform(command.action);
        break;
    case MenuCommand::Kind::switchPane:
        m_state.focus(listZoneOf(oppositeSide(m_state.active())));
        break;
    case MenuCommand::Kind::about:
        if (m_openWindow)
            m_openWindow(QStringLiteral("about"));
        break;
    case MenuCommand::Kind::quit:
        QCoreApplication::quit();
        break;
    case MenuCommand::Kind::separator:
        break;
    }
}
