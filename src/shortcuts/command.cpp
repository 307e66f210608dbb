#include "shortcuts/command.h"

#include "platform/localization.h"
#include "shortcuts/fixedkeys.h"

#include <array>

namespace {

// What the program knows of one command. Texts are localisation keys; a missing one falls back
// to the title.
struct CommandInfo
{
    const char *name;
    const char *title;
    // Only the bindable actions belong to a group of the shortcut settings.
    std::optional<ShortcutGroup> group = std::nullopt;
    ShortcutSlots defaults{};
    const char *menuTitle = nullptr;
    const char *menuTitleOn = nullptr;
    const char *toolLabel = nullptr;
    const char *keyBarLabel = nullptr;
    const char *toolTip = nullptr; // "%1" is the key; without one the tool tip names no key
    const char *symbol = nullptr;
    std::optional<KeyCombo> fixedKey = std::nullopt;
};

constexpr quint32 plain = 0;
constexpr quint32 shift = ModifierBit::shift;
constexpr quint32 option = ModifierBit::option;
constexpr quint32 cmd = ModifierBit::command;
const std::optional<KeyCombo> emptySlot;

std::optional<KeyCombo> key(quint16 keyCode, quint32 modifiers, const char16_t *label)
{
    return KeyCombo{keyCode, modifiers, QString::fromUtf16(label)};
}

constexpr size_t kCommandCount = size_t(Command::viewMode) + 1;

// One row per command, in declaration order.
const std::array<CommandInfo, kCommandCount> &catalogue()
{
    using enum ShortcutGroup;
    static const std::array<CommandInfo, kCommandCount> table{{
        {.name = "open",
         .title = QT_TRANSLATE_NOOP("Bivane", "Öffnen"),
         .group = navigation,
         .defaults = {key(36, plain, u"↩"), key(125, cmd, u"↓")}},
        {.name = "goUp",
         .title = QT_TRANSLATE_NOOP("Bivane", "Eine Ebene höher"),
         .group = navigation,
         .defaults = {key(51, plain, u"⌫"), key(126, cmd, u"↑")},
         .menuTitle = QT_TRANSLATE_NOOP("Bivane", "Übergeordneter Ordner")},
        {.name = "back",
         .title = QT_TRANSLATE_NOOP("Bivane", "Zurück"),
         .group = navigation,
         .defaults = {key(33, cmd, u"["), emptySlot}},
        {.name = "forward",
         .title = QT_TRANSLATE_NOOP("Bivane", "Vorwärts"),
         .group = navigation,
         .defaults = {key(30, cmd, u"]"), emptySlot}},
        {.name = "nextZone",
         .title = QT_TRANSLATE_NOOP("Bivane", "Nächster Bereich (Seitenleiste/Liste)"),
         .group = navigation,
         .defaults = {key(48, plain, u"⇥"), emptySlot}},
        {.name = "prevZone",
         .title = QT_TRANSLATE_NOOP("Bivane", "Vorheriger Bereich"),
         .group = navigation,
         .defaults = {key(48, shift, u"⇥"), emptySlot}},
        {.name = "newFolder",
         .title = QT_TRANSLATE_NOOP("Bivane", "Neuer Ordner"),
         .group = files,
         .defaults = {key(98, plain, u"F7"), key(45, shift | cmd, u"N")},
         .keyBarLabel = QT_TRANSLATE_NOOP("Bivane", "Ordner"),
         .symbol = "folder.badge.plus"},
        {.name = "rename",
         .title = QT_TRANSLATE_NOOP("Bivane", "Umbenennen"),
         .group = files,
         .defaults = {key(120, plain, u"F2"), emptySlot}},
        {.name = "quickLook",
         .title = QT_TRANSLATE_NOOP("Bivane", "Schnellvorschau"),
         .group = files,
         .defaults = {key(49, plain, u"Space"), emptySlot}},
        {.name = "view",
         .title =
             QT_TRANSLATE_NOOP("Bivane", "Ansehen (zugewiesenes Programm, sonst Schnellvorschau)"),
         .group = files,
         .defaults = {key(99, plain, u"F3"), emptySlot},
         .keyBarLabel = QT_TRANSLATE_NOOP("Bivane", "Ansehen")},
        {.name = "edit",
         .title = QT_TRANSLATE_NOOP("Bivane", "Bearbeiten (Editor)"),
         .group = files,
         .defaults = {key(118, plain, u"F4"), emptySlot},
         .keyBarLabel = QT_TRANSLATE_NOOP("Bivane", "Editor")},
        {.name = "info",
         .title = QT_TRANSLATE_NOOP("Bivane", "Informationen"),
         .group = files,
         .defaults = {key(34, cmd, u"I"), emptySlot}},
        {.name = "duplicate",
         .title = QT_TRANSLATE_NOOP("Bivane", "Duplizieren"),
         .group = files,
         .defaults = {key(2, cmd, u"D"), emptySlot}},
        {.name = "reveal",
         .title = QT_TRANSLATE_NOOP("Bivane", "Im Dateimanager zeigen"),
         .group = files,
         .defaults = {key(15, cmd, u"R"), emptySlot}},
        {.name = "trash",
         .title = QT_TRANSLATE_NOOP("Bivane", "In den Papierkorb legen"),
         .group = files,
         .defaults = {key(100, plain, u"F8"), key(51, cmd, u"⌫")},
         .toolLabel = QT_TRANSLATE_NOOP("Bivane", "Löschen"),
         .keyBarLabel = QT_TRANSLATE_NOOP("Bivane", "Löschen"),
         .symbol = "trash"},
        {.name = "pack",
         .title = QT_TRANSLATE_NOOP("Bivane", "Packen"),
         .group = files,
         .defaults = {key(96, option, u"F5"), emptySlot}},
        {.name = "unpack",
         .title = QT_TRANSLATE_NOOP("Bivane", "Entpacken"),
         .group = files,
         .defaults = {key(101, option, u"F9"), emptySlot}},
        {.name = "copyToOther",
         .title = QT_TRANSLATE_NOOP("Bivane", "Ins andere Panel kopieren"),
         .group = files,
         .defaults = {key(96, plain, u"F5"), emptySlot},
         .toolLabel = QT_TRANSLATE_NOOP("Bivane", "Kopieren"),
         .keyBarLabel = QT_TRANSLATE_NOOP("Bivane", "Kopieren"),
         .symbol = "doc.on.doc"},
        {.name = "moveToOther",
         .title = QT_TRANSLATE_NOOP("Bivane", "Ins andere Panel verschieben"),
         .group = files,
         .defaults = {key(97, plain, u"F6"), emptySlot},
         .toolLabel = QT_TRANSLATE_NOOP("Bivane", "Verschieben"),
         .keyBarLabel = QT_TRANSLATE_NOOP("Bivane", "Verschieben"),
         .symbol = "arrow.right.doc.on.clipboard"},
        {.name = "favorite",
         .title = QT_TRANSLATE_NOOP("Bivane", "Ordner als Favorit ein-/ausschalten"),
         .group = files,
         .defaults = {key(101, plain, u"F9"), emptySlot},
         .menuTitle = QT_TRANSLATE_NOOP("Bivane", "Aktuellen Ordner zu Favoriten"),
         .menuTitleOn = QT_TRANSLATE_NOOP("Bivane", "Aktuellen Ordner aus Favoriten entfernen"),
         .keyBarLabel = QT_TRANSLATE_NOOP("Bivane", "Favorit"),
         .symbol = "star"},
        {.name = "viewIcons",
         .title = QT_TRANSLATE_NOOP("Bivane", "Ansicht: Symbole"),
         .group = view,
         .defaults = {key(18, cmd, u"1"), emptySlot},
         .menuTitle = QT_TRANSLATE_NOOP("Bivane", "Als Symbole"),
         .symbol = "square.grid.2x2"},
        {.name = "viewList",
         .title = QT_TRANSLATE_NOOP("Bivane", "Ansicht: Liste"),
         .group = view,
         .defaults = {key(19, cmd, u"2"), emptySlot},
         .menuTitle = QT_TRANSLATE_NOOP("Bivane", "Als Liste"),
         .symbol = "list.bullet"},
        {.name = "viewColumns",
         .title = QT_TRANSLATE_NOOP("Bivane", "Ansicht: Spalten"),
         .group = view,
         .defaults = {key(20, cmd, u"3"), emptySlot},
         .menuTitle = QT_TRANSLATE_NOOP("Bivane", "Als Spalten"),
         .symbol = "rectangle.split.3x1"},
        {.name = "toggleHidden",
         .title = QT_TRANSLATE_NOOP("Bivane", "Unsichtbare Dateien ein-/ausblenden"),
         .group = view,
         .defaults = {key(47, shift | cmd, u"."), emptySlot},
         .menuTitle = QT_TRANSLATE_NOOP("Bivane", "Unsichtbare Dateien einblenden"),
         .menuTitleOn = QT_TRANSLATE_NOOP("Bivane", "Unsichtbare Dateien ausblenden")},
        {.name = "settings",
         .title = QT_TRANSLATE_NOOP("Bivane", "Einstellungen"),
         .group = view,
         .defaults = {key(109, plain, u"F10"), emptySlot},
         .menuTitle = QT_TRANSLATE_NOOP("Bivane", "Einstellungen …"),
         .keyBarLabel = QT_TRANSLATE_NOOP("Bivane", "Einstell."),
         .fixedKey = FixedKey::settings},
        {.name = "showShortcuts",
         .title = QT_TRANSLATE_NOOP("Bivane", "Tastenkürzel anzeigen"),
         .group = view,
         .defaults = {key(122, plain, u"F1"), key(44, cmd, u"/")},
         .keyBarLabel = QT_TRANSLATE_NOOP("Bivane", "Hilfe"),
         .toolTip = QT_TRANSLATE_NOOP("Bivane", "Liste der Tastenkürzel (%1)"),
         .symbol = "keyboard"},
        {.name = "goHome",
         .title = QT_TRANSLATE_NOOP("Bivane", "Benutzerordner"),
         .group = goTo,
         .defaults = {key(4, shift | cmd, u"H"), emptySlot}},
        {.name = "goDesktop",
         .title = QT_TRANSLATE_NOOP("Bivane", "Schreibtisch"),
         .group = goTo,
         .defaults = {key(2, shift | cmd, u"D"), emptySlot}},
        {.name = "goDocuments",
         .title = QT_TRANSLATE_NOOP("Bivane", "Dokumente"),
         .group = goTo,
         .defaults = {key(31, shift | cmd, u"O"), emptySlot}},
        {.name = "goDownloads",
         .title = QT_TRANSLATE_NOOP("Bivane", "Downloads"),
         .group = goTo,
         .defaults = {key(37, option | cmd, u"L"), emptySlot}},
        {.name = "goApplications",
         .title = QT_TRANSLATE_NOOP("Bivane", "Programme"),
         .group = goTo,
         .defaults = {key(0, shift | cmd, u"A"), emptySlot}},
        {.name = "syncPanes",
         .title = QT_TRANSLATE_NOOP("Bivane", "Anderes Panel auf diesen Ordner setzen"),
         .group = goTo,
         .defaults = {key(31, option | cmd, u"O"), emptySlot}},
        {.name = "copyFiles",
         .title = QT_TRANSLATE_NOOP("Bivane", "Kopieren"),
         .symbol = "doc.on.doc",
         .fixedKey = FixedKey::copy},
        {.name = "pasteFiles",
         .title = QT_TRANSLATE_NOOP("Bivane", "Einsetzen"),
         .symbol = "arrow.right.doc.on.clipboard",
         .fixedKey = FixedKey::paste},
        {.name = "find",
         .title = QT_TRANSLATE_NOOP("Bivane", "Suchen"),
         .fixedKey = FixedKey::find},
        {.name = "quit",
         .title = QT_TRANSLATE_NOOP("Bivane", "Beenden"),
         .fixedKey = FixedKey::quit},
        {.name = "openWith", .title = QT_TRANSLATE_NOOP("Bivane", "Öffnen mit")},
        {.name = "copyPath", .title = QT_TRANSLATE_NOOP("Bivane", "Pfad kopieren")},
        {.name = "addFavorites",
         .title = QT_TRANSLATE_NOOP("Bivane", "Zu Favoriten hinzufügen"),
         .symbol = "star"},
        {.name = "switchPane", .title = QT_TRANSLATE_NOOP("Bivane", "Anderes Panel wechseln")},
        {.name = "about", .title = QT_TRANSLATE_NOOP("Bivane", "Über Bivane")},
        {.name = "viewMode",
         .title = QT_TRANSLATE_NOOP("Bivane", "Darstellung"),
         .toolTip = QT_TRANSLATE_NOOP("Bivane", "Darstellung: Symbole, Liste, Spalten")},
    }};
    return table;
}

const CommandInfo &info(Command command)
{
    return catalogue()[size_t(command)];
}

QString textOr(const char *text, const char *fallback)
{
    return Bv::tr(text ? text : fallback);
}

} // namespace

