#pragma once

#include <QHash>
#include <QJsonValue>
#include <QKeySequence>
#include <QMetaType>
#include <QString>
#include <optional>

class QKeyEvent;

// The modifier bits a key combination keeps; every other flag of a key event is dropped.
// Ctrl is the Command bit, Alt the Option bit and Super the Control bit.
namespace ModifierBit {
constexpr quint32 shift = 1u << 17;
constexpr quint32 control = 1u << 18;
constexpr quint32 option = 1u << 19;
constexpr quint32 command = 1u << 20;
constexpr quint32 mask = shift | control | option | command;
static_assert(mask == 0x1E0000);
} // namespace ModifierBit

// One key combination. Key codes are positional virtual key codes of a US layout (A = 0,
// Return = 36, F1 = 122), so stored bindings keep their meaning across keyboard layouts.
struct KeyCombo
{
    quint16 keyCode = 0;
    quint32 modifiers = 0;
    // The key's own name without modifier symbols: "F5", "↩", "Space", "N", ".".
    QString label;

    bool operator==(const KeyCombo &) const = default;

    // The combination as Linux desktops write it, in the program's language: the modifiers in
    // the order Ctrl, Alt, Shift, Super, then the key, joined by "+" ("Strg+Umschalt+N",
    // "Alt+F5", "Entf"). Every text that shows a combination comes from here.
    QString displayText() const;
    // The combination a key press records as, or nothing for a key that yields no text and
    // has no name.
    static std::optional<KeyCombo> fromKeyEvent(const QKeyEvent &event);
    // The menu key sequence, or nothing where a menu cannot show the key ("Home", "F13").
    std::optional<QKeySequence> menuShortcut() const;
    // Whether a key press with this key code and these modifiers means this combination; the
    // label is not compared and modifier bits outside ModifierBit::mask are ignored.
    bool matches(quint16 pressedKeyCode, quint32 pressedModifiers) const;
    // n for a label "F" followed by decimal digits n, else nothing.
    std::optional<int> functionKeyNumber() const;
};

size_t qHash(const KeyCombo &combo, size_t seed = 0);

// The labels of the 27 keys that have a name ("↩", "Space", "F1" …), by key code.
const QHash<quint16, QString> &keyNameTable();

// A binding slot as stored: null for an empty slot, else an object with the members
// "keyCode", "modifiers" and "label".
QJsonValue toJson(const std::optional<KeyCombo> &slot);
// The slot a stored value stands for: an empty slot for null, a combination for an object
// with all three members of the right types. Anything else fails (the outer nothing).
std::optional<std::optional<KeyCombo>> slotFromJson(const QJsonValue &value);

Q_DECLARE_METATYPE(KeyCombo)
