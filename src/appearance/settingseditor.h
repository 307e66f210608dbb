#pragma once

#include "appearance/settingsdraft.h"

#include <QObject>
#include <functional>

class Preferences;
class ShortcutStore;

// The settings window's state around its draft: the edited values, the last shortcut conflict
// note, and whether the draft differs from what is stored. Nothing reaches the preferences or
// the shortcut store before save().
class SettingsEditor : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString conflictMessage READ conflictMessage NOTIFY conflictMessageChanged)
    Q_PROPERTY(bool hasChanges READ hasChanges NOTIFY hasChangesChanged)

public:
    SettingsEditor(Preferences &preferences, ShortcutStore &store, QObject *parent = nullptr);

    const SettingsDraft &draft() const { return m_draft; }
    // Empty while there is no note.
    QString conflictMessage() const { return m_conflictMessage; }
    bool hasChanges() const { return m_hasChanges; }
    Preferences &preferences() const { return m_preferences; }

    // Applies `change` to the draft; notifies only when the draft changed.
    void edit(const std::function<void(SettingsDraft &)> &change);
    // The retro presets come with the text list look: no icons, the function-key bar on; the
    // others with the opposite. Both toggles stay free to change afterwards.
    void choosePreset(ThemePreset preset);
    // Puts a combination (or nothing) into a binding slot; a combination bound elsewhere moves
    // here and the note says from where.
    void assign(const std::optional<KeyCombo> &combo, ShortcutAction action, int slot);
    void resetShortcuts();
    // Every setting, binding and program assignment to its default, in the draft only.
    void resetAll();
    // The stored settings again; also what opening the window does.
    void reload();
    void discard() { reload(); }
    // Writes the whole draft and reloads it, so clamped values show as saved. Returns whether
    // the language changed, which needs a restart.
    bool save();

signals:
    void draftChanged();
    void conflictMessageChanged();
    void hasChangesChanged();

private:
    void setDraft(const SettingsDraft &draft);
    void setConflictMessage(const QString &message);
    void updateHasChanges();

    Preferences &m_preferences;
    ShortcutStore &m_store;
    SettingsDraft m_draft;
    QString m_conflictMessage;
    bool m_hasChanges = false;
};
