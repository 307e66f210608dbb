#pragma once

#include "appearance/appicondesign.h"
#include "appearance/applanguage.h"
#include "appearance/externaltool.h"
#include "appearance/theme.h"
#include "platform/preferencekeys.h"
#include "shortcuts/shortcutstore.h"

#include <QMap>
#include <optional>

class Preferences;

// An editable copy of every setting: the settings window changes the draft and writes it all
// at once, or throws it away.
struct SettingsDraft
{
    static constexpr double kMinWidth = Pref::startWidths.minimum;
    static constexpr double kMinHeight = Pref::startHeights.minimum;

    ThemePreset preset = ThemePreset::system;
    double fontSize = 13;
    bool monospaced = false;
    bool showIcons = true;
    bool showFunctionBar = false;
    bool treeView = false;
    AppLanguage language = AppLanguage::system;
    AppIconDesign iconDesign = AppIconDesign::dualPanels;
    bool showSplash = true;
    bool confirmCopyMove = true;
    bool confirmDelete = true;
    bool showProgress = true;
    bool restoreWindowSize = false;
    double startWidth = 1280;
    double startHeight = 720;
    ShortcutBindings shortcuts;
    QMap<ExternalTool, QString> tools;

    // Every setting at its default: the shipped bindings, no programs assigned.
    static SettingsDraft defaults();
    // The stored settings and the store's current bindings.
    static SettingsDraft load(const Preferences &preferences, const ShortcutStore &store);

    // Writes every setting, the start size at least kMinWidth × kMinHeight, the bindings through
    // the store, and all four program assignments. Returns whether the language changed, which
    // asks for a restart.
    bool save(Preferences &preferences, ShortcutStore &store) const;

    // The combination in slot 0 or 1 of the action.
    std::optional<KeyCombo> slotCombo(ShortcutAction action, int slot) const;
    // Puts `combo` (or nothing) into the slot. The same combination anywhere else goes: a
    // combination bound elsewhere moves to this action, and the returned note says from where.
    std::optional<QString>
    assign(const std::optional<KeyCombo> &combo, ShortcutAction action, int slot);
    void resetShortcuts();
    // "Aktuelle Fenstergröße als Startgröße übernehmen": the last window size, rounded, when
    // one is stored.
    void takeLastWindowSize(const Preferences &preferences);

    bool operator==(const SettingsDraft &) const = default;
};
