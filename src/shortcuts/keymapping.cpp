#include "shortcuts/keymapping.h"

#include "shortcuts/keycombo.h"

#include <QKeyEvent>
#include <array>

namespace {

// One key of a US keyboard: its evdev code, its virtual key code and the Qt keys it reports
// without and with Shift (0 where it has none).
struct PhysicalKey
{
    quint16 evdevCode;
    quint16 virtualCode;
    int baseKey;
    int shiftedKey;
};

// xcb and Wayland report the X/xkb key code, which is the evdev code plus this offset.
constexpr quint32 scanCodeOffset = 8;

// clang-format off
constexpr std::array physicalKeys{
    PhysicalKey{30, 0, Qt::Key_A, 0},   PhysicalKey{31, 1, Qt::Key_S, 0},
    PhysicalKey{32, 2, Qt::Key_D, 0},   PhysicalKey{33, 3, Qt::Key_F, 0},
    PhysicalKey{35, 4, Qt::Key_H, 0},   PhysicalKey{34, 5, Qt::Key_G, 0},
    PhysicalKey{44, 6, Qt::Key_Z, 0},   PhysicalKey{45, 7, Qt::Key_X, 0},
    PhysicalKey{46, 8, Qt::Key_C, 0},   PhysicalKey{47, 9, Qt::Key_V, 0},
    PhysicalKey{48, 11, Qt::Key_B, 0},  PhysicalKey{16, 12, Qt::Key_Q, 0},
    PhysicalKey{17, 13, Qt::Key_W, 0},  PhysicalKey{18, 14, Qt::Key_E, 0},
    PhysicalKey{19, 15, Qt::Key_R, 0},  PhysicalKey{21, 16, Qt::Key_Y, 0},
    PhysicalKey{20, 17, Qt::Key_T, 0},  PhysicalKey{24, 31, Qt::Key_O, 0},
    PhysicalKey{22, 32, Qt::Key_U, 0},  PhysicalKey{23, 34, Qt::Key_I, 0},
    PhysicalKey{25, 35, Qt::Key_P, 0},  PhysicalKey{38, 37, Qt::Key_L, 0},
    PhysicalKey{36, 38, Qt::Key_J, 0},  PhysicalKey{37, 40, Qt::Key_K, 0},
    PhysicalKey{49, 45, Qt::Key_N, 0},  PhysicalKey{50, 46, Qt::Key_M, 0},

    PhysicalKey{2, 18, Qt::Key_1, Qt::Key_Exclam},
    PhysicalKey{3, 19, Qt::Key_2, Qt::Key_At},
    PhysicalKey{4, 20, Qt::Key_3, Qt::Key_NumberSign},
    PhysicalKey{5, 21, Qt::Key_4, Qt::Key_Dollar},
    PhysicalKey{6, 23, Qt::Key_5, Qt::Key_Percent},
    PhysicalKey{7, 22, Qt::Key_6, Qt::Key_AsciiCircum},
    PhysicalKey{8, 26, Qt::Key_7, Qt::Key_Ampersand},
    PhysicalKey{9, 28, Qt::Key_8, Qt::Key_Asterisk},
    PhysicalKey{10, 25, Qt::Key_9, Qt::Key_ParenLeft},
    PhysicalKey{11, 29, Qt::Key_0, Qt::Key_ParenRight},
    PhysicalKey{12, 27, Qt::Key_Minus, Qt::Key_Underscore},
    PhysicalKey{13, 24, Qt::Key_Equal, Qt::Key_Plus},
    PhysicalKey{26, 33, Qt::Key_BracketLeft, Qt::Key_BraceLeft},
    PhysicalKey{27, 30, Qt::Key_BracketRight, Qt::Key_BraceRight},
    PhysicalKey{39, 41, Qt::Key_Semicolon, Qt::Key_Colon},
    PhysicalKey{40, 39, Qt::Key_Apostrophe, Qt::Key_QuoteDbl},
    PhysicalKey{41, 50, Qt::Key_QuoteLeft, Qt::Key_AsciiTilde},
    PhysicalKey{43, 42, Qt::Key_Backslash, Qt::Key_Bar},
    PhysicalKey{51, 43, Qt::Key_Comma, Qt::Key_Less},
    PhysicalKey{52, 47, Qt::Key_Period, Qt::Key_Greater},
    PhysicalKey{53, 44, Qt::Key_Slash, Qt::Key_Question},
    // The extra key of ISO keyboards beside the left Shift ("<" on German layouts): its own
    // code instead of the comma's, which its symbols would fold onto.
    PhysicalKey{86, 10, 0, 0},

    PhysicalKey{28, 36, Qt::Key_Return, 0},
    PhysicalKey{96, 76, Qt::Key_Enter, 0},
    PhysicalKey{15, 48, Qt::Key_Tab, Qt::Key_Backtab},
    PhysicalKey{57, 49, Qt::Key_Space, 0},
    PhysicalKey{14, 51, Qt::Key_Backspace, 0},
    PhysicalKey{111, 117, Qt::Key_Delete, 0},
    PhysicalKey{1, 53, Qt::Key_Escape, 0},
    PhysicalKey{105, 123, Qt::Key_Left, 0},
    PhysicalKey{106, 124, Qt::Key_Right, 0},
    PhysicalKey{108, 125, Qt::Key_Down, 0},
    PhysicalKey{103, 126, Qt::Key_Up, 0},
    PhysicalKey{102, 115, Qt::Key_Home, 0},
    PhysicalKey{107, 119, Qt::Key_End, 0},
    PhysicalKey{104, 116, Qt::Key_PageUp, 0},
    PhysicalKey{109, 121, Qt::Key_PageDown, 0},

    PhysicalKey{59, 122, Qt::Key_F1, 0},  PhysicalKey{60, 120, Qt::Key_F2, 0},
    PhysicalKey{61, 99, Qt::Key_F3, 0},   PhysicalKey{62, 118, Qt::Key_F4, 0},
    PhysicalKey{63, 96, Qt::Key_F5, 0},   PhysicalKey{64, 97, Qt::Key_F6, 0},
    PhysicalKey{65, 98, Qt::Key_F7, 0},   PhysicalKey{66, 100, Qt::Key_F8, 0},
    PhysicalKey{67, 101, Qt::Key_F9, 0},  PhysicalKey{68, 109, Qt::Key_F10, 0},
    PhysicalKey{87, 103, Qt::Key_F11, 0}, PhysicalKey{88, 111, Qt::Key_F12, 0},
};
// clang-format on

const PhysicalKey *physicalKeyByScanCode(quint32 scanCode)
{
    if (scanCode <= scanCodeOffset)
        return nullptr;
    for (const PhysicalKey &physical : physicalKeys) {
        if (physical.evdevCode == scanCode - scanCodeOffset)
            return &physical;
    }
    return nullptr;
}

const PhysicalKey *physicalKeyByQtKey(int key)
{
    if (key == 0)
        return nullptr;
    for (const PhysicalKey &physical : physicalKeys) {
        if (physical.baseKey == key || physical.shiftedKey == key)
            return &physical;
    }
    return nullptr;
}

// Scan codes this table does not know (keypad digits, unusual keyboards) fall back to the Qt
// key, so the keypad's digits and arrows act like the main ones.
const PhysicalKey *physicalKey(const QKeyEvent &event)
{
    if (const PhysicalKey *physical = physicalKeyByScanCode(event.nativeScanCode()))
        return physical;
    return physicalKeyByQtKey(event.key());
}

// Qt keys below the special range are the character the key types, upper-cased for letters.
bool typesCharacter(int key)
{
    return key >= 0 && key < 0x110000 && QChar::isPrint(char32_t(key));
}

QString upperText(int key)
{
    const auto character = char32_t(key);
    return QString::fromUcs4(&character, 1).toUpper();
}

} // namespace

