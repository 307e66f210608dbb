#pragma once

#include "shortcuts/keycombo.h"

// Keys the program handles itself, beside the user's bindings; they cannot be rebound. The
// command catalogue gives them to their commands; the key dispatch, the menus and the shortcut
// list match and name them through these values, so the list shows what works.
namespace FixedKey {
inline const KeyCombo up{126, 0, QStringLiteral("↑")};
inline const KeyCombo down{125, 0, QStringLiteral("↓")};
inline const KeyCombo left{123, 0, QStringLiteral("←")};
inline const KeyCombo right{124, 0, QStringLiteral("→")};
inline const KeyCombo copy{8, ModifierBit::command, QStringLiteral("C")};
inline const KeyCombo paste{9, ModifierBit::command, QStringLiteral("V")};
inline const KeyCombo find{3, ModifierBit::command, QStringLiteral("F")};
// These two give way to a binding of the same key.
inline const KeyCombo settings{43, ModifierBit::command, QStringLiteral(",")};
inline const KeyCombo quit{12, ModifierBit::command, QStringLiteral("Q")};
} // namespace FixedKey
