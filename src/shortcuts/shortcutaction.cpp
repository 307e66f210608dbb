#include "shortcuts/shortcutaction.h"

#include "platform/localization.h"

namespace {

struct ActionInfo
{
    const char *name;
    ShortcutGroup group;
    const char *title;
    ShortcutSlots defaults;
};

constexpr quint32 plain = 0;
constexpr quint32 shift = ModifierBit::shift;
constexpr quint32 option = ModifierBit::option;
constexpr quint32 command = ModifierBit::command;
const std::optional<KeyCombo> emptySlot;

std::optional<KeyCombo> key(quint16 keyCode, quint32 modifiers, const char16_t *label)
{
    return KeyCombo{keyCode, modifiers, QString::fromUtf16(label)};
}

// One row per action, in declaration order.
const std::array<ActionInfo, 32> &actionTable()
{
    using enum ShortcutGroup;
    // clang-format off
    static const std::array<ActionInfo, 32> table{{
        {"open", navigation, QT_TRANSLATE_NOOP("Bivane", "Öffnen"),
         {key(36, plain, u"↩"), key(125, command, u"↓")}},
        {"goUp", navigation, QT_TRANSLATE_NOOP("Bivane", "Eine Ebene höher"),
         {key(51, plain, u"⌫"), key(126, command, u"↑")}},
        {"back", navigation, QT_TRANSLATE_NOOP("Bivane", "Zurück"),
         {key(33, command, u"["), emptySlot}},
        {"forward", navigation, QT_TRANSLATE_NOOP("Bivane", "Vorwärts"),
         {key(30, command, u"]"), emptySlot}},
        {"nextZone", navigation,
         QT_TRANSLATE_NOOP("Bivane", "Nächster Bereich (Seitenleiste/Liste)"),
         {key(48, plain, u"⇥"), emptySlot}},
        {"prevZone", navigation, QT_TRANSLATE_NOOP("Bivane", "Vorheriger Bereich"),
         {key(48, shift, u"⇥"), emptySlot}},
        {"newFolder", files, QT_TRANSLATE_NOOP("Bivane", "Neuer Ordner"),
         {key(98, plain, u"F7"), key(45, shift | command, u"N")}},
        {"rename", files, QT_TRANSLATE_NOOP("Bivane", "Umbenennen"),
         {key(120, plain, u"F2"), emptySlot}},
        {"quickLook", files, QT_TRANSLATE_NOOP("Bivane", "Schnellvorschau"),
         {key(49, plain, u"Space"), emptySlot}},
        {"view", files,
         QT_TRANSLATE_NOOP("Bivane", "Ansehen (zugewiesenes Programm, sonst Schnellvorschau)"),
         {key(99, plain, u"F3"), emptySlot}},
        {"edit", files, QT_TRANSLATE_NOOP("Bivane", "Bearbeiten (Editor)"),
         {key(118, plain, u"F4"), emptySlot}},
        {"info", files, QT_TRANSLATE_NOOP("Bivane", "Informationen"),
         {key(34, command, u"I"), emptySlot}},
        {"duplicate", files, QT_TRANSLATE_NOOP("Bivane", "Duplizieren"),
         {key(2, command, u"D"), emptySlot}},
        {"reveal", files, QT_TRANSLATE_NOOP("Bivane", "Im Dateimanager zeigen"),
         {key(15, command, u"R"), emptySlot}},
        {"trash", files, QT_TRANSLATE_NOOP("Bivane", "In den Papierkorb legen"),
         {key(100, plain, u"F8"), key(51, command, u"⌫")}},
        {"pack", files, QT_TRANSLATE_NOOP("Bivane", "Packen"),
         {key(96, option, u"F5"), emptySlot}},
        {"unpack", files, QT_TRANSLATE_NOOP("Bivane", "Entpacken"),
         {key(101, option, u"F9"), emptySlot}},
        {"copyToOther", files, QT_TRANSLATE_NOOP("Bivane", "Ins andere Panel kopieren"),
         {key(96, plain, u"F5"), emptySlot}},
        {"moveToOther", files, QT_TRANSLATE_NOOP("Bivane", "Ins andere Panel verschieben"),
         {key(97, plain, u"F6"), emptySlot}},
        {"favorite", files, QT_TRANSLATE_NOOP("Bivane", "Ordner als Favorit ein-/ausschalten"),
         {key(101, plain, u"F9"), emptySlot}},
        {"viewIcons", view, QT_TRANSLATE_NOOP("Bivane", "Ansicht: Symbole"),
         {key(18, command, u"1"), emptySlot}},
        {"viewList", view, QT_TRANSLATE_NOOP("Bivane", "Ansicht: Liste"),
         {key(19, command, u"2"), emptySlot}},
        {"viewColumns", view, QT_TRANSLATE_NOOP("Bivane", "Ansicht: Spalten"),
         {key(20, command, u"3"), emptySlot}},
        {"toggleHidden", view, QT_TRANSLATE_NOOP("Bivane", "Unsichtbare Dateien ein-/ausblenden"),
         {key(47, shift | command, u"."), emptySlot}},
        {"settings", view, QT_TRANSLATE_NOOP("Bivane", "Einstellungen"),
         {key(109, plain, u"F10"), emptySlot}},
        {"showShortcuts", view, QT_TRANSLATE_NOOP("Bivane", "Tastenkürzel anzeigen"),
         {key(122, plain, u"F1"), key(44, command, u"/")}},
        {"goHome", goTo, QT_TRANSLATE_NOOP("Bivane", "Benutzerordner"),
         {key(4, shift | command, u"H"), emptySlot}},
        {"goDesktop", goTo, QT_TRANSLATE_NOOP("Bivane", "Schreibtisch"),
         {key(2, shift | command, u"D"), emptySlot}},
        {"goDocuments", goTo, QT_TRANSLATE_NOOP("Bivane", "Dokumente"),
         {key(31, shift | command, u"O"), emptySlot}},
        {"goDownloads", goTo, QT_TRANSLATE_NOOP("Bivane", "Downloads"),
         {key(37, option | command, u"L"), emptySlot}},
        {"goApplications", goTo, QT_TRANSLATE_NOOP("Bivane", "Programme"),
         {key(0, shift | command, u"A"), emptySlot}},
        {"syncPanes", goTo, QT_TRANSLATE_NOOP("Bivane", "Anderes Panel auf diesen Ordner setzen"),
         {key(31, option | command, u"O"), emptySlot}},
    }};
    // clang-format on
    return table;
}

const ActionInfo &actionInfo(ShortcutAction action)
{
    return actionTable()[size_t(action)];
}

} // namespace