QList<Command> allCommands()
{
    QList<Command> commands;
    for (size_t index = 0; index < kCommandCount; ++index)
        commands.append(Command(index));
    return commands;
}

Command commandOf(ShortcutAction action)
{
    return Command(int(action));
}

std::optional<ShortcutAction> shortcutAction(Command command)
{
    if (!info(command).group)
        return std::nullopt;
    return ShortcutAction(int(command));
}

QString commandName(Command command)
{
    return QString::fromLatin1(info(command).name);
}

QString title(Command command)
{
    return Bv::tr(info(command).title);
}

QString menuTitle(Command command, bool on)
{
    const CommandInfo &row = info(command);
    return textOr(on && row.menuTitleOn ? row.menuTitleOn : row.menuTitle, row.title);
}

QString toolLabel(Command command)
{
    return textOr(info(command).toolLabel, info(command).title);
}

QString keyBarLabel(Command command)
{
    return textOr(info(command).keyBarLabel, info(command).title);
}

QString toolTip(Command command, const QString &keyText)
{
    const CommandInfo &row = info(command);
    if (!row.toolTip)
        return keyText.isEmpty() ? title(command)
                                 : QStringLiteral("%1 (%2)").arg(title(command), keyText);
    const QString pattern = Bv::tr(row.toolTip);
    return pattern.contains(QLatin1String("%1")) ? pattern.arg(keyText) : pattern;
}

QString symbol(Command command)
{
    return QString::fromLatin1(info(command).symbol);
}

std::optional<KeyCombo> fixedKey(Command command)
{
    return info(command).fixedKey;
}

std::optional<ShortcutGroup> shortcutGroup(Command command)
{
    return info(command).group;
}

ShortcutSlots defaultKeys(Command command)
{
    return info(command).defaults;
}
