#include "appearance/settingseditor.h"

#include "platform/preferences.h"
#include "shortcuts/shortcutstore.h"

SettingsEditor::SettingsEditor(Preferences &preferences, ShortcutStore &store, QObject *parent)
    : QObject(parent)
    , m_preferences(preferences)
    , m_store(store)
    , m_draft(SettingsDraft::load(preferences, store))
{
    // A setting written elsewhere while the window is open changes what counts as unsaved.
    connect(&preferences, &Preferences::changed, this, &SettingsEditor::updateHasChanges);
    connect(&store, &ShortcutStore::bindingsChanged, this, &SettingsEditor::updateHasChanges);
}

void SettingsEditor::edit(const std::function<void(SettingsDraft &)> &change)
{
    SettingsDraft draft = m_draft;
    change(draft);
    setDraft(draft);
}

void SettingsEditor::choosePreset(ThemePreset preset)
{
    edit([preset](SettingsDraft &draft) {
        draft.preset = preset;
        draft.showIcons = !isRetro(preset);
        draft.showFunctionBar = isRetro(preset);
    });
}

void SettingsEditor::assign(const std::optional<KeyCombo> &combo, ShortcutAction action, int slot)
{
    SettingsDraft draft = m_draft;
    const std::optional<QString> note = draft.assign(combo, action, slot);
    setDraft(draft);
    setConflictMessage(note.value_or(QString()));
}

void SettingsEditor::resetShortcuts()
{
    edit([](SettingsDraft &draft) { draft.resetShortcuts(); });
    setConflictMessage({});
}

void SettingsEditor::resetAll()
{
    setDraft(SettingsDraft::defaults());
    setConflictMessage({});
}

void SettingsEditor::reload()
{
    setDraft(SettingsDraft::load(m_preferences, m_store));
    setConflictMessage({});
}

bool SettingsEditor::save()
{
    const bool languageChanged = m_draft.save(m_preferences, m_store);
    reload();
    return languageChanged;
}

void SettingsEditor::setDraft(const SettingsDraft &draft)
{
    if (draft == m_draft)
        return;
    m_draft = draft;
    emit draftChanged();
    updateHasChanges();
}

void SettingsEditor::setConflictMessage(const QString &message)
{
    if (message == m_conflictMessage)
        return;
    m_conflictMessage = message;
    emit conflictMessageChanged();
}

void SettingsEditor::updateHasChanges()
{
    const bool hasChanges = m_draft != SettingsDraft::load(m_preferences, m_store);
    if (hasChanges == m_hasChanges)
        return;
    m_hasChanges = hasChanges;
    emit hasChangesChanged();
}
