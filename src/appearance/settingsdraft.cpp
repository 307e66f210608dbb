#include "appearance/settingsdraft.h"

#include "platform/localization.h"
#include "platform/preferences.h"

#include <cmath>

namespace {

ShortcutBindings defaultBindings()
{
    ShortcutBindings bindings;
    for (ShortcutAction action : allShortcutActions())
        bindings.insert(action, defaultCombos(action));
    return bindings;
}

} // namespace

SettingsDraft SettingsDraft::defaults()
{
    SettingsDraft draft;
    draft.shortcuts = defaultBindings();
    for (ExternalTool tool : allExternalTools())
        draft.tools.insert(tool, QString());
    return draft;
}

SettingsDraft SettingsDraft::load(const Preferences &preferences, const ShortcutStore &store)
{
    SettingsDraft draft;
    const Theme theme = Theme::fromPreferences(preferences);
    draft.preset = theme.preset;
    draft.fontSize = theme.fontSize;
    draft.monospaced = theme.monospaced;
    draft.showIcons = theme.showIcons;
    draft.showFunctionBar = theme.showFunctionBar;
    draft.treeView = preferences.boolValue(Pref::listTreeView);
    draft.language = appLanguageFromRawValue(preferences.stringValue(Pref::appLanguageChoice));
    draft.iconDesign = appIconDesignFromRawValue(preferences.stringValue(Pref::appIconDesign));
    draft.showSplash = preferences.boolValue(Pref::showSplashScreen);
    draft.confirmCopyMove = preferences.boolValue(Pref::confirmCopyMove);
    draft.confirmDelete = preferences.boolValue(Pref::confirmDelete);
    draft.showProgress = preferences.boolValue(Pref::showTransferProgress);
    draft.restoreWindowSize = preferences.boolValue(Pref::windowRestoreSize);
    draft.startWidth = preferences.numberValue(Pref::windowStartWidth);
    draft.startHeight = preferences.numberValue(Pref::windowStartHeight);
    draft.shortcuts = store.bindings();
    for (ExternalTool tool : allExternalTools())
        draft.tools.insert(tool, preferences.stringValue(Pref::externalTool(rawValue(tool))));
    return draft;
}

bool SettingsDraft::save(Preferences &preferences, ShortcutStore &store) const
{
    const AppLanguage before =
        appLanguageFromRawValue(preferences.stringValue(Pref::appLanguageChoice));
    preferences.setValue(Pref::listTreeView, treeView);
    preferences.setValue(Pref::appLanguageChoice, rawValue(language));
    applyLanguage(preferences, language);
    preferences.setValue(Pref::themePreset, rawValue(preset));
    preferences.setValue(Pref::themeFontSize, fontSize);
    preferences.setValue(Pref::themeMonospaced, monospaced);
    preferences.setValue(Pref::themeShowIcons, showIcons);
    preferences.setValue(Pref::themeShowFunctionBar, showFunctionBar);
    preferences.setValue(Pref::appIconDesign, rawValue(iconDesign));
    preferences.setValue(Pref::showSplashScreen, showSplash);
    preferences.setValue(Pref::confirmCopyMove, confirmCopyMove);
    preferences.setValue(Pref::confirmDelete, confirmDelete);
    preferences.setValue(Pref::showTransferProgress, showProgress);
    preferences.setValue(Pref::windowRestoreSize, restoreWindowSize);
    preferences.setValue(Pref::windowStartWidth, startWidth); // raised to the minimum there
    preferences.setValue(Pref::windowStartHeight, startHeight);
    store.replaceAll(shortcuts);
    for (ExternalTool tool : allExternalTools())
        preferences.setValue(Pref::externalTool(rawValue(tool)), tools.value(tool));
    return before != language;
}

std::optional<KeyCombo> SettingsDraft::slotCombo(ShortcutAction action, int slot) const
{
    Q_ASSERT(slot == 0 || slot == 1);
    const auto found = shortcuts.find(action);
    return found == shortcuts.end() ? std::nullopt : (*found)[slot];
}

std::optional<QString>
SettingsDraft::assign(const std::optional<KeyCombo> &combo, ShortcutAction action, int slot)
{
    Q_ASSERT(slot == 0 || slot == 1);
    std::optional<QString> note;
    if (combo) {
        for (auto it = shortcuts.begin(); it != shortcuts.end(); ++it) {
            for (int j = 0; j < 2; ++j) {
                if (it.key() == action && j == slot)
                    continue;
                if ((*it)[j] != combo)
                    continue;
                (*it)[j].reset();
                if (it.key() != action)
                    note = Bv::tr("%1 war bei „%2“ belegt und wurde dort entfernt.")
                               .arg(combo->displayText(), title(it.key()));
            }
        }
    }
    ShortcutSlots actionSlots = shortcuts.value(action);
    actionSlots[slot] = combo;
    shortcuts.insert(action, actionSlots);
    return note;
}

void SettingsDraft::resetShortcuts()
{
    shortcuts = defaultBindings();
}

void SettingsDraft::takeLastWindowSize(const Preferences &preferences)
{
    const double width = preferences.numberValue(Pref::windowLastWidth);
    const double height = preferences.numberValue(Pref::windowLastHeight);
    if (width > 0 && height > 0) {
        startWidth = std::round(width); // halves away from zero
        startHeight = std::round(height);
    }
}
