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

#define TR(text) QT_TRANSLATE_NOOP("Bivane", text)

constexpr size_t kCommandCount = size_t(Command::viewMode) + 1;

// One row per command, in declaration order.
const std::array<CommandInfo, kCommandCount> &catalogue()
{
    using enum ShortcutGroup;
    // clang-format off
    static const std::array<CommandInfo, kCommandCount> table{{
        {.name = "open", .title = TR("Öffnen"), .group = navigation,
         .defaults = {key(36, plain, u"↩"), key(125, cmd, u"↓")}},
        {.name = "goUp", .title = TR("Eine Ebene höher"), .group = navigation,
         .defaults = {key(51, plain, u"⌫"), key(126, cmd, u"↑")},
         .menuTitle = TR("Übergeordneter Ordner")},
        {.name = "back", .title = TR("Zurück"), .group = navigation,
         .defaults = {key(33, cmd, u"["), emptySlot}},
        {.name = "forward", .title = TR("Vorwärts"), .group = navigation,
         .defaults = {key(30, cmd, u"]"), emptySlot}},
        {.name = "nextZone", .title = TR("Nächster Bereich (Seitenleiste/Liste)"),
         .group = navigation, .defaults = {key(48, plain, u"⇥"), emptySlot}},
        {.name = "prevZone", .title = TR("Vorheriger Bereich"), .group = navigation,
         .defaults = {key(48, shift, u"⇥"), emptySlot}},
        {.name = "newFolder", .title = TR("Neuer Ordner"), .group = files,
         .defaults = {key(98, plain, u"F7"), key(45, shift | cmd, u"N")},
         .keyBarLabel = TR("Ordner"), .symbol = "folder.badge.plus"},
        {.name = "rename", .title = TR("Umbenennen"), .group = files,
         .defaults = {key(120, plain, u"F2"), emptySlot}},
        {.name = "quickLook", .title = TR("Schnellvorschau"), .group = files,
         .defaults = {key(49, plain, u"Space"), emptySlot}},
        {.name = "view", .title = TR("Ansehen (zugewiesenes Programm, sonst Schnellvorschau)"),
         .group = files, .defaults = {key(99, plain, u"F3"), emptySlot},
         .keyBarLabel = TR("Ansehen")},
        {.name = "edit", .title = TR("Bearbeiten (Editor)"), .group = files,
         .defaults = {key(118, plain, u"F4"), emptySlot}, .keyBarLabel = TR("Editor")},
        {.name = "info", .title = TR("Informationen"), .group = files,
         .defaults = {key(34, cmd, u"I"), emptySlot}},
        {.name = "duplicate", .title = TR("Duplizieren"), .group = files,
         .defaults = {key(2, cmd, u"D"), emptySlot}},
        {.name = "reveal", .title = TR("Im Dateimanager zeigen"), .group = files,
         .defaults = {key(15, cmd, u"R"), emptySlot}},
        {.name = "trash", .title = TR("In den Papierkorb legen"), .group = files,
         .defaults = {key(100, plain, u"F8"), key(51, cmd, u"⌫")},
         .toolLabel = TR("Löschen"), .keyBarLabel = TR("Löschen"), .symbol = "trash"},
        {.name = "pack", .title = TR("Packen"), .group = files,
         .defaults = {key(96, option, u"F5"), emptySlot}},
        {.name = "unpack", .title = TR("Entpacken"), .group = files,
         .defaults = {key(101, option, u"F9"), emptySlot}},
        {.name = "copyToOther", .title = TR("Ins andere Panel kopieren"), .group = files,
         .defaults = {key(96, plain, u"F5"), emptySlot},
         .toolLabel = TR("Kopieren"), .keyBarLabel = TR("Kopieren"), .symbol = "doc.on.doc"},
        {.name = "moveToOther", .title = TR("Ins andere Panel verschieben"), .group = files,
         .defaults = {key(97, plain, u"F6"), emptySlot},
         .toolLabel = TR("Verschieben"), .keyBarLabel = TR("Verschieben"),
         .symbol = "arrow.right.doc.on.clipboard"},
        {.name = "favorite", .title = TR("Ordner als Favorit ein-/ausschalten"), .group = files,
         .defaults = {key(101, plain, u"F9"), emptySlot},
         .menuTitle = TR("Aktuellen Ordner zu Favoriten"),
         .menuTitleOn = TR("Aktuellen Ordner aus Favoriten entfernen"),
         .keyBarLabel = TR("Favorit"), .symbol = "star"},
        {.name = "viewIcons", .title = TR("Ansicht: Symbole"), .group = view,
         .defaults = {key(18, cmd, u"1"), emptySlot}, .menuTitle = TR("Als Symbole"),
         .symbol = "square.grid.2x2"},
        {.name = "viewList", .title = TR("Ansicht: Liste"), .group = view,
         .defaults = {key(19, cmd, u"2"), emptySlot}, .menuTitle = TR("Als Liste"),
         .symbol = "list.bullet"},
        {.name = "viewColumns", .title = TR("Ansicht: Spalten"), .group = view,
         .defaults = {key(20, cmd, u"3"), emptySlot}, .menuTitle = TR("Als Spalten"),
         .symbol = "rectangle.split.3x1"},
        {.name = "toggleHidden", .title = TR("Unsichtbare Dateien ein-/ausblenden"),
         .group = view, .defaults = {key(47, shift | cmd, u"."), emptySlot},
         .menuTitle = TR("Unsichtbare Dateien einblenden"),
         .menuTitleOn = TR("Unsichtbare Dateien ausblenden")},
        {.name = "settings", .title = TR("Einstellungen"), .group = view,
         .defaults = {key(109, plain, u"F10"), emptySlot}, .menuTitle = TR("Einstellungen …"),
         .keyBarLabel = TR("Einstell."), .fixedKey = FixedKey::settings},
        {.name = "showShortcuts", .title = TR("Tastenkürzel anzeigen"), .group = view,
         .defaults = {key(122, plain, u"F1"), key(44, cmd, u"/")},
         .keyBarLabel = TR("Hilfe"), .toolTip = TR("Liste der Tastenkürzel (%1)"),
         .symbol = "keyboard"},
        {.name = "goHome", .title = TR("Benutzerordner"), .group = goTo,
         .defaults = {key(4, shift | cmd, u"H"), emptySlot}},
        {.name = "goDesktop", .title = TR("Schreibtisch"), .group = goTo,
         .defaults = {key(2, shift | cmd, u"D"), emptySlot}},
        {.name = "goDocuments", .title = TR("Dokumente"), .group = goTo,
         .defaults = {key(31, shift | cmd, u"O"), emptySlot}},
        {.name = "goDownloads", .title = TR("Downloads"), .group = goTo,
         .defaults = {key(37, option | cmd, u"L"), emptySlot}},
        {.name = "goApplications", .title = TR("Programme"), .group = goTo,
         .defaults = {key(0, shift | cmd, u"A"), emptySlot}},
        {.name = "syncPanes", .title = TR("Anderes Panel auf diesen Ordner setzen"), .group = goTo,
         .defaults = {key(31, option | cmd, u"O"), emptySlot}},
        {.name = "copyFiles", .title = TR("Kopieren"), .symbol = "doc.on.doc",
         .fixedKey = FixedKey::copy},
        {.name = "pasteFiles", .title = TR("Einsetzen"), .symbol = "arrow.right.doc.on.clipboard",
         .fixedKey = FixedKey::paste},
        {.name = "find", .title = TR("Suchen"), .fixedKey = FixedKey::find},
        {.name = "quit", .title = TR("Beenden"), .fixedKey = FixedKey::quit},
        {.name = "openWith", .title = TR("Öffnen mit")},
        {.name = "copyPath", .title = TR("Pfad kopieren")},
        {.name = "addFavorites", .title = TR("Zu Favoriten hinzufügen"), .symbol = "star"},
        {.name = "switchPane", .title = TR("Anderes Panel wechseln")},
        {.name = "about", .title = TR("Über Bivane")},
        {.name = "viewMode", .title = TR("Darstellung"),
         .toolTip = TR("Darstellung: Symbole, Liste, Spalten")},
    }};
    // clang-format on
    return table;
}

#undef TR

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

Command command(ShortcutAction action)
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