std::optional<quint16> virtualKeyCode(const QKeyEvent &event)
{
    if (const PhysicalKey *physical = physicalKey(event))
        return physical->virtualCode;
    return std::nullopt;
}

quint32 modifierBits(Qt::KeyboardModifiers modifiers)
{
    quint32 bits = 0;
    if (modifiers & Qt::ShiftModifier)
        bits |= ModifierBit::shift;
    if (modifiers & Qt::MetaModifier)
        bits |= ModifierBit::control;
    if (modifiers & Qt::AltModifier)
        bits |= ModifierBit::option;
    if (modifiers & Qt::ControlModifier)
        bits |= ModifierBit::command;
    return bits;
}

QString unshiftedKeyText(const QKeyEvent &event)
{
    // Qt's key is used rather than the event's text, which Ctrl turns into control characters.
    const int key = event.key();
    if (!typesCharacter(key))
        return {};
    if (!(event.modifiers() & Qt::ShiftModifier) || QChar::isLetter(char32_t(key)))
        return upperText(key);
    // A shifted symbol: the symbol of the same key without Shift, as far as the US table
    // knows it.
    const PhysicalKey *physical = physicalKey(event);
    if (physical && typesCharacter(physical->baseKey))
        return upperText(physical->baseKey);
    return upperText(key);
}