QList<ShortcutAction> allShortcutActions()
{
    QList<ShortcutAction> actions;
    for (size_t index = 0; index < actionTable().size(); ++index)
        actions.append(ShortcutAction(index));
    return actions;
}

QList<ShortcutGroup> allShortcutGroups()
{
    return {
        ShortcutGroup::navigation, ShortcutGroup::files, ShortcutGroup::view, ShortcutGroup::goTo};
}

QString rawValue(ShortcutAction action)
{
    return QString::fromLatin1(actionInfo(action).name);
}

std::optional<ShortcutAction> shortcutActionFromRawValue(const QString &name)
{
    for (ShortcutAction action : allShortcutActions()) {
        if (name == QLatin1String(actionInfo(action).name))
            return action;
    }
    return std::nullopt;
}

QString title(ShortcutAction action)
{
    return Bv::tr(actionInfo(action).title);
}

QString title(ShortcutGroup group)
{
    switch (group) {
    case ShortcutGroup::navigation:
        return Bv::tr("Navigation");
    case ShortcutGroup::files:
        return Bv::tr("Dateien");
    case ShortcutGroup::view:
        return Bv::tr("Darstellung");
    case ShortcutGroup::goTo:
        return Bv::tr("Gehe zu");
    }
    return {};
}

ShortcutGroup group(ShortcutAction action)
{
    return actionInfo(action).group;
}

ShortcutSlots defaultCombos(ShortcutAction action)
{
    return actionInfo(action).defaults;
}
