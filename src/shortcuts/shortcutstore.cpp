#include "shortcuts/shortcutstore.h"

#include "platform/preferences.h"
#include "shortcuts/keymapping.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <algorithm>

namespace {

using StoredSlots = QList<std::optional<KeyCombo>>;

ShortcutBindings defaultBindings()
{
    ShortcutBindings bindings;
    for (ShortcutAction action : allShortcutActions())
        bindings.insert(action, defaultCombos(action));
    return bindings;
}

// The stored members by name, or nothing when any part of the data does not decode, members
// of unknown actions included.
std::optional<QHash<QString, StoredSlots>> decode(const QByteArray &data)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(data, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    QHash<QString, StoredSlots> members;
    const QJsonObject object = document.object();
    for (auto member = object.begin(); member != object.end(); ++member) {
        if (!member.value().isArray())
            return std::nullopt;
        StoredSlots slotList;
        for (const QJsonValue &element : member.value().toArray()) {
            const std::optional<std::optional<KeyCombo>> slot = slotFromJson(element);
            if (!slot)
                return std::nullopt;
            slotList.append(*slot);
        }
        members.insert(member.key(), slotList);
    }
    return members;
}

// The first two stored slots, empty where fewer were stored.
ShortcutSlots twoSlots(const StoredSlots &stored)
{
    return {stored.value(0), stored.value(1)};
}

// The stored bindings laid over the defaults. An action the data does not know (added since
// it was written) gets its defaults, and takes them away from stored actions that hold them.
ShortcutBindings load(const Preferences &preferences)
{
    ShortcutBindings bindings = defaultBindings();
    const std::optional<QVariant> data = preferences.stored(Pref::shortcutBindings);
    if (!data)
        return bindings;
    const std::optional<QHash<QString, StoredSlots>> members = decode(data->toByteArray());
    if (!members)
        return bindings;

    QList<ShortcutAction> stored;
    for (auto member = members->cbegin(); member != members->cend(); ++member) {
        if (const std::optional<ShortcutAction> action = shortcutActionFromRawValue(member.key())) {
            bindings.insert(*action, twoSlots(member.value()));
            stored.append(*action);
        }
    }
    for (ShortcutAction added : allShortcutActions()) {
        if (stored.contains(added))
            continue;
        for (const std::optional<KeyCombo> &combo : defaultCombos(added)) {
            if (!combo)
                continue;
            for (ShortcutAction holder : stored) {
                for (std::optional<KeyCombo> &slot : bindings[holder]) {
                    if (slot == combo)
                        slot.reset();
                }
            }
        }
    }
    return bindings;
}

QByteArray encode(const ShortcutBindings &bindings)
{
    QJsonObject object;
    for (auto entry = bindings.cbegin(); entry != bindings.cend(); ++entry) {
        QJsonArray slotArray;
        for (const std::optional<KeyCombo> &slot : entry.value())
            slotArray.append(toJson(slot));
        object.insert(rawValue(entry.key()), slotArray);
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

} // namespace

ShortcutStore::ShortcutStore(Preferences &preferences, QObject *parent)
    : QObject(parent)
    , m_preferences(preferences)
    , m_bindings(load(preferences))
{}

ShortcutStore &ShortcutStore::shared()
{
    static ShortcutStore store(Preferences::shared());
    return store;
}

QList<KeyCombo> ShortcutStore::combos(ShortcutAction action) const
{
    QList<KeyCombo> result;
    for (const std::optional<KeyCombo> &slot : m_bindings.value(action, defaultCombos(action))) {
        if (slot)
            result.append(*slot);
    }
    return result;
}

std::optional<ShortcutAction> ShortcutStore::action(quint16 keyCode, quint32 modifiers) const
{
    for (ShortcutAction candidate : allShortcutActions()) {
        for (const KeyCombo &combo : combos(candidate)) {
            if (combo.matches(keyCode, modifiers))
                return candidate;
        }
    }
    return std::nullopt;
}

std::optional<ShortcutAction> ShortcutStore::action(const QKeyEvent &event) const
{
    const std::optional<quint16> keyCode = virtualKeyCode(event);
    if (!keyCode)
        return std::nullopt;
    return action(*keyCode, modifierBits(event.modifiers()));
}

std::optional<KeyCombo> ShortcutStore::menuCombo(ShortcutAction action) const
{
    const QList<KeyCombo> all = combos(action);
    if (all.isEmpty())
        return std::nullopt;
    const auto withCommand = std::find_if(all.cbegin(), all.cend(), [](const KeyCombo &combo) {
        return combo.modifiers & ModifierBit::command;
    });
    const KeyCombo &chosen = withCommand != all.cend() ? *withCommand : all.first();
    if (!chosen.menuShortcut())
        return std::nullopt;
    return chosen;
}

QString ShortcutStore::keyBarLabel(ShortcutAction action) const
{
    const QList<KeyCombo> all = combos(action);
    if (all.isEmpty())
        return QStringLiteral("–");
    for (const KeyCombo &combo : all) {
        if (combo.modifiers == 0 && combo.label.size() < 4 && combo.functionKeyNumber())
            return combo.label;
    }
    return all.first().displayText();
}

void ShortcutStore::replaceAll(const ShortcutBindings &bindings)
{
    const bool changed = bindings != m_bindings;
    m_bindings = bindings;
    m_preferences.setValue(Pref::shortcutBindings, encode(m_bindings));
    if (changed)
        emit bindingsChanged();
}
