#pragma once

#include <QString>
#include <Qt>
#include <optional>

class QKeyEvent;

// The virtual key codes the controller and the preview act on.
namespace KeyCode {
constexpr quint16 returnKey = 36;
constexpr quint16 enter = 76; // on the numeric keypad
constexpr quint16 escape = 53;
constexpr quint16 left = 123;
constexpr quint16 right = 124;
constexpr quint16 down = 125;
constexpr quint16 up = 126;
} // namespace KeyCode

// Maps Linux key events onto the positional virtual key codes of a US layout that key
// combinations store (A = 0, "." = 47, Return = 36, keypad Enter = 76, F1 = 122).

// The key's virtual key code, the same with or without Shift: from the native scan code where
// the platform gives one (xcb, Wayland and libinput report the evdev code + 8), else from the
// Qt key with shifted symbols folded onto their US-layout key (">" is the "." key). Nothing for
// keys without a code (modifiers alone, dead keys, media keys, letters outside A–Z without a
// scan code).
std::optional<quint16> virtualKeyCode(const QKeyEvent &event);

// Ctrl → Command, Alt → Option, Meta → Control, Shift → Shift; keypad, group switch and all
// other flags are dropped.
quint32 modifierBits(Qt::KeyboardModifiers modifiers);

// The text the key types without Shift, upper-cased ("N" for Ctrl+Shift+N, "." for
// Ctrl+Shift+. on a US layout); empty for keys that type nothing (dead keys, function keys).
QString unshiftedKeyText(const QKeyEvent &event);
