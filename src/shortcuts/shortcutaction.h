#pragma once

#include "shortcuts/keycombo.h"

#include <QList>
#include <QMetaType>
#include <QString>
#include <array>
#include <optional>

// The sections of the shortcut settings and the shortcut overview, in display order.
enum class ShortcutGroup { navigation, files, view, goTo };

// Every bindable keyboard command. The order is the order of rows within a group and decides
// which action wins when two carry the same combination.
enum class ShortcutAction {
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
    syncPanes
};

// The two binding slots of an action, each empty or holding one combination.
using ShortcutSlots = std::array<std::optional<KeyCombo>, 2>;

QList<ShortcutAction> allShortcutActions();
QList<ShortcutGroup> allShortcutGroups();

// The case name ("copyToOther"), under which the action's bindings are stored.
QString rawValue(ShortcutAction action);
// The action whose case name is exactly `name` (case-sensitive).
std::optional<ShortcutAction> shortcutActionFromRawValue(const QString &name);

// Titles in the current language.
QString title(ShortcutAction action);
QString title(ShortcutGroup group);

ShortcutGroup group(ShortcutAction action);
// The slots as shipped.
ShortcutSlots defaultCombos(ShortcutAction action);

Q_DECLARE_METATYPE(ShortcutAction)
Q_DECLARE_METATYPE(ShortcutGroup)
Q_DECLARE_METATYPE(ShortcutSlots)
