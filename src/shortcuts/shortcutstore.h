#pragma once

#include "shortcuts/shortcutaction.h"

#include <QMap>
#include <QObject>
#include <optional>

class Preferences;
class QKeyEvent;

using ShortcutBindings = QMap<ShortcutAction, ShortcutSlots>;

// The user's key bindings: which action a key press means, what menus and the function-key
// bar show for an action. Loaded from the preferences once, at construction, and repaired
// against the current set of actions; written back only by replaceAll(). Main thread only.
class ShortcutStore : public QObject
{
    Q_OBJECT
    Q_PROPERTY(ShortcutBindings bindings READ bindings NOTIFY bindingsChanged)

public:
    explicit ShortcutStore(Preferences &preferences, QObject *parent = nullptr);

    // The application's store, on Preferences::shared().
    static ShortcutStore &shared();

    // All actions with both slots each, after loading.
    const ShortcutBindings &bindings() const { return m_bindings; }

    // The action's combinations in slot order, empty slots left out; the defaults for an
    // action the bindings lack.
    QList<KeyCombo> combos(ShortcutAction action) const;
    // The action bound to a key press, if any. When several carry the combination, the first
    // action in declaration order and within it the first slot wins.
    std::optional<ShortcutAction> action(quint16 keyCode, quint32 modifiers) const;
    std::optional<ShortcutAction> action(const QKeyEvent &event) const;
    // The combination a menu names: the first with the Command bit, else the first; nothing
    // when that one has no menu key sequence.
    std::optional<KeyCombo> menuCombo(ShortcutAction action) const;
    // The function-key bar's text: a plain function key's label ("F5"), else the first
    // combination's display text ("Alt+F5"), "–" without any.
    QString keyBarLabel(ShortcutAction action) const;

    // Makes `bindings` the new set and writes it to the preferences, also when it is equal
    // to the current set (which notifies nobody).
    void replaceAll(const ShortcutBindings &bindings);

    // Set while a shortcut recorder owns the keyboard; key handling dispatches nothing then.
    bool isRecording() const { return m_recording; }
    void setRecording(bool recording) { m_recording = recording; }

signals:
    void bindingsChanged();

private:
    Preferences &m_preferences;
    ShortcutBindings m_bindings;
    bool m_recording = false;
};

Q_DECLARE_METATYPE(ShortcutBindings)
